#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QUndoStack>
#include <memory>

#include "RecordingFrame.h"
#include "frame/CMyChildFrame.h"
#include "model/Bcd.h"
#include "model/ChannelRecord.h"
#include "model/Frequency.h"
#include "views/CChInfoView.h"
#include "views/FlexGrid.h"

using ht57::Byte;
using ht57::CChInfoView;
using ht57::ChannelRecord;
using ht57::FlexGrid;
using ht57::RadioData;
using ht57::ViewKind;
using ht57::test::RecordingFrame;

namespace {

constexpr ht57::FrequencyLimits kVhf{13'600'000, 17'400'000};

const ChannelRecord kCleared{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                             0x00, 0x00, 0x0F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

// One channel view on its own data set, shown and active.
struct ChannelForm {
    RadioData data;
    RecordingFrame frame{data};
    std::unique_ptr<CChInfoView> view;

    ChannelForm() {
        data.limits = kVhf;
        ht57::WriteChannelDefaults(data.image, 1, 14'652'000);
        ht57::WriteChannelDefaults(data.image, 2, 14'500'000);
        ht57::WriteChannelDefaults(data.image, 5, 14'600'000);
    }

    bool Open() {
        view = std::make_unique<CChInfoView>(data, frame);
        frame.Open(ViewKind::ChannelInfo, view.get());
        view->InitialUpdate();
        view->resize(view->sizeHint());
        view->show();
        view->activateWindow();
        return QTest::qWaitForWindowActive(view.get());
    }

    FlexGrid& Grid() const { return view->Grid(); }
    QLineEdit* FrequencyEditor() const { return view->findChild<QLineEdit*>("frequencyEditor"); }
    QLineEdit* NameEditor() const { return view->findChild<QLineEdit*>("nameEditor"); }
    QComboBox* ToneChooser() const { return view->findChild<QComboBox*>("toneChooser"); }
    QComboBox* ListChooser() const { return view->findChild<QComboBox*>("listChooser"); }

    QWidget* OpenEditor() const {
        for (QWidget* editor :
             {static_cast<QWidget*>(FrequencyEditor()), static_cast<QWidget*>(NameEditor()),
              static_cast<QWidget*>(ToneChooser()), static_cast<QWidget*>(ListChooser())}) {
            if (editor->isVisible()) {
                return editor;
            }
        }
        return nullptr;
    }

    void Click(int row, int col) const {
        Grid().EnsureCellVisible(row, col);
        const QRect cell = Grid().CellRect(row, col).translated(-Grid().viewport()->pos());
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, cell.center());
    }

    // Replaces the open editor's text as the user would: the text is
    // selected when the editor opens, so typing replaces it.
    void Type(const QString& text) const {
        QWidget* focus = QApplication::focusWidget();
        if (text.isEmpty()) {
            QTest::keyClick(focus, Qt::Key_Backspace);
        } else {
            QTest::keyClicks(focus, text);
        }
    }

    void Key(int key) const { QTest::keyClick(QApplication::focusWidget(), Qt::Key(key)); }

    // Commits the open editor by taking the focus away, as a click elsewhere would.
    void FocusGrid() const { Grid().setFocus(Qt::MouseFocusReason); }

    QString Cell(int row, int col) const { return Grid().TextMatrix(row, col); }

    QStringList Row(int row) const {
        QStringList texts;
        for (int col = 1; col <= 8; ++col) {
            texts << Cell(row, col);
        }
        return texts;
    }

    ChannelRecord Record(int channel) const { return ht57::ReadChannel(data.image, channel); }
};

QStringList InUse(const QString& rx, const QString& tx) {
    return {rx, tx, "Off", "Off", "Off", "High", "Wide", ""};
}

}  // namespace

