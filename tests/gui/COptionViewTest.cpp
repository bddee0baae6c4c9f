#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <algorithm>
#include <memory>
#include <random>

#include "RecordingFrame.h"
#include "model/Bcd.h"
#include "model/ChannelRecord.h"
#include "model/RadioInfo.h"
#include "views/COptionView.h"
#include "views/FormLineEdit.h"

using ht57::Byte;
using ht57::COptionView;
using ht57::FormLineEdit;
using ht57::FrequencyLimits;
using ht57::Image;
using ht57::RadioData;
using ht57::ViewKind;
using ht57::test::RecordingFrame;

using Bytes = QList<int>;

namespace {

constexpr std::uint32_t kMHz = 100'000;

void SetBand(Image& image, int band) {
    image[0xFCE] = static_cast<Byte>((image[0xFCE] & ~0x20) | (band ? 0x20 : 0));
}

void WriteLimits(Image& image, std::uint32_t lowerMHz, std::uint32_t upperMHz) {
    ht57::WriteBcd16(&image[0xFA0], lowerMHz * 10);
    ht57::WriteBcd16(&image[0xFA2], upperMHz * 10);
}

void PutChannel(Image& image, int channel, std::uint32_t rx) {
    ht57::WriteChannelDefaults(image, channel, rx);
}

bool IsErased(const Image& image, int channel) {
    const ht57::ChannelRecord record = ht57::ReadChannel(image, channel);
    return std::all_of(record.begin(), record.end(), [](Byte b) { return b == 0xFF; });
}

Bytes Slice(const Image& image, std::size_t offset, std::size_t length) {
    Bytes bytes;
    for (std::size_t i = 0; i < length; ++i) {
        bytes.push_back(image[offset + i]);
    }
    return bytes;
}

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items << combo->itemText(i);
    }
    return items;
}

// A data set, a frame that records, and an option view on them. The image
// starts erased (UHF band flag set) with the UHF limits in force.
struct OptionForm {
    RadioData data;
    RecordingFrame frame{data};
    std::unique_ptr<COptionView> view;

    // Answers the range question with `answer` and remembers what it said.
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    QStringList questions;
    QTimer answerer;

    OptionForm() {
        WriteLimits(data.image, 400, 470);
        QObject::connect(&answerer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                questions << box->text();
                box->button(answer)->click();
            }
        });
        answerer.start(10);
    }

    const COptionView::Controls& c() const { return view->Widgets(); }

    void Open() {
        view = std::make_unique<COptionView>(data, frame);
        view->InitialUpdate();
    }

    bool Show() {
        view->show();
        view->activateWindow();
        return QTest::qWaitForWindowActive(view.get());
    }

    void Type(FormLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    // Moves the focus to the form itself, as the child frame does.
    void Leave() { view->setFocus(); }

    ~OptionForm() {
        if (view) {
            view->close();
        }
    }
};

}  // namespace

class COptionViewTest : public QObject {
    Q_OBJECT

private slots:
    void RangeCommitResetsLimits_data();
    void RangeCommitResetsLimits();
    void RangeCommitErasesOutsideChannelsAndReloadsChannelView();
    void RangeCommitWithChannelViewClosedRefreshesNothing();
    void NarrowingAsksWithTheCountAndIsOneStep();
    void EscapeCancelsAFormEdit();
    void LeavingUnchangedLimitStillErases();
    void RxFrequencyCheckedOnlyByRangeCommit();
    void BandChangeReloadsOpenOptionView();
    void LimitEditsTakeThreeDigits();
    void FrequencyEditSnapsOnLeaving_data();
    void FrequencyEditSnapsOnLeaving();
    void StoresFrequencyAndLimitBytes();
    void InvertedDcsDecodeRoundTrip();
    void DtmfCode_data();
    void DtmfCode();
    void ManualIsInverted_data();
    void ManualIsInverted();
    void PriorityChannel_data();
    void PriorityChannel();
    void RangeCommitDropsErasedPriorityChannels();
    void OnlyChannelModeForcesChannel();
    void OnlyChannelModeLoadedDisablesWorkMode();
    void UneditedOutOfRangeBytesAreKept();
    void StoreKeepsForeignBitsAndIsStable();
};

