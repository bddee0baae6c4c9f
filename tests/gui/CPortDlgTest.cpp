#include <QAbstractButton>
#include <QButtonGroup>
#include <QTest>
#include <set>
#include <string>
#include <vector>

#include "link/PortNames.h"
#include "link/ui/CPortDlg.h"

using ht57::CPortDlg;
using ht57::PortChoice;
using ht57::PortScheme;
using ht57::PortSettings;

// Device lists are injected and live under /fake, so nothing here can reach
// a real serial port.
namespace {

// A machine with the given devices, of which only `free` can be opened.
struct FakeMachine {
    PortScheme scheme = PortScheme::ComNumbers;
    std::vector<std::string> devices;
    std::set<std::string> free;

    ht57::PortChoiceSource Source() const {
        return [machine = *this](const std::string& current) {
            return ht57::BuildPortChoice(
                machine.scheme, current,
                [&machine](const std::string& name) { return machine.free.count(name) > 0; },
                [&machine] {
                    return std::vector<ht57::SerialDevice>(machine.devices.begin(),
                                                           machine.devices.end());
                });
        };
    }
};

using Names = std::vector<std::string>;

}  // namespace

Q_DECLARE_METATYPE(PortScheme)
Q_DECLARE_METATYPE(Names)

class CPortDlgTest : public QObject {
    Q_OBJECT

private slots:
    void OpensWithCurrentPortChecked_data();
    void OpensWithCurrentPortChecked();
    void StoresChoiceOnOk_data();
    void StoresChoiceOnOk();
    void CancelKeepsName();
    void OkWithNothingCheckedKeepsName();
    void ChosenTwelveIsCheckedOnReopen();
    void LaysOutFourRowsOfFour();
};

void CPortDlgTest::OpensWithCurrentPortChecked_data() {
    QTest::addColumn<PortScheme>("scheme");
    QTest::addColumn<Names>("devices");
    QTest::addColumn<Names>("free");
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("visible");
    QTest::addColumn<QString>("checkedLabel");  // empty: none checked
    QTest::addColumn<QStringList>("disabled");

    const Names none;
    QTest::newRow("COM3 free and stored")
        << PortScheme::ComNumbers << none << Names{"COM1", "COM3"} << "COM3" << 16 << "COM3"
        << QStringList{"COM2", "COM4", "COM16"};
    QTest::newRow("stored port held elsewhere") << PortScheme::ComNumbers << none << Names{"COM1"}
                                                << "COM3" << 16 << "" << QStringList{"COM3"};
    QTest::newRow("COM12 in device namespace")
        << PortScheme::ComNumbers << none << Names{"\\\\.\\COM12"} << "\\\\.\\COM12" << 16
        << "COM12" << QStringList{"COM1", "COM9"};
    QTest::newRow("empty name checks nothing")
        << PortScheme::ComNumbers << none << Names{"COM1", "COM2"} << "" << 16 << ""
        << QStringList{"COM3"};
    QTest::newRow("no port opens") << PortScheme::ComNumbers << none << none << "COM1" << 16 << ""
                                   << QStringList{"COM1", "COM2", "COM15", "COM16"};
    QTest::newRow("pseudo-terminal labelled by its path")
        << PortScheme::DevicePaths << Names{"/fake/ttyS0", "/fake/ttyUSB0"}
        << Names{"/fake/ttyUSB0", "/dev/pts/7"} << "/dev/pts/7" << 3 << "/dev/pts/7"
        << QStringList{"/fake/ttyS0"};
    QTest::newRow("listed device current")
        << PortScheme::DevicePaths << Names{"/fake/ttyS0", "/fake/ttyUSB0"} << Names{"/fake/ttyS0"}
        << "/fake/ttyS0" << 2 << "/fake/ttyS0" << QStringList{"/fake/ttyUSB0"};
}