class CChInfoViewTest : public QObject {
    Q_OBJECT

private slots:
    void LaysOutTheGrid();
    void NewChannelIsWrittenAtOnce();
    void FrequenciesAreSnappedOrRefused_data();
    void FrequenciesAreSnappedOrRefused();
    void ClearingReceiveFrequencyClearsAtOnce_data();
    void ClearingReceiveFrequencyClearsAtOnce();
    void CellsAreNamedStepsEmptyTxIsSimplexEscapeCancels();
    void EmptyRowStartsAtReceiveFrequency();
    void EditorSitsOverTheCell();
    void NameEditorTakesNameCharactersInUpperCase();
    void NameTypedThenStoredIsKept();
    void GridArrowsWrapBetweenRows_data();
    void GridArrowsWrapBetweenRows();
    void EnterOnGridBeginsEdit();
    void KeyOverACellOpensItsEditor_data();
    void KeyOverACellOpensItsEditor();
    void ToneChooserFindsByPrefixAndSurvivesItsPopup();
    void ListChooserEnterMovesRight();
    void ListColumnsShowTranslatedEntriesAndStoreTheModelText();
    void ScrollingCommitsTheEditor();
    void LoadThenStoreKeepsEveryByte();
    void ClosingWithEditorOpenKeepsTheEdit();
};

void CChInfoViewTest::LaysOutTheGrid() {
    ChannelForm form;
    QVERIFY(form.Open());
    FlexGrid& grid = form.Grid();
    QCOMPARE(grid.Rows(), 129);
    QCOMPARE(grid.Cols(), 9);
    const QStringList titles{"",          "Rx Freq", "Tx Freq",   "Rx Tone", "Tx Tone",
                             "Busy Lock", "Power",   "Bandwidth", "Name"};
    const int twips[] = {500, 1400, 1400, 1100, 1100, 0, 1000, 1000, 1500};
    for (int col = 0; col < 9; ++col) {
        QCOMPARE(grid.TextMatrix(0, col), titles[col]);
        QCOMPARE(grid.ColWidthPixels(col), FlexGrid::TwipsToPixels(twips[col], grid.logicalDpiX()));
    }
    QCOMPARE(grid.TextMatrix(1, 0), QString("1"));
    QCOMPARE(grid.TextMatrix(128, 0), QString("128"));
    QCOMPARE(form.Row(1), InUse("146.52000", "146.52000"));
    QCOMPARE(form.Row(3), QStringList(8, QString()));
    // The hidden busy lock column still holds its text.
    QCOMPARE(grid.TextMatrix(5, 5), QString("Off"));
    QCOMPARE(form.view->windowTitle(), QString("Channel Infomation"));
}

void CChInfoViewTest::NewChannelIsWrittenAtOnce() {
    ChannelForm form;
    QVERIFY(form.Open());
    form.Click(3, 1);
    QCOMPARE(form.OpenEditor(), form.FrequencyEditor());
    form.Type("145.6");
    form.Key(Qt::Key_Return);

    const ChannelRecord expected{0x00, 0x00, 0x56, 0x14, 0x00, 0x00, 0x56, 0x14,
                                 0x00, 0x00, 0x0F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    QCOMPARE(form.Record(3), expected);
    QCOMPARE(form.Row(3), InUse("145.60000", "145.60000"));
    QCOMPARE(form.OpenEditor(), nullptr);
    // Enter with text moves on to the next cell to fill.
    QCOMPARE(form.Grid().Row(), 3);
    QCOMPARE(form.Grid().Col(), 2);
    QCOMPARE(QApplication::focusWidget(), &form.Grid());
}

void CChInfoViewTest::FrequenciesAreSnappedOrRefused_data() {
    // The rule is the model's; this proves the grid's commit path follows it.
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");  // empty: refused, the cell stays in edit
    QTest::newRow("off the raster, empty row") << 4 << 1 << "146.5213"
                                               << "146.52000";
    QTest::newRow("between rasters, rx") << 1 << 1 << "146.523"
                                         << "146.52500";
    QTest::newRow("outside the band, empty row") << 4 << 1 << "446.00625"
                                                 << "";
    QTest::newRow("outside the band, tx") << 1 << 2 << "100"
                                          << "";
}

void CChInfoViewTest::FrequenciesAreSnappedOrRefused() {
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ChannelForm form;
    QVERIFY(form.Open());
    const QString before = form.Cell(row, col);
    const ht57::Image image = form.data.image;
    // Presses OK on the message box that says why, keeping its text.
    QString seen;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = box->text();
            box->accept();
        }
    });
    answerer.start(10);
    form.Click(row, col);
    form.Type(typed);
    form.FocusGrid();
    if (shown.isEmpty()) {
        QTRY_VERIFY(!seen.isEmpty());
        QVERIFY2(seen.contains("136.00000 to 174.00000"), qPrintable(seen));
        QTRY_COMPARE(form.view->focusWidget(), form.FrequencyEditor());
        QCOMPARE(form.OpenEditor(), form.FrequencyEditor());
        QCOMPARE(form.FrequencyEditor()->text(), typed);
        QCOMPARE(form.Cell(row, col), before);
        QCOMPARE(form.data.image, image);
        return;
    }
    QCOMPARE(form.OpenEditor(), nullptr);
    QCOMPARE(form.Cell(row, col), shown);
    form.view->SaveToImage();
    QCOMPARE(form.Cell(row, col), shown);
    QVERIFY(seen.isEmpty());
}