void COptionViewTest::RangeCommitResetsLimits_data() {
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("shownLower");
    QTest::addColumn<QString>("shownUpper");

    QTest::newRow("uhf lower below band") << 1 << "380"
                                          << "450"
                                          << "400"
                                          << "450";
    QTest::newRow("uhf inverted") << 1 << "450"
                                  << "420"
                                  << "400"
                                  << "470";
    QTest::newRow("uhf upper above band") << 1 << "410"
                                          << "480"
                                          << "410"
                                          << "470";
    QTest::newRow("uhf empty lower") << 1 << ""
                                     << "450"
                                     << "400"
                                     << "450";
    QTest::newRow("vhf both outside") << 0 << "100"
                                      << "200"
                                      << "136"
                                      << "174";
    QTest::newRow("vhf inside") << 0 << "140"
                                << "150"
                                << "140"
                                << "150";
    QTest::newRow("vhf uhf values") << 0 << "400"
                                    << "470"
                                    << "136"
                                    << "174";
    QTest::newRow("equal limits") << 1 << "435"
                                  << "435"
                                  << "435"
                                  << "435";
}

void COptionViewTest::RangeCommitResetsLimits() {
    QFETCH(int, band);
    QFETCH(QString, lower);
    QFETCH(QString, upper);
    QFETCH(QString, shownLower);
    QFETCH(QString, shownUpper);

    OptionForm form;
    SetBand(form.data.image, band);
    form.data.RecomputeLimits();
    form.Open();
    QVERIFY(form.Show());

    form.c().upperLimit->setText(upper);
    form.Type(form.c().lowerLimit, lower);
    form.Leave();

    QCOMPARE(form.c().lowerLimit->text(), shownLower);
    QCOMPARE(form.c().upperLimit->text(), shownUpper);
    const FrequencyLimits expected{shownLower.toUInt() * kMHz, shownUpper.toUInt() * kMHz};
    QCOMPARE(form.data.limits, expected);
    QCOMPARE(form.frame.shownLimits.size(), std::size_t{1});
    QCOMPARE(form.frame.shownLimits.back(), expected);
    // The commit stores the limits at once, as its own undo step.
    QCOMPARE(ht57::ReadBcd16(&form.data.image[0xFA0]), shownLower.toUInt() * 10);
}

void COptionViewTest::RangeCommitErasesOutsideChannelsAndReloadsChannelView() {
    OptionForm form;
    PutChannel(form.data.image, 1, 401 * kMHz);
    PutChannel(form.data.image, 2, 449 * kMHz);
    PutChannel(form.data.image, 3, 455 * kMHz);
    PutChannel(form.data.image, 4, 469 * kMHz);
    PutChannel(form.data.image, 5, 450 * kMHz);
    const Image before = form.data.image;
    form.frame.Open(ViewKind::ChannelInfo);
    form.Open();
    QVERIFY(form.Show());

    form.c().upperLimit->setText("450");
    form.Type(form.c().lowerLimit, "380");
    form.Leave();

    QCOMPARE(form.c().lowerLimit->text(), QString("400"));
    QCOMPARE(form.data.limits, (FrequencyLimits{400 * kMHz, 450 * kMHz}));
    QVERIFY(IsErased(form.data.image, 3));
    QVERIFY(IsErased(form.data.image, 4));
    for (int kept : {1, 2, 5}) {
        QCOMPARE(ht57::ReadChannel(form.data.image, kept), ht57::ReadChannel(before, kept));
    }
    QCOMPARE(form.frame.refreshed, std::vector<ViewKind>{ViewKind::ChannelInfo});
}

