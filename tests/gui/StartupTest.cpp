#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include "FrameTestKit.h"
#include "app/CAboutDlg.h"
#include "frame/CommandIds.h"
#include "frame/NavigationTree.h"

using namespace ht57;
using namespace ht57::test;

namespace {

QStringList MenuLabels(CMainFrame& frame, const QString& title) {
    for (QAction* menu : frame.menuBar()->actions()) {
        if (menu->text() == title) {
            QStringList labels;
            for (QAction* item : menu->menu()->actions()) {
                if (!item->isSeparator()) {
                    labels << item->text();
                }
            }
            return labels;
        }
    }
    return {};
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void TakesValuesFromProgramIni_data();
    void TakesValuesFromProgramIni();
    void WrongSizedDefaultDataEndsStartUp_data();
    void WrongSizedDefaultDataEndsStartUp();
    void CreatesDataFolderAndLoadsDefaults();
    void LimitsFollowTheDefaultBand();
    void WritesPortBackAtExit_data();
    void WritesPortBackAtExit();
    void MenusToolbarAndPanesAreInPlace();
    void AboutBoxShowsTheFourAboutValues();
};

void StartupTest::TakesValuesFromProgramIni_data() {
    QTest::addColumn<QString>("ini");  // empty: no Program.ini at all
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("modelPane");
    QTest::addColumn<QString>("copyrightPane");
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("baud");
    QTest::addColumn<QString>("proposedName");

    QTest::newRow("no Program.ini") << QString() << "HT-57 Progamming Software"
                                    << "DRN552"
                                    << " Programming Software"
                                    << ""
                                    << "" << 9600 << "HT-57.dat";
    QTest::newRow("full set") << "[Setup]\nCOM=COM3\nModel=RX9\nBaudRate=19200abc\n"
                                 "[About]\nCopyRight=Acme 2024\n"
                              << "RX9 Progamming Software"
                              << "RX9"
                              << "RX9 Programming Software"
                              << "Acme 2024"
                              << "COM3" << 19200 << "RX9.dat";
    QTest::newRow("baud without digits") << "[setup]\nbaudrate=abc\n"
                                         << "HT-57 Progamming Software"
                                         << "DRN552"
                                         << " Programming Software"
                                         << ""
                                         << "" << 0 << "HT-57.dat";
}

void StartupTest::TakesValuesFromProgramIni() {
    QFETCH(QString, ini);
    QFETCH(QString, caption);
    QFETCH(QString, root);
    QFETCH(QString, modelPane);
    QFETCH(QString, copyrightPane);
    QFETCH(QString, port);
    QFETCH(int, baud);
    QFETCH(QString, proposedName);

    ProgramFolder folder;
    if (!ini.isEmpty()) {
        folder.WriteIni(ini.toStdString());
    }
    folder.WriteDefaultDat(FactoryDataFile());
    Application app(folder.Path());
    auto frame = Start(app);
    QVERIFY(frame);

    QCOMPARE(frame->windowTitle(), caption + "[*]");
    QCOMPARE(frame->Tree()->Root()->text(0), root);
    QCOMPARE(frame->PaneText(CMainFrame::kModelPane), modelPane);
    QCOMPARE(frame->PaneText(CMainFrame::kCopyrightPane), copyrightPane);
    QCOMPARE(frame->PaneText(CMainFrame::kPortPane), port);
    QCOMPARE(QString::fromStdString(app.Port().name), port);
    QCOMPARE(app.Port().baudRate, baud);

    QString proposed;
    QString startFolder;
    ModalAnswerer answers;
    answers.Then(ChooseFile({}, &proposed, &startFolder));
    frame->Files().SaveAs();
    QCOMPARE(answers.Answered(), 1);
    QCOMPARE(proposed, proposedName);
    QCOMPARE(startFolder, QString::fromStdString((folder.Path() / "Data").string()));
}

void StartupTest::WrongSizedDefaultDataEndsStartUp_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("starts");
    QTest::newRow("8191") << 8191 << false;
    QTest::newRow("8193") << 8193 << false;
    QTest::newRow("empty") << 0 << false;
    QTest::newRow("8192 of anything") << 8192 << true;
}

