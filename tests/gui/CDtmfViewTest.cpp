#include <QCheckBox>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <random>

#include "RecordingFrame.h"
#include "views/CDtmfView.h"
#include "views/FormLineEdit.h"
#include "views/SpinButtons.h"

using ht57::Byte;
using ht57::CDtmfView;
using ht57::FormLineEdit;
using ht57::Image;
using ht57::RadioData;
using ht57::SpinButtons;
using ht57::test::RecordingFrame;

namespace {

enum Field { FirstDigitDelay, DigitInterval, DigitDelayTime };

struct DtmfForm {
    RadioData data;
    RecordingFrame frame{data};
    std::unique_ptr<CDtmfView> view;

    void Open() {
        view = std::make_unique<CDtmfView>(data, frame);
        view->InitialUpdate();
    }

    bool Show() {
        view->show();
        view->activateWindow();
        return QTest::qWaitForWindowActive(view.get());
    }

    FormLineEdit* Edit(Field field) const {
        switch (field) {
            case FirstDigitDelay:
                return view->FirstDigitDelayEdit();
            case DigitInterval:
                return view->DigitIntervalEdit();
            case DigitDelayTime:
                break;
        }
        return view->DigitDelayTimeEdit();
    }

    SpinButtons* Spin(Field field) const {
        switch (field) {
            case FirstDigitDelay:
                return view->FirstDigitDelaySpin();
            case DigitInterval:
                return view->DigitIntervalSpin();
            case DigitDelayTime:
                break;
        }
        return view->DigitDelayTimeSpin();
    }

    void Type(Field field, const QString& text) {
        Edit(field)->setFocus();
        Edit(field)->clear();
        QTest::keyClicks(Edit(field), text);
    }

    void Leave() { view->setFocus(); }

    ~DtmfForm() {
        if (view) {
            view->close();
        }
    }
};

}  // namespace

Q_DECLARE_METATYPE(Field)

class CDtmfViewTest : public QObject {
    Q_OBJECT

private slots:
    void LeavingEditKeepsItInRange_data();
    void LeavingEditKeepsItInRange();
    void SpinButtonSteps_data();
    void SpinButtonSteps();
    void AcceleratedAndKeyboardSteps_data();
    void AcceleratedAndKeyboardSteps();
    void LoadsStoredTimings_data();
    void LoadsStoredTimings();
    void DigitFilter_data();
    void DigitFilter();
    void StoreTouchesOnlyTimingsAndSideTone();
};

void CDtmfViewTest::LeavingEditKeepsItInRange_data() {
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("rounded down") << FirstDigitDelay << "4510"
                                  << "4500";
    QTest::newRow("above range") << FirstDigitDelay << "4600"
                                 << "50";
    QTest::newRow("zero") << FirstDigitDelay << "0"
                          << "50";
    QTest::newRow("below range") << FirstDigitDelay << "99"
                                 << "50";
    QTest::newRow("lowest but one") << FirstDigitDelay << "100"
                                    << "100";
    QTest::newRow("empty") << FirstDigitDelay << ""
                           << "50";
    QTest::newRow("interval top") << DigitInterval << "6400"
                                  << "6400";
    QTest::newRow("interval rounded") << DigitInterval << "1234"
                                      << "1225";
    QTest::newRow("interval below") << DigitInterval << "49"
                                    << "50";
    QTest::newRow("delay time above") << DigitDelayTime << "6425"
                                      << "50";
    QTest::newRow("delay time empty") << DigitDelayTime << ""
                                      << "50";
}