void COptionViewTest::NarrowingAsksWithTheCountAndIsOneStep() {
    for (const auto answer : {QMessageBox::Cancel, QMessageBox::Ok}) {
        OptionForm form;
        form.answer = answer;
        PutChannel(form.data.image, 1, 460 * kMHz);
        PutChannel(form.data.image, 2, 465 * kMHz);
        form.Open();
        QVERIFY(form.Show());
        form.view->SaveToImage();
        const Image before = form.data.image;

        form.Type(form.c().upperLimit, "450");
        form.Leave();

        const bool ok = answer == QMessageBox::Ok;
        QCOMPARE(form.questions,
                 QStringList{"The new frequency range clears 2 channel(s) in use.\nContinue?"});
        QCOMPARE(form.c().upperLimit->text(), QString(ok ? "450" : "470"));
        QCOMPARE(IsErased(form.data.image, 2), ok);
        QUndoStack& steps = form.frame.History().Stack();
        QCOMPARE(steps.count(), ok ? 1 : 0);
        QCOMPARE(steps.undoText(), QString(ok ? "Narrow frequency range" : ""));
        steps.undo();
        QVERIFY(form.data.image == before);
    }
}

void COptionViewTest::EscapeCancelsAFormEdit() {
    OptionForm form;
    form.Open();
    QVERIFY(form.Show());
    FormLineEdit* edit = form.c().rxFrequency;
    const QString stored = edit->text();
    edit->setFocus();
    QTest::keyClicks(edit, "150");
    QTest::keyClick(edit, Qt::Key_Escape);
    QCOMPARE(edit->text(), stored);
}

void COptionViewTest::RangeCommitWithChannelViewClosedRefreshesNothing() {
    OptionForm form;
    PutChannel(form.data.image, 1, 460 * kMHz);
    form.Open();
    QVERIFY(form.Show());

    form.Type(form.c().upperLimit, "450");
    form.Leave();

    QVERIFY(IsErased(form.data.image, 1));
    QVERIFY(form.frame.refreshed.empty());
    QCOMPARE(form.frame.shownLimits.size(), std::size_t{1});
}

void COptionViewTest::LeavingUnchangedLimitStillErases() {
    OptionForm form;
    WriteLimits(form.data.image, 420, 450);
    PutChannel(form.data.image, 1, 410 * kMHz);
    PutChannel(form.data.image, 2, 430 * kMHz);
    form.frame.Open(ViewKind::ChannelInfo);
    form.Open();
    QVERIFY(form.Show());
    QCOMPARE(form.c().lowerLimit->text(), QString("420"));

    form.c().lowerLimit->setFocus();
    form.Leave();

    QVERIFY(IsErased(form.data.image, 1));
    QVERIFY(!IsErased(form.data.image, 2));
    QCOMPARE(form.data.limits, (FrequencyLimits{420 * kMHz, 450 * kMHz}));
    QCOMPARE(form.frame.refreshed.size(), std::size_t{1});
}

void COptionViewTest::RxFrequencyCheckedOnlyByRangeCommit() {
    OptionForm form;
    form.Open();
    QVERIFY(form.Show());

    form.Type(form.c().rxFrequency, "480");
    form.Leave();
    QCOMPARE(form.c().rxFrequency->text(), QString("480.00000"));

    form.c().upperLimit->setFocus();
    form.Leave();
    QCOMPARE(form.c().rxFrequency->text(), QString("400.00000"));
}

void COptionViewTest::BandChangeReloadsOpenOptionView() {
    OptionForm form;
    PutChannel(form.data.image, 5, 410 * kMHz);
    form.Open();
    form.frame.Open(ViewKind::OptionFeatures, form.view.get());
    QCOMPARE(Items(form.c().priorityChannel), QStringList{"5"});

    ht57::ApplyBandChange(0, form.data);
    form.frame.RefreshView(ViewKind::OptionFeatures);

    QCOMPARE(form.c().lowerLimit->text(), QString("136"));
    QCOMPARE(form.c().upperLimit->text(), QString("174"));
    QCOMPARE(form.c().rxFrequency->text(), QString("155.02500"));
    QCOMPARE(form.c().priorityChannel->count(), 0);
}

void COptionViewTest::LimitEditsTakeThreeDigits() {
    OptionForm form;
    form.Open();
    QVERIFY(form.Show());

    form.Type(form.c().lowerLimit, "4a-5x");
    QCOMPARE(form.c().lowerLimit->text(), QString("45"));
    form.Type(form.c().upperLimit, "4567");
    QCOMPARE(form.c().upperLimit->text(), QString("456"));
    QTest::keyClick(form.c().upperLimit, Qt::Key_Backspace);
    QCOMPARE(form.c().upperLimit->text(), QString("45"));
}