void CChInfoViewTest::ClearingReceiveFrequencyClearsAtOnce_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("zero") << "0";
    QTest::newRow("nothing") << "";
    QTest::newRow("full stop") << ".";
}

void CChInfoViewTest::ClearingReceiveFrequencyClearsAtOnce() {
    QFETCH(QString, typed);
    ChannelForm form;
    QVERIFY(form.Open());
    form.Click(2, 1);
    form.Type(typed);
    form.Key(Qt::Key_Enter);
    QCOMPARE(form.Record(2), kCleared);
    QCOMPARE(form.Row(2), QStringList(8, QString()));
    QVERIFY(ht57::IsChannelInUse(form.Record(1), kVhf));
    // Enter on an empty text moves down a row; "0" and "." are text.
    QCOMPARE(form.Grid().Row(), typed.isEmpty() ? 3 : 2);
    QCOMPARE(form.Grid().Col(), typed.isEmpty() ? 1 : 2);
}

void CChInfoViewTest::CellsAreNamedStepsEmptyTxIsSimplexEscapeCancels() {
    ChannelForm form;
    QVERIFY(form.Open());
    const ht57::Image before = form.data.image;
    QUndoStack& steps = form.frame.History().Stack();
    form.Click(2, 2);
    form.Type("146");
    form.FocusGrid();
    QVERIFY(form.Record(2) != ht57::ReadChannel(before, 2));  // stored at once
    QCOMPARE(steps.undoText(), QString("Edit channel 2 Tx Freq"));

    form.Click(2, 2);
    form.Type("");
    form.FocusGrid();
    QCOMPARE(form.Cell(2, 2), QString("145.00000"));
    QCOMPARE(form.Record(2)[10] & 0xC0, 0x00);  // no shift

    form.Click(2, 1);
    form.Type("150");
    form.Key(Qt::Key_Escape);
    QCOMPARE(form.OpenEditor(), nullptr);
    QCOMPARE(form.Cell(2, 1), QString("145.00000"));
    QCOMPARE(steps.count(), 2);
    steps.undo();
    steps.undo();
    QVERIFY(form.data.image == before);
}

void CChInfoViewTest::EmptyRowStartsAtReceiveFrequency() {
    ChannelForm form;
    QVERIFY(form.Open());
    const ChannelRecord empty = form.Record(7);
    for (int col : {2, 3, 6, 8}) {
        form.Click(7, col);
        QCOMPARE(form.OpenEditor(), form.FrequencyEditor());
        QCOMPARE(form.Grid().Col(), 1);
        form.FocusGrid();
        QCOMPARE(form.Row(7), QStringList(8, QString()));
        QCOMPARE(form.Record(7), empty);
    }
}

void CChInfoViewTest::EditorSitsOverTheCell() {
    ChannelForm form;
    QVERIFY(form.Open());
    const struct {
        int col;
        QWidget* editor;
    } cases[] = {{1, form.FrequencyEditor()},
                 {4, form.ToneChooser()},
                 {7, form.ListChooser()},
                 {8, form.NameEditor()}};
    for (const auto& c : cases) {
        form.Click(5, c.col);
        QCOMPARE(form.OpenEditor(), c.editor);
        const QRect cell = form.Grid().CellRect(5, c.col);
        QCOMPARE(c.editor->geometry(),
                 QRect(form.Grid().mapTo(form.view.get(), cell.topLeft()), cell.size()));
        QCOMPARE(QApplication::focusWidget(), c.editor);
        form.FocusGrid();
    }
    QCOMPARE(form.Row(5), InUse("146.00000", "146.00000"));
}

