#include <QAccessible>
#include <QAccessibleTableCellInterface>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <map>

#include "FrameTestKit.h"
#include "app/AccessibleNames.h"
#include "frame/CImportOptionsDlg.h"
#include "frame/CImportReportDlg.h"
#include "frame/CMdiClient.h"
#include "frame/CMyChildFrame.h"
#include "frame/NavigationTree.h"
#include "frame/ViewKindTable.h"
#include "link/ui/CPortDlg.h"
#include "link/ui/CPowerAdjustDlg.h"
#include "link/ui/CTransferDlg.h"
#include "link/ui/ProgramMessage.h"
#include "views/CChInfoView.h"
#include "views/CFmView.h"
#include "views/ChannelGridCommands.h"
#include "views/ChannelGridDialogs.h"
#include "views/FlexGrid.h"

using namespace ht57;
using namespace ht57::test;

namespace {

// Roles a person acts on; a scroll bar only where it takes the focus (a
// slider of its own, not a view's).
bool Interactive(const QWidget& widget, const QAccessibleInterface& face) {
    static const QSet<QAccessible::Role> kActedOn{
        QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::SpinBox,
        QAccessible::Slider,     QAccessible::Table,        QAccessible::Tree,
        QAccessible::List,       QAccessible::ButtonMenu,   QAccessible::ButtonDropDown};
    return kActedOn.contains(face.role()) ||
           (face.role() == QAccessible::ScrollBar && widget.focusPolicy() != Qt::NoFocus);
}

// On Linux Qt announces a drop-down by its value, and its label through the
// "labelled by" relation; the name other platforms read is the widget's own.
QString NameOf(const QWidget& widget, QAccessibleInterface& face) {
    if (face.role() != QAccessible::ComboBox) {
        return face.text(QAccessible::Name);
    }
    const auto labels = face.relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : widget.accessibleName();
}

// Every visible, enabled interactive widget under `root` without a name, by
// class and object name; `walked` counts the interactive widgets seen.
QStringList Unnamed(QWidget& root, int& walked) {
    QStringList unnamed;
    walked = 0;
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* widget : widgets) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        if (!widget->isVisible() || !widget->isEnabled() || face == nullptr ||
            !Interactive(*widget, *face)) {
            continue;
        }
        ++walked;
        if (NameOf(*widget, *face).trimmed().isEmpty()) {
            unnamed << QStringLiteral("%1 '%2'").arg(
                QString::fromLatin1(widget->metaObject()->className()), widget->objectName());
        }
    }
    return unnamed;
}

void ExpectAllNamed(QWidget& root, const char* what) {
    int walked = 0;
    const QStringList unnamed = Unnamed(root, walked);
    qInfo("%s: %d interactive widgets", what, walked);
    QVERIFY2(walked > 0, what);
    QVERIFY2(unnamed.isEmpty(), qPrintable(QString::fromLatin1(what) + QStringLiteral(": ") +
                                           unnamed.join(QStringLiteral(", "))));
}

// Shows a dialog that runs without hardware, checks its names and its
// default button, and closes it.
void ExpectDialogNamed(QDialog& dialog, const char* what) {
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    ExpectAllNamed(dialog, what);
    const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();  // Enter presses it
    QVERIFY2(std::any_of(buttons.begin(), buttons.end(), [](auto* b) { return b->isDefault(); }),
             what);
    dialog.reject();
}

