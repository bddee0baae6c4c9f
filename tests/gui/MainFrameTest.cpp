#include <QButtonGroup>
#include <QDockWidget>
#include <QMdiArea>
#include <QTest>

#include "FrameTestKit.h"
#include "ProbeView.h"
#include "frame/CMdiClient.h"
#include "frame/CMyChildFrame.h"
#include "frame/CommandIds.h"
#include "frame/NavigationTree.h"
#include "frame/ProgrammingLogSetting.h"

using namespace ht57;
using namespace ht57::test;

namespace {

struct Program {
    explicit Program(CommandRegistry commands = {}) {
        folder.WriteDefaultDat(FactoryDataFile());
        if (!app.InitInstance()) {
            qFatal("start-up failed");
        }
        frame = std::make_unique<CMainFrame>(app, ProbeRegistry(), std::move(commands));
        frame->resize(1000, 700);
        frame->show();
    }

    // Focus tests need a really active window.
    bool Activate() const {
        frame->activateWindow();
        return QTest::qWaitForWindowActive(frame.get());
    }

    int OpenViews() const { return static_cast<int>(frame->MdiClient()->subWindowList().size()); }
    ProbeView* View(ViewKind kind) const {
        CMyChildFrame* child = frame->ViewSlot(kind);
        return child == nullptr ? nullptr : static_cast<ProbeView*>(child->View());
    }
    Byte& ImageByte(std::size_t offset) { return app.Data().image[offset]; }

    ProgramFolder folder;
    Application app{folder.Path()};
    std::unique_ptr<CMainFrame> frame;
};

QTreeWidgetItem* TreeItem(NavigationTree* tree, const QString& text) {
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

void Click(NavigationTree* tree, QPoint where) {
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, where);
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void KeepsOneWindowPerViewKind();
    void TreeOpensViewsOnLabelOrIconOnly_data();
    void TreeOpensViewsOnLabelOrIconOnly();
    void TreeClickOpensEvenTheSelectedItem();
    void RootImageFollowsExpandAndCollapse();
    void TreeBarToggles();
    void UnregisteredCommandsAndViewsDoNothing();
    void RegisteredCommandsRun();
    void ViewsStoreOnDeactivationAndLoadOnActivation();
    void ClosingAViewStoresItsFocusedEdit();
    void SaveShortcutCommitsTheFocusedEdit();
    void NextAndPreviousWindowKeys();
    void PortCommandUpdatesThePane_data();
    void PortCommandUpdatesThePane();
    void ProgrammingLogSettingIsKeptInProgramIni();
};

void MainFrameTest::KeepsOneWindowPerViewKind() {
    Program program;
    NavigationTree* tree = program.frame->Tree();
    QTreeWidgetItem* channels = TreeItem(tree, "Channel Infomation");
    QVERIFY(channels != nullptr);

    Click(tree, program.frame->Tree()->HitRect(channels).center());
    Click(tree, program.frame->Tree()->HitRect(channels).center());
    program.frame->Action(command::kChannelInfo)->trigger();
    QCOMPARE(program.OpenViews(), 1);
    CMyChildFrame* first = program.frame->ViewSlot(ViewKind::ChannelInfo);
    QVERIFY(first != nullptr);
    QCOMPARE(first->windowTitle(), QStringLiteral("Channel Infomation"));

    program.frame->OpenView(ViewKind::RadioInfo);
    QCOMPARE(program.OpenViews(), 2);
    first->move(150, 120);
    program.frame->OpenView(ViewKind::ChannelInfo);
    QCOMPARE(program.OpenViews(), 2);
    QCOMPARE(program.frame->MdiClient()->activeSubWindow(), first);

    // Closed and chosen again: a new window at the top-left corner.
    first->close();
    QVERIFY(program.frame->ViewSlot(ViewKind::ChannelInfo) == nullptr);
    program.frame->OpenView(ViewKind::ChannelInfo);
    CMyChildFrame* second = program.frame->ViewSlot(ViewKind::ChannelInfo);
    QVERIFY(second != nullptr);
    QCOMPARE(second->pos(), QPoint(0, 0));
    QTRY_COMPARE(program.OpenViews(), 2);
}

void MainFrameTest::TreeOpensViewsOnLabelOrIconOnly_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("opens");
    QTest::newRow("label") << "Channel Infomation"
                           << "label" << true;
    QTest::newRow("icon") << "Radio Info"
                          << "icon" << true;
    QTest::newRow("beside the label") << "Channel Infomation"
                                      << "beside" << false;
    QTest::newRow("indent") << "Radio Info"
                            << "indent" << false;
    QTest::newRow("root label") << "DRN552"
                                << "label" << false;
}