void CDtmfViewTest::LeavingEditKeepsItInRange() {
    QFETCH(Field, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    DtmfForm form;
    form.Open();
    QVERIFY(form.Show());
    form.Type(field, typed);
    QCOMPARE(form.Edit(field)->text(), typed);
    form.Leave();
    QCOMPARE(form.Edit(field)->text(), shown);
}

void CDtmfViewTest::SpinButtonSteps_data() {
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("shown");

    QTest::newRow("wrap at the top") << FirstDigitDelay << "4500" << true << "50";
    QTest::newRow("wrap at the bottom") << FirstDigitDelay << "50" << false << "4500";
    QTest::newRow("plain up") << FirstDigitDelay << "100" << true << "150";
    QTest::newRow("align up") << FirstDigitDelay << "60" << true << "100";
    QTest::newRow("align down") << FirstDigitDelay << "60" << false << "50";
    QTest::newRow("empty up") << DigitInterval << "" << true << "50";
    QTest::newRow("empty down") << DigitInterval << "" << false << "6400";
    QTest::newRow("interval wrap") << DigitInterval << "6400" << true << "50";
    QTest::newRow("delay time down") << DigitDelayTime << "75" << false << "50";
}

void CDtmfViewTest::SpinButtonSteps() {
    QFETCH(Field, field);
    QFETCH(QString, start);
    QFETCH(bool, up);
    QFETCH(QString, shown);

    DtmfForm form;
    form.Open();
    QVERIFY(form.Show());
    form.Edit(field)->setText(start);
    SpinButtons* spin = form.Spin(field);
    QTest::mouseClick(up ? spin->UpButton() : spin->DownButton(), Qt::LeftButton);
    QCOMPARE(form.Edit(field)->text(), shown);
}

void CDtmfViewTest::AcceleratedAndKeyboardSteps_data() {
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("delta");
    QTest::addColumn<QString>("shown");

    // Positions of 25 ms: 100 is 4; 4 + 5 = 9 rounds down to 5.
    QTest::newRow("accelerated up") << DigitInterval << "100" << 5 << "125";
    // 4 - 5 = -1 becomes 0, below the range, and wraps to the top.
    QTest::newRow("accelerated down") << DigitInterval << "100" << -5 << "6400";
    // 50 ms positions: 1000 is 20; 20 + 20 = 40.
    QTest::newRow("accelerated by 20") << FirstDigitDelay << "1000" << 20 << "2000";
}

void CDtmfViewTest::AcceleratedAndKeyboardSteps() {
    QFETCH(Field, field);
    QFETCH(QString, start);
    QFETCH(int, delta);
    QFETCH(QString, shown);

    DtmfForm form;
    form.Open();
    form.Edit(field)->setText(start);
    emit form.Spin(field)->DeltaPos(delta);
    QCOMPARE(form.Edit(field)->text(), shown);

    // The arrow keys in the edit step the same way, one position at a time.
    form.Edit(field)->setText(start);
    QTest::keyClick(form.Edit(field), delta > 0 ? Qt::Key_Up : Qt::Key_Down);
    DtmfForm reference;
    reference.Open();
    reference.Edit(field)->setText(start);
    emit reference.Spin(field)->DeltaPos(delta > 0 ? 1 : -1);
    QCOMPARE(form.Edit(field)->text(), reference.Edit(field)->text());
}

void CDtmfViewTest::LoadsStoredTimings_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("storedBack");

    QTest::newRow("first delay top") << 0xFE8 << 0x59 << "4500" << 0x59;
    QTest::newRow("first delay beyond") << 0xFE8 << 0x5A << "50" << 0x00;
    QTest::newRow("first delay lowest") << 0xFE8 << 0x00 << "50" << 0x00;
    QTest::newRow("interval erased") << 0xFE9 << 0xFF << "50" << 0x00;
    QTest::newRow("interval top") << 0xFE9 << 0xFE << "6400" << 0xFE;
    QTest::newRow("delay time") << 0xFEA << 0x02 << "100" << 0x02;
}

void CDtmfViewTest::LoadsStoredTimings() {
    QFETCH(int, offset);
    QFETCH(int, stored);
    QFETCH(QString, shown);
    QFETCH(int, storedBack);

    DtmfForm form;
    form.data.image[static_cast<std::size_t>(offset)] = static_cast<Byte>(stored);
    form.Open();
    const Field field = static_cast<Field>(offset - 0xFE8);
    QCOMPARE(form.Edit(field)->text(), shown);

    form.view->SaveToImage();
    QCOMPARE(int{form.data.image[static_cast<std::size_t>(offset)]}, storedBack);
}

void CDtmfViewTest::DigitFilter_data() {
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("letters dropped") << FirstDigitDelay << "1a2b"
                                     << "12";
    QTest::newRow("minus dropped") << DigitInterval << "-100"
                                   << "100";
    QTest::newRow("space and point dropped") << DigitDelayTime << "1 2.5"
                                             << "125";
    QTest::newRow("four characters") << FirstDigitDelay << "123456"
                                     << "1234";
    QTest::newRow("backspace works") << DigitInterval << "123\b"
                                     << "12";
}

void CDtmfViewTest::DigitFilter() {
    QFETCH(Field, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    DtmfForm form;
    form.Open();
    QVERIFY(form.Show());
    form.Edit(field)->setFocus();
    form.Edit(field)->clear();
    for (const QChar c : typed) {
        if (c == u'\b') {
            QTest::keyClick(form.Edit(field), Qt::Key_Backspace);
        } else {
            QTest::keyClick(form.Edit(field), c.toLatin1());
        }
    }
    QCOMPARE(form.Edit(field)->text(), shown);
}

void CDtmfViewTest::StoreTouchesOnlyTimingsAndSideTone() {
    std::mt19937 rng(149);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 20; ++round) {
        DtmfForm form;
        for (Byte& b : form.data.image) {
            b = static_cast<Byte>(byte(rng));
        }
        const Image before = form.data.image;
        form.Open();
        const bool sideTone = (before[0xFC5] & 0x40) != 0;
        QCOMPARE(form.view->SideToneCheck()->isChecked(), sideTone);
        form.view->SideToneCheck()->setChecked(!sideTone);
        form.view->SaveToImage();

        Image expected = before;
        expected[0xFC5] ^= 0x40;
        for (std::size_t i = 0xFE8; i <= 0xFEA; ++i) {
            expected[i] = form.data.image[i];
        }
        QVERIFY2(form.data.image == expected, qPrintable(QString("round %1").arg(round)));
        // The timings written are what the edits show.
        QCOMPARE(form.view->FirstDigitDelayEdit()->text().toInt(),
                 (form.data.image[0xFE8] + 1) * 50);
        QCOMPARE(form.view->DigitIntervalEdit()->text().toInt(), (form.data.image[0xFE9] + 2) * 25);
        QCOMPARE(form.view->DigitDelayTimeEdit()->text().toInt(),
                 (form.data.image[0xFEA] + 2) * 25);
    }
}

QTEST_MAIN(CDtmfViewTest)
#include "CDtmfViewTest.moc"