void CChInfoViewTest::NameEditorTakesNameCharactersInUpperCase() {
    ChannelForm form;
    QVERIFY(form.Open());
    form.Click(1, 8);
    QCOMPARE(form.OpenEditor(), form.NameEditor());
    QTest::keyClicks(form.NameEditor(), "a#b");
    QCOMPARE(form.NameEditor()->text(), QString("AB"));
    QTest::keyClicks(form.NameEditor(), "c-d_e*");
    QCOMPARE(form.NameEditor()->text(), QString("ABC-D"));
    QTest::keyClick(form.NameEditor(), Qt::Key_Backspace);
    QTest::keyClicks(form.NameEditor(), "z");
    QCOMPARE(form.NameEditor()->text(), QString("ABC-Z"));
    form.FocusGrid();
    QCOMPARE(form.Cell(1, 8), QString("ABC-Z"));

    // The frequency editor keeps digits and the point only.
    form.Click(1, 1);
    QTest::keyClicks(form.FrequencyEditor(), "1a4-7,.5 x");
    QCOMPARE(form.FrequencyEditor()->text(), QString("147.5"));
    form.FocusGrid();
    QCOMPARE(form.Cell(1, 1), QString("147.50000"));
}

void CChInfoViewTest::NameTypedThenStoredIsKept() {
    ChannelForm form;
    QVERIFY(form.Open());
    form.Click(5, 8);
    QTest::keyClicks(form.NameEditor(), "home");
    // Saved straight from a shortcut: the editor still has the focus.
    form.view->SaveToImage();
    QCOMPARE(form.OpenEditor(), nullptr);
    QCOMPARE(ht57::RecordName(form.Record(5)), std::string("HOME"));
    QCOMPARE(form.Cell(5, 8), QString("HOME"));
}

void CChInfoViewTest::GridArrowsWrapBetweenRows_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("toRow");
    QTest::addColumn<int>("toCol");
    QTest::newRow("right off the name") << 5 << 8 << int(Qt::Key_Right) << 6 << 1;
    QTest::newRow("right off the last row") << 128 << 8 << int(Qt::Key_Right) << 128 << 8;
    QTest::newRow("right inside a row") << 5 << 1 << int(Qt::Key_Right) << 5 << 2;
    QTest::newRow("right skips busy lock") << 5 << 4 << int(Qt::Key_Right) << 5 << 6;
    QTest::newRow("left off the rx") << 6 << 1 << int(Qt::Key_Left) << 5 << 8;
    QTest::newRow("left off the first row") << 1 << 1 << int(Qt::Key_Left) << 1 << 1;
    QTest::newRow("left inside a row") << 6 << 8 << int(Qt::Key_Left) << 6 << 7;
}

void CChInfoViewTest::GridArrowsWrapBetweenRows() {
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, key);
    QFETCH(int, toRow);
    QFETCH(int, toCol);
    ChannelForm form;
    QVERIFY(form.Open());
    form.Grid().SetCurrentCell(row, col);
    form.FocusGrid();
    QTest::keyClick(&form.Grid(), Qt::Key(key));
    QCOMPARE(form.Grid().Row(), toRow);
    QCOMPARE(form.Grid().Col(), toCol);
    QCOMPARE(form.OpenEditor(), nullptr);
}

void CChInfoViewTest::EnterOnGridBeginsEdit() {
    ChannelForm form;
    QVERIFY(form.Open());
    form.Grid().SetCurrentCell(2, 2);
    form.FocusGrid();
    QTest::keyClick(&form.Grid(), Qt::Key_Return);
    QCOMPARE(form.OpenEditor(), form.FrequencyEditor());
    QCOMPARE(form.FrequencyEditor()->selectedText(), QString("145.00000"));
    form.Type("145.6");
    form.Key(Qt::Key_Return);
    QCOMPARE(form.Cell(2, 2), QString("145.60000"));
    QCOMPARE(form.Grid().Col(), 3);
    // Only the transmit frequency changed; it is stored at once as a +0.6 MHz shift.
    QCOMPARE(form.Cell(2, 1), QString("145.00000"));
    QCOMPARE(ht57::ReadBcd32(&form.Record(2)[4]), 60'000u);
}

void CChInfoViewTest::KeyOverACellOpensItsEditor_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");  // what the opened editor holds
    QTest::newRow("F2") << 1 << int(Qt::Key_F2) << "146.52000";
    QTest::newRow("digit replaces") << 1 << int(Qt::Key_4) << "4";
    QTest::newRow("name upper-cased") << 8 << int(Qt::Key_A) << "A";
    QTest::newRow("list by letter") << 6 << int(Qt::Key_L) << "Low";
}