void MainFrameTest::TreeOpensViewsOnLabelOrIconOnly() {
    QFETCH(QString, item);
    QFETCH(QString, where);
    QFETCH(bool, opens);
    Program program;
    NavigationTree* tree = program.frame->Tree();
    program.frame->TreeBar()->setMinimumWidth(300);
    QTest::qWait(0);
    QTreeWidgetItem* target = TreeItem(tree, item);
    QVERIFY(target != nullptr);
    const QRect hit = tree->HitRect(target);
    const QRect row = tree->visualItemRect(target);
    QVERIFY(hit.isValid());

    QPoint point;
    if (where == "label") {
        point = QPoint(hit.right() - 3, hit.center().y());
    } else if (where == "icon") {
        point = QPoint(hit.left() + 3, hit.center().y());
    } else if (where == "beside") {
        QVERIFY(row.right() > hit.right() + 20);
        point = QPoint(hit.right() + 15, hit.center().y());
    } else {
        QVERIFY(row.left() > 4);
        point = QPoint(row.left() - 4, row.center().y());
    }
    Click(tree, point);
    QCOMPARE(program.OpenViews(), opens ? 1 : 0);
}

void MainFrameTest::TreeClickOpensEvenTheSelectedItem() {
    Program program;
    NavigationTree* tree = program.frame->Tree();
    QTreeWidgetItem* info = TreeItem(tree, "Radio Info");
    Click(tree, tree->HitRect(info).center());
    QCOMPARE(program.OpenViews(), 1);
    QVERIFY(info->isSelected());
    delete program.frame->ViewSlot(ViewKind::RadioInfo);
    QCOMPARE(program.OpenViews(), 0);
    Click(tree, tree->HitRect(info).center());
    QCOMPARE(program.OpenViews(), 1);
}

void MainFrameTest::RootImageFollowsExpandAndCollapse() {
    Program program;
    QTreeWidgetItem* root = program.frame->Tree()->Root();
    QVERIFY(root->isExpanded());
    QCOMPARE(NavigationTree::ImageIndex(root), NavigationTree::kItemImage);
    QVERIFY(!NavigationTree::ItemCode(root).has_value());
    QCOMPARE(NavigationTree::ItemCode(root->child(3)), std::optional<int>(0x20000));
    root->setExpanded(false);
    QCOMPARE(NavigationTree::ImageIndex(root), NavigationTree::kCollapsedImage);
    root->setExpanded(true);
    QCOMPARE(NavigationTree::ImageIndex(root), NavigationTree::kExpandedImage);
    QCOMPARE(NavigationTree::ImageIndex(root->child(0)), NavigationTree::kItemImage);
}

void MainFrameTest::TreeBarToggles() {
    Program program;
    QAction* toggle = program.frame->Action(command::kTreeBar);
    QVERIFY(toggle->isChecked());
    toggle->trigger();
    QVERIFY(program.frame->TreeBar()->isHidden());
    QVERIFY(!toggle->isChecked());
    toggle->trigger();
    QVERIFY(!program.frame->TreeBar()->isHidden());
    QVERIFY(toggle->isChecked());
    // Closing the bar by its own close box clears the mark too.
    program.frame->TreeBar()->close();
    QVERIFY(!toggle->isChecked());
}