PortChoice TwoPorts(const std::string&) {
    PortChoice choice;
    choice.entries = {{"COM1", "COM1", true, {}, {}, {}}, {"COM2", "COM2", false, {}, {}, {}}};
    choice.checked = 0;
    return choice;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    ProgramFolder folder_;
    std::unique_ptr<Application> app_;
    std::unique_ptr<CMainFrame> frame_;

private slots:
    void initTestCase() {
        InstallAccessibleNames(*qobject_cast<QApplication*>(QCoreApplication::instance()));
        folder_.WriteDefaultDat(FactoryDataFile());
        app_ = std::make_unique<Application>(folder_.Path());
        frame_ = Start(*app_);
        QVERIFY(frame_);
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    }
    void cleanupTestCase() { frame_.reset(); }

    void EveryViewNamesItsControls() {
        for (const ViewKindInfo& info : kViewKindTable) {
            frame_->OpenView(info.kind);
            CMyChildFrame* child = frame_->ViewSlot(info.kind);
            QVERIFY(child != nullptr);
            QVERIFY(QTest::qWaitForWindowExposed(child));
            ExpectAllNamed(*child, info.caption);
        }
        // The tree, the toolbar, the dock and the maximised window's buttons.
        frame_->ViewSlot(ViewKind::Dtmf)->showMaximized();
        ExpectAllNamed(*frame_, "main window");
    }

    void EveryDialogNamesItsControls() {
        PortSettings port{"COM1"};
        CPortDlg portDialog(port, frame_.get(), &TwoPorts);
        ExpectDialogNamed(portDialog, "Port");
        RadioData data;
        CTransferDlg write(data, PortSettings{}, TransferKind::Write, frame_.get());
        ExpectDialogNamed(write, "Write");
        CPowerAdjustDlg power(data, PortSettings{}, true, frame_.get());
        ExpectDialogNamed(power, "Power Adjust");
        CImportOptionsDlg options(frame_.get());
        ExpectDialogNamed(options, "Import options");
        CImportReportDlg report(QStringLiteral("2 rows"), {"line 1", "line 2"}, frame_.get());
        ExpectDialogNamed(report, "Import report");

        // The grid's own dialogs are modal: checked while they wait.
        auto* view = static_cast<CChInfoView*>(frame_->ViewSlot(ViewKind::ChannelInfo)->View());
        const auto check = [](const char* what) {
            return [what](QWidget* dialog) {
                ExpectAllNamed(*dialog, what);
                QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
            };
        };
        ModalAnswerer answers;
        answers.Then(check("Fill")).Then(check("Repeater Shift")).Then(check("Find"));
        QVERIFY(!AskFill(view));
        QVERIFY(!AskRepeaterShift(view));
        view->Commands().Find();
        QVERIFY(answers.AllAnswered());
        QCOMPARE(answers.Unexpected(), 0);
    }

    void GridCellReportsRowColumnAndValue() {
        frame_->OpenView(ViewKind::ChannelInfo);
        auto* view = static_cast<CChInfoView*>(frame_->ViewSlot(ViewKind::ChannelInfo)->View());
        view->Grid().SetTextMatrix(3, 2, QStringLiteral("145.60000"));
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(&view->Grid());
        QVERIFY(grid != nullptr && grid->tableInterface() != nullptr);
        QAccessibleInterface* cell = grid->tableInterface()->cellAt(2, 1);
        QVERIFY(cell != nullptr && cell->tableCellInterface() != nullptr);
        QAccessibleTableCellInterface* place = cell->tableCellInterface();
        QCOMPARE(place->rowIndex(), 2);
        QCOMPARE(place->columnIndex(), 1);
        // Qt hands header cells over unowned; registering them lets it delete them.
        const auto headerText = [](const QList<QAccessibleInterface*>& headers) {
            QStringList texts;
            for (QAccessibleInterface* header : headers) {
                texts << header->text(QAccessible::Name);
                QAccessible::deleteAccessibleInterface(
                    QAccessible::registerAccessibleInterface(header));
            }
            return texts.value(0);
        };
        QCOMPARE(headerText(place->rowHeaderCells()), QStringLiteral("3"));
        QCOMPARE(headerText(place->columnHeaderCells()), view->Grid().TextMatrix(0, 2));
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("145.60000"));
    }

    void EveryMenuEntryHasItsOwnLetterAndNoKeyRunsTwoCommands() {
        // The grid's commands in the Edit menu are the grid's own actions.
        frame_->OpenView(ViewKind::ChannelInfo);
        const QList<QAction*> grid =
            frame_->ViewSlot(ViewKind::ChannelInfo)->View()->EditMenuActions();
        QVERIFY(grid.size() > 10);
        const QList<QAction*> edit = frame_->menuBar()->actions().at(1)->menu()->actions();
        for (QAction* command : grid) {
            QVERIFY2(edit.contains(command), qPrintable(command->text()));
        }
        for (QAction* title : frame_->menuBar()->actions()) {
            QMenu* menu = title->menu();
            menu->popup(frame_->mapToGlobal(QPoint(0, 0)));  // letters are given as it opens
            menu->hide();
            QSet<QChar> letters;
            for (QAction* entry : menu->actions()) {
                const QString text = entry->text();
                const qsizetype at = text.indexOf(QLatin1Char('&'));
                if (entry->isSeparator()) {
                    continue;
                }
                QVERIFY2(at >= 0 && at + 1 < text.size(), qPrintable(text));
                QVERIFY2(!letters.contains(text[at + 1].toLower()), qPrintable(text));
                letters.insert(text[at + 1].toLower());
            }
        }
        // The window's keys and each view's own keys are heard together.
        QList<QAction*> windowKeys;
        for (QAction* action : frame_->findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
            windowKeys << action;
        }
        for (const ViewKindInfo& info : kViewKindTable) {
            frame_->OpenView(info.kind);
            std::map<QString, QString> owners;
            for (QAction* action : windowKeys + frame_->ViewSlot(info.kind)->View()->actions()) {
                for (const QKeySequence& key : action->shortcuts()) {
                    const auto [at, added] = owners.emplace(key.toString(), action->text());
                    QVERIFY2(added, qPrintable(key.toString() + ": " + at->second + " and " +
                                               action->text()));
                }
            }
        }
    }

    void TreeOpensAndFmPresetEditsFromTheKeyboard() {
        frame_->Tree()->setCurrentItem(frame_->Tree()->Root()->child(2));
        QTest::keyClick(frame_->Tree(), Qt::Key_Return);
        CMyChildFrame* child = frame_->ViewSlot(ViewKind::RadioFrequency);
        QCOMPARE(frame_->MdiClient()->activeSubWindow(), child);
        FlexGrid& grid = static_cast<CFmView*>(child->View())->Grid();
        grid.SetCurrentCell(2, 1);
        QTest::keyClick(&grid, Qt::Key_Return);
        auto* editor = child->findChild<QLineEdit*>(QStringLiteral("fmEditor"));
        QVERIFY(editor->isVisible());
        QTest::keyClicks(editor, "99.9");
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(grid.TextMatrix(2, 1), QStringLiteral("99.9"));
    }

    void MessageBoxCarriesItsText() {
        QString description;
        ModalAnswerer answers;
        answers.Then([&description](QWidget* box) {
            description =
                QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
            QMetaObject::invokeMethod(box, "reject", Qt::QueuedConnection);
        });
        ShowProgramMessage(frame_.get(), QStringLiteral("Port busy"), QStringLiteral("Close it."));
        QCOMPARE(description, QStringLiteral("Port busy\nClose it."));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
