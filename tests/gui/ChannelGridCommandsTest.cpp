#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "RecordingFrame.h"
#include "model/ChannelCsv.h"
#include "model/ChannelRecord.h"
#include "views/CChInfoView.h"
#include "views/CFmView.h"
#include "views/FlexGrid.h"

using ht57::CChInfoView;
using ht57::RadioData;
using ht57::ViewKind;

// Proves the wiring of the grid commands: keys, menu, row headers and undo.
// What each command does to the channels is the model's to test.
class ChannelGridCommandsTest : public QObject {
    Q_OBJECT

    RadioData data_;
    ht57::test::RecordingFrame frame_{data_};
    std::unique_ptr<CChInfoView> view_;

    ht57::FlexGrid& Grid() { return view_->Grid(); }
    QString Rx(int row) { return Grid().TextMatrix(row, 1); }

private slots:
    void init() {
        data_ = RadioData();
        data_.limits = {13'600'000, 17'400'000};
        ht57::WriteChannelDefaults(data_.image, 1, 14'652'000);
        ht57::WriteChannelDefaults(data_.image, 2, 14'500'000);
        frame_.History().Reset();
        view_ = std::make_unique<CChInfoView>(data_, frame_);
        frame_.Open(ViewKind::ChannelInfo, view_.get());
        view_->InitialUpdate();
        view_->resize(view_->sizeHint());
        view_->show();
        view_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view_.get()));
        Grid().setFocus();
        Grid().SelectRows(1, 1);
    }

    void KeysEachMakeOneUndoStep_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QStringList>("rows");  // Rx Freq of rows 1 to 3 after the key
        QTest::newRow("Ctrl+Down") << int(Qt::Key_Down) << int(Qt::ControlModifier)
                                   << QStringList{"145.00000", "146.52000", ""};
        QTest::newRow("Insert") << int(Qt::Key_Insert) << 0
                                << QStringList{"", "146.52000", "145.00000"};
        QTest::newRow("Ctrl+Delete")
            << int(Qt::Key_Delete) << int(Qt::ControlModifier) << QStringList{"145.00000", "", ""};
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << QStringList{"", "145.00000", ""};
    }

    void KeysEachMakeOneUndoStep() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QStringList, rows);
        const ht57::Image before = data_.image;
        QTest::keyClick(&Grid(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE((QStringList{Rx(1), Rx(2), Rx(3)}), rows);
        QCOMPARE(frame_.History().Stack().count(), 1);
        frame_.History().Stack().undo();
        QVERIFY(data_.image == before);
    }

    void CopyAndPasteThroughTheClipboard() {
        QTest::keyClick(&Grid(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QApplication::clipboard()->text().startsWith("Ch\tRx Freq\t"));
        Grid().SelectRows(4, 4);
        QTest::keyClick(&Grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Rx(4), QString("146.52000"));
        QCOMPARE(ht57::DecodeChannelAt(data_.image, 4, data_.limits).rxFrequency, "146.52000");
    }

    void ChannelListPastedFromASpreadsheetGoesByName() {
        ht57::Image list = data_.image;
        ht57::WriteChannelDefaults(list, 5, 14'694'000);
        QString text = QString::fromStdString(ht57::ExportChannelCsv(list, data_.limits));
        QApplication::clipboard()->setText(text.replace(',', '\t'));
        Grid().SelectRows(20, 20);
        QTest::keyClick(&Grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Rx(5), QString("146.94000"));
        QCOMPARE(Rx(20), QString());
        QCOMPARE(frame_.History().Stack().count(), 1);
    }

    void EditorKeepsItsOwnClipboardKeys() {
        Grid().SetCurrentCell(2, 1);
        QTest::keyClick(&Grid(), Qt::Key_Return);
        auto* editor = view_->findChild<QLineEdit*>("frequencyEditor");
        QVERIFY(editor->hasFocus());
        QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("145.00000"));
    }

    void ContextMenuRunsTheCommands() {
        emit Grid().customContextMenuRequested(QPoint(5, 5));
        auto* menu = view_->findChild<QMenu*>("channelGridMenu");
        QVERIFY(menu != nullptr);
        QAction* down = nullptr;
        for (QAction* action : menu->actions()) {
            down = action->text() == "Move Do&wn" ? action : down;
        }
        QVERIFY(down != nullptr);
        down->trigger();
        QCOMPARE(Rx(2), QString("146.52000"));
        menu->close();
    }

    // A right click on a row header picks that channel; its menu holds the same actions.
    void RowHeaderMenuActsOnItsRow() {
        QHeaderView* rows = Grid().verticalHeader();
        const QPoint row3(rows->width() / 2, rows->sectionViewportPosition(2) + 3);
        QTest::mousePress(rows->viewport(), Qt::RightButton, {}, row3);
        emit rows->customContextMenuRequested(row3);
        auto* menu = view_->findChild<QMenu*>("channelGridMenu");
        QVERIFY(menu != nullptr && menu->actions().contains(view_->EditMenuActions().front()));
        QCOMPARE(Grid().SelectedRows(), std::vector<int>{3});
        menu->close();
    }

    void RowHeaderDragMovesTheRows() {
        QHeaderView* rows = Grid().verticalHeader();
        const auto at = [rows](int row) {
            return QPoint(rows->width() / 2, rows->sectionViewportPosition(row - 1) + 3);
        };
        QTest::mousePress(rows->viewport(), Qt::LeftButton, {}, at(1));
        QMouseEvent move(QEvent::MouseMove, at(3), rows->viewport()->mapToGlobal(at(3)),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(rows->viewport(), &move);
        const auto* marker = Grid().findChild<QWidget*>("dropMarker");
        QVERIFY(marker != nullptr && marker->isVisible());
        const int belowRow3 = rows->sectionViewportPosition(3) + Grid().viewport()->y();
        QVERIFY(qAbs(marker->geometry().center().y() - belowRow3) <= 1);
        QTest::mouseRelease(rows->viewport(), Qt::LeftButton, {}, at(3));
        QVERIFY(!marker->isVisible());
        QCOMPARE((QStringList{Rx(1), Rx(2), Rx(3)}), (QStringList{"145.00000", "", "146.52000"}));
        QCOMPARE(frame_.History().Stack().count(), 1);
    }

    void FmPresetsPasteAndClearAsOneStepEach() {
        view_->close();
        ht57::CFmView fm(data_, frame_);
        fm.InitialUpdate();
        fm.show();
        fm.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fm));
        fm.Grid().setFocus();
        fm.Grid().SelectRows(3, 3);
        QApplication::clipboard()->setText("88.5\n");
        QTest::keyClick(&fm.Grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(fm.Grid().TextMatrix(3, 1), QString("88.5"));
        QTest::keyClick(&fm.Grid(), Qt::Key_Delete);
        QCOMPARE(fm.Grid().TextMatrix(3, 1), QString());
        QCOMPARE(frame_.History().Stack().count(), 2);
    }
};

QTEST_MAIN(ChannelGridCommandsTest)
#include "ChannelGridCommandsTest.moc"