void COptionViewTest::FrequencyEditSnapsOnLeaving_data() {
    QTest::addColumn<bool>("offset");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    for (const bool offset : {false, true}) {
        const char* edit = offset ? "offset " : "rx ";
        QTest::addRow("%s to 5 kHz below", edit) << offset << "145.0011"
                                                 << "145.00000";
        QTest::addRow("%s to 5 kHz above", edit) << offset << "145.0047"
                                                 << "145.00500";
        QTest::addRow("%s to 6.25 kHz", edit) << offset << "145.0066"
                                              << "145.00625";
        QTest::addRow("%s garbage", edit) << offset << "abc"
                                          << "0.00000";
        QTest::addRow("%s beyond the field keeps the stored value", edit)
            << offset << "1000" << QString();
    }
}

void COptionViewTest::FrequencyEditSnapsOnLeaving() {
    QFETCH(bool, offset);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    OptionForm form;
    form.Open();
    QVERIFY(form.Show());
    FormLineEdit* edit = offset ? form.c().offsetFrequency : form.c().rxFrequency;
    const QString stored = edit->text();

    form.Type(edit, typed);
    QCOMPARE(edit->text(), typed);
    form.Leave();
    QCOMPARE(edit->text(), shown.isNull() ? stored : shown);
}

void COptionViewTest::StoresFrequencyAndLimitBytes() {
    OptionForm form;
    SetBand(form.data.image, 0);
    form.data.RecomputeLimits();
    form.Open();

    form.c().rxFrequency->setText("145.50000");
    form.c().upperLimit->setText("174");
    form.view->SaveToImage();

    QCOMPARE(Slice(form.data.image, 0x820, 4), (Bytes{0x00, 0x00, 0x55, 0x14}));
    QCOMPARE(Slice(form.data.image, 0xFA2, 2), (Bytes{0x40, 0x17}));
}

void COptionViewTest::InvertedDcsDecodeRoundTrip() {
    OptionForm form;
    form.Open();
    form.c().decode->setCurrentIndex(157);
    form.c().encode->setCurrentIndex(156);
    form.view->SaveToImage();

    QCOMPARE(int{form.data.image[0x828]}, 51);
    QCOMPARE(int{form.data.image[0x829]}, 156);
    QCOMPARE(form.data.image[0x82A] & 0x30, 0x10);

    form.c().decode->setCurrentIndex(0);
    form.view->LoadFromImage();
    QCOMPARE(form.c().decode->currentIndex(), 157);
    QCOMPARE(form.c().encode->currentIndex(), 156);
}

void COptionViewTest::DtmfCode_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<Bytes>("stored");
    QTest::addColumn<QString>("reloaded");

    QTest::newRow("keys it cannot store are refused")
        << "12*3ab#"
        << "123AB" << Bytes{0x01, 0x02, 0x03, 0x0A, 0x0B, 0xFF, 0xFF, 0xFF} << "123AB";
    QTest::newRow("letters") << "ABCDEF"
                             << "ABCDEF" << Bytes{0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0xFF, 0xFF}
                             << "ABCDEF";
    QTest::newRow("typed lower case")
        << "abc0"
        << "ABC0" << Bytes{0x0A, 0x0B, 0x0C, 0x00, 0xFF, 0xFF, 0xFF, 0xFF} << "ABC0";
    QTest::newRow("eight at most")
        << "123456789"
        << "12345678" << Bytes{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08} << "12345678";
    QTest::newRow("empty") << ""
                           << "" << Bytes(8, 0xFF) << "";
}

void COptionViewTest::DtmfCode() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(Bytes, stored);
    QFETCH(QString, reloaded);

    OptionForm form;
    form.Open();
    QVERIFY(form.Show());
    form.Type(form.c().dtmfCode, typed);
    QCOMPARE(form.c().dtmfCode->text(), shown);

    form.view->SaveToImage();
    QCOMPARE(Slice(form.data.image, 0xFE0, 8), stored);
    form.view->LoadFromImage();
    QCOMPARE(form.c().dtmfCode->text(), reloaded);
}