void StartupTest::WrongSizedDefaultDataEndsStartUp() {
    QFETCH(int, size);
    QFETCH(bool, starts);
    ProgramFolder folder;
    folder.WriteDefaultDat(Bytes(static_cast<std::size_t>(size), 0x5A));
    Application app(folder.Path());

    SeenMessage seen;
    bool windowShownBeforeMessage = false;
    ModalAnswerer answers;
    answers.Then([&](QWidget* dialog) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            windowShownBeforeMessage |= widget->isVisible() && qobject_cast<CMainFrame*>(widget);
        }
        Press(QMessageBox::Ok, &seen)(dialog);
    });
    auto frame = Start(app);

    QCOMPARE(static_cast<bool>(frame), starts);
    if (starts) {
        QCOMPARE(answers.Answered(), 0);
        return;
    }
    QCOMPARE(answers.Answered(), 1);
    QCOMPARE(seen.text, QStringLiteral("文件格式不对！"));
    QCOMPARE(seen.title, QStringLiteral("Program"));
    QVERIFY(!windowShownBeforeMessage);
}

void StartupTest::CreatesDataFolderAndLoadsDefaults() {
    ProgramFolder folder;
    const Bytes factory = FactoryDataFile();
    folder.WriteDefaultDat(factory);
    QVERIFY(!std::filesystem::exists(folder / "Data"));

    Application app(folder.Path());
    auto frame = Start(app);
    QVERIFY(frame);
    QVERIFY(std::filesystem::is_directory(folder / "Data"));
    QVERIFY(std::equal(app.Data().header.begin(), app.Data().header.end(), factory.begin()));
    QVERIFY(std::equal(app.Data().reference.begin(), app.Data().reference.end(),
                       factory.begin() + kImageSize));

    // The channels of the factory file lie inside its band, so normalisation
    // at start-up kept them, exactly as New does.
    QVERIFY(std::equal(app.Data().image.begin() + 0x10, app.Data().image.begin() + 0x810,
                       factory.begin() + kImageSize + 0x10));
}

void StartupTest::LimitsFollowTheDefaultBand() {
    for (const bool uhf : {false, true}) {
        ProgramFolder folder;
        Bytes factory = FactoryDataFile();
        Byte& status = factory[kImageSize + region::kStatusByte];
        status = uhf ? (status | region::kBandFlagMask) : (status & ~region::kBandFlagMask);
        folder.WriteDefaultDat(factory);
        Application app(folder.Path());
        auto frame = Start(app);
        QVERIFY(frame);
        QCOMPARE(frame->PaneText(CMainFrame::kFreqPane),
                 uhf ? QStringLiteral("400-470MHz") : QStringLiteral("136-174MHz"));
        QCOMPARE(app.Data().limits, LimitsForBand(uhf ? 1 : 0));
    }
}

void StartupTest::WritesPortBackAtExit_data() {
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QString>("chosenPort");  // empty: the user picks none
    QTest::addColumn<QString>("expectedIni");

    QTest::newRow("COM3 kept") << "[Setup]\nCOM=COM3\n"
                               << ""
                               << "[Setup]\nCOM=COM3\n";
    QTest::newRow("device-namespace name") << "[Setup]\nCOM=COM3\n"
                                           << "\\\\.\\COM12"
                                           << "[Setup]\nCOM=\\\\.\\COM12\n";
    QTest::newRow("device path added") << "[Setup]\nModel=HT-57\n"
                                       << "/fake/ttyUSB0"
                                       << "[Setup]\nModel=HT-57\nCOM=/fake/ttyUSB0\n";
    QTest::newRow("no port, nothing written") << "[Setup]\nModel=HT-57\n"
                                              << ""
                                              << "[Setup]\nModel=HT-57\n";
}

void StartupTest::WritesPortBackAtExit() {
    QFETCH(QString, ini);
    QFETCH(QString, chosenPort);
    QFETCH(QString, expectedIni);
    ProgramFolder folder;
    folder.WriteIni(ini.toStdString());
    {
        Application app(folder.Path());
        auto frame = Start(app);
        QVERIFY(frame);
        if (!chosenPort.isEmpty()) {
            app.Port().name = chosenPort.toStdString();
        }
        frame.reset();
        QVERIFY(app.ExitInstance().ok);
    }
    QCOMPARE(QString::fromStdString(folder.Ini()), expectedIni);
}