void MainFrameTest::UnregisteredCommandsAndViewsDoNothing() {
    Program program;
    ModalAnswerer answers;
    for (int id :
         {command::kOptionFeatures, command::kRadioFrequency, command::kDtmf, command::kPrint,
          command::kPrintPreview, command::kPrintSetup, command::kHighPower, command::kLowPower}) {
        program.frame->Action(id)->trigger();
    }
    QTest::qWait(50);
    QCOMPARE(program.OpenViews(), 0);
    QCOMPARE(answers.Unexpected(), 0);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void MainFrameTest::RegisteredCommandsRun() {
    std::vector<int> ran;
    CommandRegistry commands;
    for (int id : {command::kPrint, command::kHighPower}) {
        commands.Register(id, [&ran, id](CMainFrame& frame) {
            frame.CommitViews();
            ran.push_back(id);
        });
    }
    Program program(std::move(commands));
    program.frame->Action(command::kHighPower)->trigger();
    program.frame->Action(command::kLowPower)->trigger();
    program.frame->Action(command::kPrint)->trigger();
    QCOMPARE(ran, (std::vector<int>{command::kHighPower, command::kPrint}));
}

void MainFrameTest::ViewsStoreOnDeactivationAndLoadOnActivation() {
    Program program;
    program.ImageByte(kProbeOffsetA) = 5;
    program.frame->OpenView(ViewKind::RadioInfo);
    ProbeView* a = program.View(ViewKind::RadioInfo);
    QCOMPARE(a->Editor()->text(), QStringLiteral("5"));

    a->Editor()->setText(QStringLiteral("17"));
    emit a->Editor()->editingFinished();
    QCOMPARE(program.ImageByte(kProbeOffsetA), Byte{5});
    program.frame->OpenView(ViewKind::ChannelInfo);
    QCOMPARE(program.ImageByte(kProbeOffsetA), Byte{17});

    // Changed under the inactive view: activating it shows the change.
    program.ImageByte(kProbeOffsetA) = 23;
    program.frame->OpenView(ViewKind::RadioInfo);
    QCOMPARE(a->Editor()->text(), QStringLiteral("23"));
}

void MainFrameTest::ClosingAViewStoresItsFocusedEdit() {
    Program program;
    QVERIFY(program.Activate());
    program.frame->OpenView(ViewKind::RadioInfo);
    ProbeView* a = program.View(ViewKind::RadioInfo);
    a->Editor()->setFocus();
    QTRY_VERIFY(a->Editor()->hasFocus());
    a->Editor()->selectAll();
    QTest::keyClicks(a->Editor(), "88");

    program.frame->ViewSlot(ViewKind::RadioInfo)->close();
    QCOMPARE(program.ImageByte(kProbeOffsetA), Byte{88});
}

void MainFrameTest::SaveShortcutCommitsTheFocusedEdit() {
    Program program;
    const auto file = program.folder / "Data" / "radio.dat";
    {
        ModalAnswerer answers;
        answers.Then(ChooseFile(file));
        program.frame->Files().SaveAs();
        QCOMPARE(answers.Answered(), 1);
    }
    QVERIFY(program.Activate());
    program.frame->OpenView(ViewKind::ChannelInfo);
    ProbeView* view = program.View(ViewKind::ChannelInfo);
    view->Editor()->setFocus();
    QTRY_VERIFY(view->Editor()->hasFocus());
    view->Editor()->selectAll();
    QTest::keyClicks(view->Editor(), "123");

    QTest::keyClick(view->Editor(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(ReadFileBytes(file).at(kImageSize + kProbeOffsetB), Byte{123});
    QCOMPARE(program.ImageByte(kProbeOffsetB), Byte{123});
}

void MainFrameTest::NextAndPreviousWindowKeys() {
    Program program;
    QVERIFY(program.Activate());
    program.frame->OpenView(ViewKind::RadioInfo);
    program.frame->OpenView(ViewKind::ChannelInfo);
    QMdiArea* area = program.frame->MdiClient();
    QCOMPARE(area->activeSubWindow(), program.frame->ViewSlot(ViewKind::ChannelInfo));
    QTest::keyClick(program.frame.get(), Qt::Key_F6);
    QCOMPARE(area->activeSubWindow(), program.frame->ViewSlot(ViewKind::RadioInfo));
    QTest::keyClick(program.frame.get(), Qt::Key_F6, Qt::ShiftModifier);
    QCOMPARE(area->activeSubWindow(), program.frame->ViewSlot(ViewKind::ChannelInfo));
}

void MainFrameTest::PortCommandUpdatesThePane_data() {
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("pane");
    QTest::newRow("OK") << true << "COM9";
    QTest::newRow("Cancel") << false << "COM3";
}

void MainFrameTest::PortCommandUpdatesThePane() {
    QFETCH(bool, ok);
    QFETCH(QString, pane);
    Program program;
    program.app.Port().name = "COM3";
    program.frame->SetPortPane();
    // A machine where COM3 and COM9 open; no real device is probed.
    program.frame->SetPortChoiceSource([](const std::string& current) {
        return BuildPortChoice(
            PortScheme::ComNumbers, current,
            [](const std::string& name) { return name == "COM3" || name == "COM9"; }, {});
    });

    ModalAnswerer answers;
    answers.Then([ok](QWidget* dialog) {
        auto* port = qobject_cast<CPortDlg*>(dialog);
        if (port == nullptr) {
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
            return;
        }
        port->Buttons()->button(1004 + 9)->setChecked(true);
        QMetaObject::invokeMethod(port, ok ? "accept" : "reject", Qt::QueuedConnection);
    });
    program.frame->Action(command::kPort)->trigger();
    QCOMPARE(answers.Answered(), 1);
    QCOMPARE(program.frame->PaneText(CMainFrame::kPortPane), pane);
    QCOMPARE(QString::fromStdString(program.app.Port().name), pane);
}

void MainFrameTest::ProgrammingLogSettingIsKeptInProgramIni() {
    Program program;
    QAction* entry = program.frame->Action(command::kProgrammingLog);
    QVERIFY(entry && entry->isCheckable() && !entry->isChecked());
    const std::filesystem::path log = program.folder / "log.csv";
    struct Step {
        std::filesystem::path chosen;  // empty: the file dialog is cancelled
        bool asks;                     // turning the log on asks for the file
        QString proposed;
        std::filesystem::path kept;
    };
    const std::vector<Step> steps{
        {{}, true, "programming-log.csv", {}},
        {log, true, "programming-log.csv", log},
        {{}, false, {}, {}},
        {{}, true, "log.csv", {}},  // the file last chosen is offered again
    };
    for (const Step& step : steps) {
        QString proposed;
        ModalAnswerer answers;
        answers.Then(ChooseFile(step.chosen, &proposed));
        entry->trigger();
        QCOMPARE(answers.Answered(), step.asks ? 1 : 0);
        QCOMPARE(proposed, step.proposed);
        QCOMPARE(ProgrammingLogFile(program.app.Ini()), step.kept);
        QCOMPARE(entry->isChecked(), !step.kept.empty());
    }
    QVERIFY(std::filesystem::exists(log));
}

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
