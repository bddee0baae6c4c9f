#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "RecordingFrame.h"
#include "views/CFmView.h"
#include "views/FlexGrid.h"

using ht57::Byte;
using ht57::CFmView;
using ht57::FlexGrid;
using ht57::RadioData;
using ht57::test::RecordingFrame;

namespace {

constexpr std::size_t kFm = 0xFD0;

struct FmForm {
    RadioData data;
    RecordingFrame frame{data};
    std::unique_ptr<CFmView> view;

    bool Open() {
        view = std::make_unique<CFmView>(data, frame);
        view->InitialUpdate();
        view->show();
        view->activateWindow();
        return QTest::qWaitForWindowActive(view.get());
    }

    FlexGrid& Grid() const { return view->Grid(); }
    QLineEdit* Editor() const { return view->findChild<QLineEdit*>("fmEditor"); }

    void Click(int row) const {
        Grid().EnsureCellVisible(row, 1);
        const QRect cell = Grid().CellRect(row, 1).translated(-Grid().viewport()->pos());
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, cell.center());
    }

    void FocusGrid() const { Grid().setFocus(Qt::MouseFocusReason); }
};

}  // namespace

class CFmViewTest : public QObject {
    Q_OBJECT

private slots:
    void LaysOutTheForm();
    void LoadsStoredBytes_data();
    void LoadsStoredBytes();
    void EditsCommitAndStore_data();
    void EditsCommitAndStore();
    void EditorKeepsDigitsAndPoint();
    void OpenEditorIsNotStoredUntilItLosesTheFocus();
};

void CFmViewTest::LaysOutTheForm() {
    FmForm form;
    QVERIFY(form.Open());
    const auto* range = form.view->findChild<QLabel*>();
    QVERIFY(range != nullptr);
    QCOMPARE(range->text(), QString::fromUtf8("Range\xEF\xBC\x9A"
                                              "87.0-108.0MHz"));
    QCOMPARE(range->frameShadow(), QFrame::Sunken);
    FlexGrid& grid = form.Grid();
    QCOMPARE(grid.Rows(), 17);
    QCOMPARE(grid.Cols(), 2);
    QCOMPARE(grid.TextMatrix(0, 0), QString("Channel."));
    QCOMPARE(grid.TextMatrix(0, 1), QString("Frequency (MHz)"));
    QCOMPARE(grid.TextMatrix(1, 0), QString("0"));
    QCOMPARE(grid.TextMatrix(16, 0), QString("15"));
    QCOMPARE(grid.ColWidthPixels(0), FlexGrid::TwipsToPixels(1200, grid.logicalDpiX()));
    QCOMPARE(grid.ColWidthPixels(1), FlexGrid::TwipsToPixels(1800, grid.logicalDpiX()));
    QCOMPARE(form.view->windowTitle(), QString("Radio Frequency"));
}

void CFmViewTest::LoadsStoredBytes_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("lowest") << 0 << "87.0";
    QTest::newRow("88.5") << 15 << "88.5";
    QTest::newRow("highest") << 210 << "108.0";
    QTest::newRow("invalid 211") << 211 << "";
    QTest::newRow("invalid 254") << 254 << "";
    QTest::newRow("empty") << 0xFF << "";
}

void CFmViewTest::LoadsStoredBytes() {
    QFETCH(int, stored);
    QFETCH(QString, shown);
    FmForm form;
    form.data.image[kFm] = static_cast<Byte>(stored);
    form.data.image[kFm + 15] = static_cast<Byte>(stored);
    form.data.image[kFm + 7] = 100;
    QVERIFY(form.Open());
    QCOMPARE(form.Grid().TextMatrix(1, 1), shown);
    QCOMPARE(form.Grid().TextMatrix(16, 1), shown);
    QCOMPARE(form.Grid().TextMatrix(8, 1), QString("97.0"));
}

void CFmViewTest::EditsCommitAndStore_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");
    QTest::newRow("88.55, first row") << 1 << "88.55"
                                      << "88.5" << 15;
    QTest::newRow("108, last row") << 16 << "108"
                                   << "108.0" << 210;
    QTest::newRow("above the range") << 1 << "120"
                                     << "87.0" << 0;
    QTest::newRow("below the range") << 16 << "50"
                                     << "87.0" << 0;
    QTest::newRow("a lone point") << 1 << "."
                                  << "87.0" << 0;
    QTest::newRow("cleared, first row") << 1 << ""
                                        << "" << 0xFF;
    QTest::newRow("cleared, last row") << 16 << ""
                                       << "" << 0xFF;
}

void CFmViewTest::EditsCommitAndStore() {
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, stored);
    FmForm form;
    for (std::size_t k = 0; k < 16; ++k) {
        form.data.image[kFm + k] = 50;
    }
    QVERIFY(form.Open());
    form.Click(row);
    QVERIFY(form.Editor()->isVisible());
    QCOMPARE(form.Editor()->selectedText(), QString("92.0"));
    if (typed.isEmpty()) {
        QTest::keyClick(form.Editor(), Qt::Key_Backspace);
    } else {
        QTest::keyClicks(form.Editor(), typed);
    }
    form.FocusGrid();
    QVERIFY(!form.Editor()->isVisible());
    QCOMPARE(form.Grid().TextMatrix(row, 1), shown);
    form.view->SaveToImage();
    QCOMPARE(int{form.data.image[kFm + static_cast<std::size_t>(row - 1)]}, stored);
    const int other = row == 1 ? 16 : 1;
    QCOMPARE(int{form.data.image[kFm + static_cast<std::size_t>(other - 1)]}, 50);
}

void CFmViewTest::EditorKeepsDigitsAndPoint() {
    FmForm form;
    QVERIFY(form.Open());
    form.Click(3);
    QTest::keyClicks(form.Editor(), "9a8 ,.7x6543");
    QCOMPARE(form.Editor()->text(), QString("98.76"));
    form.FocusGrid();
    QCOMPARE(form.Grid().TextMatrix(3, 1), QString("98.7"));
    // A click on the fixed column opens nothing.
    const QRect label = form.Grid().verticalHeader()->geometry();
    QTest::mouseClick(form.Grid().verticalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(label.width() / 2, 5));
    QCOMPARE(form.Grid().MouseCol(), 0);
    QVERIFY(!form.Editor()->isVisible());
}

void CFmViewTest::OpenEditorIsNotStoredUntilItLosesTheFocus() {
    FmForm form;
    QVERIFY(form.Open());
    form.Click(2);
    QTest::keyClicks(form.Editor(), "100");
    form.view->SaveToImage();
    QCOMPARE(int{form.data.image[kFm + 1]}, 0xFF);
    QVERIFY(form.Editor()->isVisible());
    form.FocusGrid();
    form.view->SaveToImage();
    QCOMPARE(int{form.data.image[kFm + 1]}, 130);
}

QTEST_MAIN(CFmViewTest)
#include "CFmViewTest.moc"