void StartupTest::MenusToolbarAndPanesAreInPlace() {
    ProgramFolder folder;
    Application app(folder.Path());
    auto frame = Start(app);
    QVERIFY(frame);

    QCOMPARE(MenuLabels(*frame, "&Edit"),
             (QStringList{"&Undo", "&Redo", "Radio Info", "Option Features", "Radio Frequency",
                          "Channel Info", "DTMF"}));
    QVERIFY(frame->Action(command::kEmbedInfo) == nullptr);
    QCOMPARE(MenuLabels(*frame, "&File"),
             (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...",
                          "Import Channels...", "Export Channels...", "Open Backup Folder",
                          "&Print...\tCtrl+P", "Print Pre&view", "P&rint Setup...", "E&xit"}));
    QCOMPARE(MenuLabels(*frame, "&Program"),
             (QStringList{"Read", "Write", "High Power", "Low Power"}));
    QCOMPARE(MenuLabels(*frame, "&View"), (QStringList{"&Toolbar", "&Status Bar", "&TreeBar"}));
    QCOMPARE(MenuLabels(*frame, "&Window"),
             (QStringList{"Cascade", "Tile", "Arrange", "Next Window", "Previous Window"}));

    const struct {
        int id;
        QKeySequence keys;
    } shortcuts[] = {
        {command::kNew, QKeySequence("Ctrl+N")},
        {command::kOpen, QKeySequence("Ctrl+O")},
        {command::kSave, QKeySequence("Ctrl+S")},
        {command::kRead, QKeySequence("Ctrl+R")},
        {command::kWrite, QKeySequence("Ctrl+W")},
        {command::kPrint, QKeySequence("Ctrl+P")},
        {command::kUndo, QKeySequence(QKeySequence::Undo)},
        {command::kRedo, QKeySequence(QKeySequence::Redo)},
        {command::kNextPane, QKeySequence("F6")},
        {command::kPreviousPane, QKeySequence("Shift+F6")},
    };
    for (const auto& shortcut : shortcuts) {
        QCOMPARE(frame->Action(shortcut.id)->shortcut(), shortcut.keys);
    }

    QStringList tips;
    for (QAction* action : frame->ToolBar()->actions()) {
        tips << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
    }
    QCOMPARE(tips, (QStringList{"New", "Open", "Save", "|", "Undo", "Redo", "|", "Read", "Write",
                                "|", "About"}));

    QCOMPARE(frame->TreeBar()->windowTitle(), QStringLiteral("Tree Bar"));
    QCOMPARE(frame->dockWidgetArea(frame->TreeBar()), Qt::LeftDockWidgetArea);
    QStringList items;
    for (int i = 0; i < frame->Tree()->Root()->childCount(); ++i) {
        items << frame->Tree()->Root()->child(i)->text(0);
    }
    QCOMPARE(items, (QStringList{"Radio Info", "Option Features", "Radio Frequency",
                                 "Channel Infomation", "DTMF Setting"}));

    const QList<QLabel*> panes = frame->statusBar()->findChildren<QLabel*>();
    QCOMPARE(panes.size(), 4);
    frame->show();
    frame->resize(1200, frame->height());
    QTRY_COMPARE(frame->width(), 1200);
    QList<int> widths;
    // Each pane's own width; on a window too narrow for all four they give way.
    for (QLabel* pane : panes) {
        widths << pane->sizeHint().width();
    }
    QCOMPARE(widths, (QList<int>{200, 250, 200, 200}));

    // Narrower than those widths but wide enough for every text: none is cut.
    panes[CMainFrame::kCopyrightPane]->setText(
        QStringLiteral("(C) 2026 HT-57 Software developers"));
    panes[CMainFrame::kPortPane]->setText(QStringLiteral("/fake/ttyUSB0"));
    int texts = 0;
    for (QLabel* pane : panes) {
        texts += pane->fontMetrics().horizontalAdvance(pane->text()) + 20;
    }
    frame->resize(texts + 40, frame->height());
    QTRY_COMPARE(frame->width(), texts + 40);
    QTest::qWait(50);
    for (QLabel* pane : panes) {
        QVERIFY2(
            pane->contentsRect().width() >= pane->fontMetrics().horizontalAdvance(pane->text()),
            qPrintable(pane->text()));
    }
}

void StartupTest::AboutBoxShowsTheFourAboutValues() {
    ProgramFolder folder;
    folder.WriteIni(
        "[About]\nModel=HT-57 Radio\nVersion=V2.1\nCopyright=<b>Acme</b>\nSite=example.org\n");
    CAboutDlg about(folder.Path());
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(about.Line(0)->text(), QStringLiteral("HT-57 Radio"));
    QCOMPARE(about.Line(1)->text(), QStringLiteral("V2.1"));
    QCOMPARE(about.Line(2)->text(), QStringLiteral("<b>Acme</b>"));
    QCOMPARE(about.Line(2)->textFormat(), Qt::PlainText);
    QCOMPARE(about.Line(3)->text(), QStringLiteral("example.org"));
    QVERIFY(about.findChildren<QAbstractButton*>().isEmpty());

    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QVERIFY(!about.Line(3)->isVisible());
    QTest::keyClick(&about, Qt::Key_Escape);
    QVERIFY(!about.isVisible());

    ProgramFolder empty;
    CAboutDlg blank(empty.Path());
    for (int i = 0; i < 4; ++i) {
        QVERIFY(blank.Line(i)->text().isEmpty());
    }
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