void CPortDlgTest::OpensWithCurrentPortChecked() {
    QFETCH(PortScheme, scheme);
    QFETCH(Names, devices);
    QFETCH(Names, free);
    QFETCH(QString, current);
    QFETCH(int, visible);
    QFETCH(QString, checkedLabel);
    QFETCH(QStringList, disabled);

    const FakeMachine machine{scheme, devices, {free.begin(), free.end()}};
    PortSettings settings{current.toStdString(), 9600};
    CPortDlg dialog(settings, nullptr, machine.Source());

    int shown = 0;
    QStringList labels;
    for (QAbstractButton* button : dialog.Buttons()->buttons()) {
        if (!button->isHidden()) {
            ++shown;
            labels << button->text();
        }
    }
    QCOMPARE(shown, visible);

    QAbstractButton* checked = dialog.Buttons()->checkedButton();
    QCOMPARE(checked ? checked->text() : QString(), checkedLabel);

    for (QAbstractButton* button : dialog.Buttons()->buttons()) {
        if (button->isHidden()) {
            continue;
        }
        const bool shouldBeDisabled = disabled.contains(button->text());
        if (shouldBeDisabled) {
            QVERIFY2(!button->isEnabled(), qPrintable(button->text()));
        }
        // An enabled button is exactly a port the probe can open.
        const std::string name = scheme == PortScheme::ComNumbers
                                     ? ht57::PortNameForNumber(dialog.Buttons()->id(button) -
                                                               CPortDlg::kFirstButtonId + 1)
                                     : button->text().toStdString();
        QCOMPARE(button->isEnabled(), machine.free.count(name) > 0);
    }
    if (const QByteArray shots = qgetenv("HT57_SHOTS"); !shots.isEmpty()) {
        dialog.adjustSize();
        dialog.grab().save(QString::fromLocal8Bit(shots) + "/port-" +
                           QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-') + ".png");
    }
}

void CPortDlgTest::StoresChoiceOnOk_data() {
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("stored");

    QTest::newRow("COM1") << 1 << "COM1";
    QTest::newRow("COM9") << 9 << "COM9";
    QTest::newRow("COM10") << 10 << "\\\\.\\COM10";
    QTest::newRow("COM16") << 16 << "\\\\.\\COM16";
}

void CPortDlgTest::StoresChoiceOnOk() {
    QFETCH(int, port);
    QFETCH(QString, stored);

    FakeMachine machine;
    for (int n = 1; n <= ht57::kPortCount; ++n) {
        machine.free.insert(ht57::PortNameForNumber(n));
    }
    PortSettings settings{"COM2", 4800};
    CPortDlg dialog(settings, nullptr, machine.Source());
    QAbstractButton* button = dialog.Buttons()->button(CPortDlg::kFirstButtonId + port - 1);
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("COM%1").arg(port));
    QTest::mouseClick(button, Qt::LeftButton);
    dialog.accept();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(settings.name), stored);
    QCOMPARE(settings.baudRate, 4800);
}

void CPortDlgTest::CancelKeepsName() {
    FakeMachine machine{PortScheme::ComNumbers, {}, {"COM3", "COM5"}};
    PortSettings settings{"COM3", 9600};
    CPortDlg dialog(settings, nullptr, machine.Source());
    QTest::mouseClick(dialog.Buttons()->button(CPortDlg::kFirstButtonId + 4), Qt::LeftButton);
    QVERIFY(dialog.Buttons()->button(CPortDlg::kFirstButtonId + 4)->isChecked());
    dialog.reject();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(settings.name, std::string("COM3"));
}

void CPortDlgTest::OkWithNothingCheckedKeepsName() {
    // The stored port is in use elsewhere: nothing is checked and OK keeps it.
    FakeMachine machine{PortScheme::ComNumbers, {}, {"COM1", "COM2"}};
    PortSettings settings{"COM7", 9600};
    CPortDlg dialog(settings, nullptr, machine.Source());
    QVERIFY(!dialog.Buttons()->checkedButton());
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(settings.name, std::string("COM7"));
}

void CPortDlgTest::ChosenTwelveIsCheckedOnReopen() {
    FakeMachine machine{PortScheme::ComNumbers, {}, {"COM1", ht57::PortNameForNumber(12)}};
    PortSettings settings{"COM1", 9600};
    {
        CPortDlg dialog(settings, nullptr, machine.Source());
        QTest::mouseClick(dialog.Buttons()->button(CPortDlg::kFirstButtonId + 11), Qt::LeftButton);
        dialog.accept();
    }
    QCOMPARE(settings.name, ht57::PortNameForNumber(12));
    CPortDlg reopened(settings, nullptr, machine.Source());
    QCOMPARE(reopened.Buttons()->checkedId(), CPortDlg::kFirstButtonId + 11);
}

void CPortDlgTest::LaysOutFourRowsOfFour() {
    FakeMachine machine{PortScheme::ComNumbers, {}, {"COM1"}};
    PortSettings settings{"COM1", 9600};
    CPortDlg dialog(settings, nullptr, machine.Source());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Port"));

    // COM1..COM4 share the first row, COM5 starts the second, COM4 and COM8
    // share a column.
    const auto pos = [&dialog](int port) {
        return dialog.Buttons()->button(CPortDlg::kFirstButtonId + port - 1)->pos();
    };
    QCOMPARE(pos(1).y(), pos(4).y());
    QVERIFY(pos(5).y() > pos(1).y());
    QCOMPARE(pos(4).x(), pos(8).x());
    QCOMPARE(pos(13).x(), pos(1).x());
    QVERIFY(pos(16).y() > pos(12).y());

    if (const QByteArray shot = qgetenv("HT57_SHOTS"); !shot.isEmpty()) {
        dialog.grab().save(QString::fromLocal8Bit(shot) + "/port-dialog.png");
    }
}

QTEST_MAIN(CPortDlgTest)
#include "CPortDlgTest.moc"