void CChInfoViewTest::KeyOverACellOpensItsEditor() {
    QFETCH(int, col);
    QFETCH(int, key);
    ChannelForm form;
    QVERIFY(form.Open());
    form.Grid().SetCurrentCell(1, col);
    form.FocusGrid();
    QTest::keyClick(&form.Grid(), Qt::Key(key));
    QWidget* editor = form.OpenEditor();
    QVERIFY(editor != nullptr);
    QTEST(editor->property(qobject_cast<QLineEdit*>(editor) ? "text" : "currentText").toString(),
          "text");
}

void CChInfoViewTest::ToneChooserFindsByPrefixAndSurvivesItsPopup() {
    ChannelForm form;
    QVERIFY(form.Open());
    QComboBox* chooser = form.ToneChooser();
    form.Click(1, 3);
    QCOMPARE(form.OpenEditor(), chooser);
    QCOMPARE(chooser->count(), 263);
    QCOMPARE(chooser->itemText(262), QString("D754I"));
    QCOMPARE(chooser->currentText(), QString("Off"));

    chooser->showPopup();
    QTRY_VERIFY(chooser->view()->isVisible());
    QVERIFY(chooser->isVisible());
    chooser->hidePopup();
    QTRY_VERIFY(!chooser->view()->isVisible());
    QVERIFY(chooser->isVisible());

    chooser->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(chooser, Qt::Key_Down);
    QTest::keyClick(chooser, Qt::Key_Down);
    form.FocusGrid();
    QCOMPARE(form.Cell(1, 3), QString("69.3"));

    // Case-insensitive prefix search; nothing matching selects "Off".
    const struct {
        const char* cell;
        const char* selected;
    } cases[] = {{"d023i", "D023I"}, {"d7", "D703N"}, {"254", "254.1"}, {"X", "Off"}};
    for (const auto& c : cases) {
        form.Grid().SetTextMatrix(1, 4, c.cell);
        form.Click(1, 4);
        QCOMPARE(chooser->currentText(), QString(c.selected));
        form.FocusGrid();
        QCOMPARE(form.Cell(1, 4), QString(c.selected));
    }
}

void CChInfoViewTest::ListChooserEnterMovesRight() {
    ChannelForm form;
    QVERIFY(form.Open());
    QComboBox* chooser = form.ListChooser();
    form.Click(1, 6);
    QCOMPARE(form.OpenEditor(), chooser);
    QCOMPARE(chooser->count(), 2);
    QCOMPARE(chooser->itemText(0), QString("Low"));
    QCOMPARE(chooser->currentText(), QString("High"));
    QTest::keyClick(chooser, Qt::Key_Up);
    QTest::keyClick(chooser, Qt::Key_Return);
    QCOMPARE(form.Cell(1, 6), QString("Low"));
    QCOMPARE(form.Grid().Col(), 7);

    QTest::keyClick(&form.Grid(), Qt::Key_Return);
    QCOMPARE(form.OpenEditor(), chooser);
    QCOMPARE(chooser->itemText(0), QString("Narrow"));
    QCOMPARE(chooser->currentText(), QString("Wide"));
    chooser->showPopup();
    QTRY_VERIFY(chooser->view()->isVisible());
    chooser->hidePopup();
    QVERIFY(chooser->isVisible());
    QTest::keyClick(chooser, Qt::Key_Up);
    QTest::keyClick(chooser, Qt::Key_Enter);
    QCOMPARE(form.Cell(1, 7), QString("Narrow"));
    QCOMPARE(form.Grid().Col(), 8);

    form.view->SaveToImage();
    QCOMPARE(form.Record(1)[10] & 0x03, 0x00);
    QCOMPARE(form.Row(1),
             (QStringList{"146.52000", "146.52000", "Off", "Off", "Off", "Low", "Narrow", ""}));
}