void COptionViewTest::ManualIsInverted_data() {
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("stored");
    QTest::newRow("checked") << true << 0xF7;
    QTest::newRow("unchecked") << false << 0xFF;
}

void COptionViewTest::ManualIsInverted() {
    QFETCH(bool, checked);
    QFETCH(int, stored);

    OptionForm form;
    form.Open();
    form.c().manual->setChecked(checked);
    form.view->SaveToImage();
    QCOMPARE(int{form.data.image[0xFCC]}, stored);

    form.c().manual->setChecked(!checked);
    form.view->LoadFromImage();
    QCOMPARE(form.c().manual->isChecked(), checked);
}

void COptionViewTest::PriorityChannel_data() {
    QTest::addColumn<QList<int>>("inUse");
    QTest::addColumn<int>("storedBefore");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("storedAfter");

    QTest::newRow("1 matches 12 by prefix")
        << QList<int>{5, 12} << 1 << QStringList{"5", "12"} << "12" << 1;
    QTest::newRow("7 matches nothing")
        << QList<int>{5, 12} << 7 << QStringList{"5", "12"} << "5" << 7;
    QTest::newRow("exact") << QList<int>{5, 12, 128} << 128 << QStringList{"5", "12", "128"}
                           << "128" << 128;
    QTest::newRow("none in use") << QList<int>{} << 1 << QStringList{} << "" << 1;
}

void COptionViewTest::PriorityChannel() {
    QFETCH(QList<int>, inUse);
    QFETCH(int, storedBefore);
    QFETCH(QStringList, items);
    QFETCH(QString, selected);
    QFETCH(int, storedAfter);

    OptionForm form;
    for (int channel : inUse) {
        PutChannel(form.data.image, channel, 420 * kMHz);
    }
    form.data.image[0xFC8] = static_cast<Byte>(storedBefore);
    form.Open();

    QCOMPARE(Items(form.c().priorityChannel), items);
    QCOMPARE(form.c().priorityChannel->currentText(), selected);
    QCOMPARE(form.c().priorityChannel->currentIndex() < 0, items.isEmpty());
    form.view->SaveToImage();
    QCOMPARE(int{form.data.image[0xFC8]}, storedAfter);
}

void COptionViewTest::RangeCommitDropsErasedPriorityChannels() {
    OptionForm form;
    PutChannel(form.data.image, 3, 410 * kMHz);
    PutChannel(form.data.image, 9, 460 * kMHz);
    PutChannel(form.data.image, 20, 430 * kMHz);
    form.data.image[0xFC8] = 20;
    form.Open();
    QVERIFY(form.Show());
    QCOMPARE(Items(form.c().priorityChannel), (QStringList{"3", "9", "20"}));

    // The chosen channel survives and stays chosen.
    form.Type(form.c().upperLimit, "450");
    form.Leave();
    QCOMPARE(Items(form.c().priorityChannel), (QStringList{"3", "20"}));
    QCOMPARE(form.c().priorityChannel->currentText(), QString("20"));

    // An erased choice gives way to the first channel left.
    QVERIFY(form.Show());  // active again after the question
    form.c().priorityChannel->setCurrentIndex(0);
    form.Type(form.c().lowerLimit, "420");
    form.Leave();
    QCOMPARE(Items(form.c().priorityChannel), QStringList{"20"});
    QCOMPARE(form.c().priorityChannel->currentText(), QString("20"));
    QVERIFY(form.Show());
    form.Type(form.c().lowerLimit, "440");
    form.Leave();
    QCOMPARE(form.c().priorityChannel->count(), 0);
    form.view->SaveToImage();
    QCOMPARE(int{form.data.image[0xFC8]}, 0);
}