void CChInfoViewTest::ScrollingCommitsTheEditor() {
    ChannelForm form;
    QVERIFY(form.Open());
    form.Click(1, 1);
    form.Type("150");
    QScrollBar* bar = form.Grid().verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    bar->setValue(bar->value() + 3);
    QCOMPARE(form.OpenEditor(), nullptr);
    QCOMPARE(QApplication::focusWidget(), &form.Grid());
    QCOMPARE(form.Cell(1, 1), QString("150.00000"));
}

void CChInfoViewTest::LoadThenStoreKeepsEveryByte() {
    ChannelForm form;
    // Simplex with the frequency copied into the offset, off the raster,
    // busy lock 0, an inverted DCS receive tone and a name cut by a stray byte.
    const ChannelRecord odd{0x30, 0x21, 0x65, 0x14, 0x30, 0x21, 0x65, 0x14,
                            0x33, 0x05, 0x13, 0x0C, 0x0D, 0x50, 0x0E, 0x0F};
    ht57::WriteChannel(form.data.image, 9, odd);
    ht57::WriteChannelDefaults(form.data.image, 11, 43'500'000);  // outside VHF
    QVERIFY(form.Open());
    const ht57::Image before = form.data.image;
    form.view->SaveToImage();
    // Only what is edited is stored: the grid shows the channel as it reads,
    // and storing it unedited rewrites nothing.
    QCOMPARE(form.data.image, before);
    QCOMPARE(form.Row(9),
             (QStringList{"146.52000", "146.52000", "D023I", "77.0", "Off", "High", "Wide", "AB"}));
}

void CChInfoViewTest::ClosingWithEditorOpenKeepsTheEdit() {
    RadioData data;
    data.limits = kVhf;
    RecordingFrame services(data);
    QMdiArea area;
    auto* child = new ht57::CMyChildFrame(std::make_unique<CChInfoView>(data, services),
                                          "Channel Infomation", {}, &area);
    area.addSubWindow(child);
    child->InitialUpdate();
    area.resize(900, 600);
    area.show();
    area.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&area));
    child->show();

    auto& view = static_cast<CChInfoView&>(*child->View());
    FlexGrid& grid = view.Grid();
    grid.SetCurrentCell(4, 1);
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Return);
    auto* editor = view.findChild<QLineEdit*>("frequencyEditor");
    QVERIFY(editor->isVisible());
    QTest::keyClicks(editor, "145.6");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(&grid, Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), "146");
    QVERIFY(editor->isVisible());
    child->close();
    QCOMPARE(ht57::FormatFrequency(ht57::RecordTxFrequency(ht57::ReadChannel(data.image, 4))),
             std::string("146.00000"));
}

// Stands in for a loaded translation of the model's power and tone-off texts.
class PowerTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QByteArray(context) != "Model") {
            return {};
        }
        return QByteArray(source) == "High"  ? QString::fromUtf8("高")
               : QByteArray(source) == "Low" ? QString::fromUtf8("低")
               : QByteArray(source) == "Off" ? QString::fromUtf8("关")
                                             : QString();
    }
    bool isEmpty() const override { return false; }
};

void CChInfoViewTest::ListColumnsShowTranslatedEntriesAndStoreTheModelText() {
    PowerTranslator translator;
    QCoreApplication::installTranslator(&translator);
    ChannelForm form;
    QVERIFY(form.Open());
    QCOMPARE(form.Cell(1, 6), QString::fromUtf8("高"));
    QCOMPARE(form.Cell(1, 3), QString::fromUtf8("关"));
    form.Click(1, 6);
    QComboBox* chooser = form.ListChooser();
    QCOMPARE(chooser->currentText(), QString::fromUtf8("高"));
    QTest::keyClick(chooser, Qt::Key_Up);
    QTest::keyClick(chooser, Qt::Key_Return);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(form.Cell(1, 6), QString::fromUtf8("低"));
    QCOMPARE(ht57::ReadChannel(form.data.image, 1)[ht57::record::kFlags] & ht57::record::kPowerMask,
             0);
}

QTEST_MAIN(CChInfoViewTest)
#include "CChInfoViewTest.moc"