void COptionViewTest::OnlyChannelModeForcesChannel() {
    OptionForm form;
    form.data.image[0xFC5] = 0xDE;  // Frequency work mode, Only Channel Mode off
    form.Open();
    QVERIFY(form.Show());
    QVERIFY(form.c().frequencyMode->isChecked());
    QVERIFY(form.c().frequencyMode->isEnabled());

    QTest::mouseClick(form.c().onlyChannelMode, Qt::LeftButton);
    QVERIFY(form.c().onlyChannelMode->isChecked());
    QVERIFY(form.c().channelMode->isChecked());
    QVERIFY(!form.c().frequencyMode->isEnabled());
    QVERIFY(!form.c().channelMode->isEnabled());
    form.view->SaveToImage();
    QCOMPARE(form.data.image[0xFC5] & 0x21, 0x21);

    QTest::mouseClick(form.c().onlyChannelMode, Qt::LeftButton);
    QVERIFY(form.c().frequencyMode->isEnabled());
    QVERIFY(form.c().channelMode->isEnabled());
    QVERIFY(form.c().channelMode->isChecked());
}

void COptionViewTest::OnlyChannelModeLoadedDisablesWorkMode() {
    OptionForm form;
    form.data.image[0xFC5] = 0x20;  // Only Channel Mode with a Frequency work-mode bit
    form.Open();
    QVERIFY(form.c().channelMode->isChecked());
    QVERIFY(!form.c().frequencyMode->isEnabled());
    form.view->SaveToImage();
    QCOMPARE(int{form.data.image[0xFC5]}, 0x20);
}

void COptionViewTest::UneditedOutOfRangeBytesAreKept() {
    OptionForm form;
    form.data.image[0xFC2] = 12;    // squelch
    form.data.image[0xFCE] = 0x26;  // UHF, PF3 6
    form.data.image[0xFA0] = 0x30;  // lower limit 1643 MHz, more than the edit shows
    form.data.image[0xFA1] = 0xFE;
    form.Open();
    QCOMPARE(form.c().squelch->currentIndex(), -1);
    QCOMPARE(form.c().pf3->currentIndex(), -1);
    const Image before = form.data.image;

    // Storing without an edit keeps every byte; an edit stores only its own bits.
    form.view->SaveToImage();
    QVERIFY(form.data.image == before);
    form.c().beep->click();
    form.view->SaveToImage();
    Image expected = before;
    expected[0xFC5] ^= 0x08;
    QVERIFY(form.data.image == expected);
    form.c().squelch->setCurrentIndex(2);
    form.view->SaveToImage();
    QCOMPARE(int{form.data.image[0xFC2]}, 2);
}

void COptionViewTest::StoreKeepsForeignBitsAndIsStable() {
    // The bits the form owns; everything else must come through untouched.
    Image owned{};
    auto own = [&owned](std::size_t offset, std::size_t length, Byte bits) {
        for (std::size_t i = 0; i < length; ++i) {
            owned[offset + i] |= bits;
        }
    };
    own(0xFA0, 4, 0xFF);
    own(0xFC2, 3, 0xFF);
    own(0xFC5, 1, 0xB9);
    own(0xFC6, 1, 0xFB);
    own(0xFC8, 2, 0xFF);
    own(0xFCC, 1, 0x08);
    own(0xFCE, 1, 0x0F);
    own(0xFE0, 8, 0xFF);
    own(0x820, 10, 0xFF);
    own(0x82A, 1, 0xF3);

    std::mt19937 rng(57);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 20; ++round) {
        OptionForm form;
        for (Byte& b : form.data.image) {
            b = static_cast<Byte>(byte(rng));
        }
        // An offset of 1000 MHz or more does not fit its 9-character edit.
        form.data.image[0x827] = 0x00;
        const Image before = form.data.image;
        form.Open();
        form.view->SaveToImage();
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (((before[i] ^ form.data.image[i]) & ~owned[i]) != 0) {
                QFAIL(qPrintable(QString("round %1 changed foreign bits at 0x%2")
                                     .arg(round)
                                     .arg(i, 3, 16, QChar('0'))));
            }
        }
        const Image saved = form.data.image;
        form.view->LoadFromImage();
        form.view->SaveToImage();
        QVERIFY2(form.data.image == saved, qPrintable(QString("round %1").arg(round)));
    }
}

QTEST_MAIN(COptionViewTest)
#include "COptionViewTest.moc"
