#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "link/ui/CTransferDlg.h"
#include "support/SimulatorProcess.h"
#include "support/TraceSearch.h"

using ht57::Byte;
using ht57::CTransferDlg;
using ht57::Image;
using ht57::LinkOutcome;
using ht57::PortSettings;
using ht57::RadioData;
using ht57::TransferKind;
using ht57::test::CountOf;
using ht57::test::SimulatorProcess;
using ht57::test::SimulatorSetup;
using Bytes = std::vector<Byte>;

namespace {

// Every byte differs from its neighbours, so a shifted or partial copy shows.
Image Pattern(Byte seed) {
    Image image;
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<Byte>(i * 13 + i / 256 + seed);
    }
    return image;
}

const Bytes kHandshake{'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02};
const Bytes kWriteAbort{'E', 'N', 'D', 'W'};

bool EndsWith(const Bytes& bytes, const Bytes& tail) {
    return bytes.size() >= tail.size() && std::equal(tail.rbegin(), tail.rend(), bytes.rbegin());
}

Bytes ReadFrame(int block) {
    const int address = block * 16;
    return {0x06, 'R', static_cast<Byte>(address >> 8), static_cast<Byte>(address & 0xFF), 16};
}

enum class ExitBy { Button, Escape, CloseBox };

// A message box as the user saw it.
struct SeenMessage {
    QString title;
    QString text;
    bool onlyOk = false;
    bool dialogVisible = false;
    int progress = -1;
    QString percentage;
    bool startEnabled = false;
    QString detail;
};

// What a run of the dialog looked like from the outside.
struct Run {
    int result = -1;
    std::vector<SeenMessage> messages;
    bool keptOpenAfterExit = false;
    bool timedOut = false;
};

QProgressBar* ProgressOf(CTransferDlg& dialog) {
    return dialog.findChild<QProgressBar*>();
}
QString PercentageOf(CTransferDlg& dialog) {
    return dialog.findChild<QLabel*>(QStringLiteral("percentage"))->text();
}
QPushButton* ButtonOf(CTransferDlg& dialog, const char* name) {
    return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
}

void SaveShot(QWidget* widget, const char* name) {
    if (const QByteArray folder = qgetenv("HT57_SHOTS"); !folder.isEmpty()) {
        widget->grab().save(QString::fromLocal8Bit(folder) + '/' + QString::fromLatin1(name));
    }
}

}  // namespace

class CTransferDlgTest : public QObject {
    Q_OBJECT

private slots:
    void ReadReplacesImageAndRunsToTheEnd();
    void WriteSendsEverythingBelowCalibration();
    void ExitBeforeStartClosesWithoutTraffic();
    void ExitDuringWriteSendsAbortAndSaysWhatTheRadioHolds_data();
    void ExitDuringWriteSendsAbortAndSaysWhatTheRadioHolds();
    void ExitDuringReadSendsNothingFurther();
    void FailureIsShownOverTheOpenDialog_data();
    void FailureIsShownOverTheOpenDialog();
    void WriteVerifyReadsBackAndNamesWhatDiffers_data();
    void WriteVerifyReadsBackAndNamesWhatDiffers();
    void WriteNextRadioWritesTheRadioNowOnThePort_data();
    void WriteNextRadioWritesTheRadioNowOnThePort();
    void StartTwiceRunsOneSession();
    void SecondDialogCannotStartWhileOneRuns();

private:
    std::unique_ptr<SimulatorProcess> Launch(std::vector<std::string> args, const Image& memory);

    // Runs the dialog modally: presses Start (`starts` times at once) unless
    // told not to, presses Exit the chosen way once `exitAt` blocks are done
    // (0: before Start), and answers every message box with OK.
    Run Drive(CTransferDlg& dialog, int starts, int exitAt = -1, ExitBy exitBy = ExitBy::Button,
              const std::function<void()>& duringRun = {});
};

std::unique_ptr<SimulatorProcess> CTransferDlgTest::Launch(std::vector<std::string> args,
                                                           const Image& memory) {
    auto sim = std::make_unique<SimulatorProcess>(SimulatorSetup{std::move(args), memory});
    if (!sim->Started()) {
        qWarning("ht57-sim did not start: %s", sim->Error().c_str());
        return nullptr;
    }
    return sim;
}

Run CTransferDlgTest::Drive(CTransferDlg& dialog, int starts, int exitAt, ExitBy exitBy,
                            const std::function<void()>& duringRun) {
    Run run;
    bool exitPressed = false;
    QElapsedTimer clock;
    clock.start();

    const auto pressExit = [&] {
        exitPressed = true;
        switch (exitBy) {
            case ExitBy::Button:
                QTest::mouseClick(ButtonOf(dialog, "exit"), Qt::LeftButton);
                break;
            case ExitBy::Escape:
                QTest::keyClick(&dialog, Qt::Key_Escape);
                break;
            case ExitBy::CloseBox:
                dialog.close();
                break;
        }
    };

    QTimer watcher;
    watcher.setInterval(1);
    QObject::connect(&watcher, &QTimer::timeout, &dialog, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            run.messages.push_back(
                {box->windowTitle(), box->text(), box->standardButtons() == QMessageBox::Ok,
                 dialog.isVisible(), ProgressOf(dialog)->value(), PercentageOf(dialog),
                 ButtonOf(dialog, "start")->isEnabled(), box->informativeText()});
            SaveShot(&dialog, "transfer-failed.png");
            SaveShot(box, "message.png");
            box->button(QMessageBox::Ok)->click();
            return;
        }
        if (exitAt > 0 && !exitPressed && ProgressOf(dialog)->value() >= exitAt) {
            SaveShot(&dialog, "transfer-running.png");
            pressExit();
            run.keptOpenAfterExit = dialog.isVisible() && dialog.Running();
            return;
        }
        if (duringRun && dialog.Running()) {
            duringRun();
        }
        if (clock.elapsed() > 60'000) {
            // Never leave a test hanging on a session that does not end.
            run.timedOut = true;
            dialog.done(-1);
        }
    });

    QTimer::singleShot(0, &dialog, [&] {
        watcher.start();
        if (exitAt == 0) {
            pressExit();
            return;
        }
        for (int i = 0; i < starts; ++i) {
            QTest::mouseClick(ButtonOf(dialog, "start"), Qt::LeftButton);
        }
    });
    run.result = dialog.exec();
    watcher.stop();
    return run;
}

void CTransferDlgTest::ReadReplacesImageAndRunsToTheEnd() {
    Image radio = Pattern(1);
    radio[ht57::region::kStatusByte] = 0x00;
    auto sim = Launch({"--band", "uhf"}, radio);
    QVERIFY(sim);

    RadioData data;
    data.image = Pattern(99);
    CTransferDlg dialog(data, PortSettings{sim->PortName(), 9600}, TransferKind::Read);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Read"));
    QCOMPARE(ProgressOf(dialog)->maximum(), 256);
    QCOMPARE(PercentageOf(dialog), QStringLiteral("0%"));
    QVERIFY(ButtonOf(dialog, "start")->isDefault());

    const Run run = Drive(dialog, 1);
    QVERIFY(!run.timedOut);
    QCOMPARE(run.result, int(QDialog::Accepted));
    QCOMPARE(run.messages.size(), std::size_t{1});
    QCOMPARE(run.messages.front().text,
             QStringLiteral("Read complete: 4096 bytes from the radio."));
    QVERIFY(dialog.Succeeded());
    QCOMPARE(ProgressOf(dialog)->value(), 256);
    QCOMPARE(PercentageOf(dialog), QStringLiteral("100%"));
    QVERIFY(!ButtonOf(dialog, "start")->isEnabled());

    Image expected = radio;
    expected[ht57::region::kStatusByte] |= ht57::region::kBandFlagMask;
    QVERIFY(data.image == expected);
    const Bytes trace = sim->Trace();
    QCOMPARE(CountOf(trace, kHandshake), 1);
    QVERIFY(EndsWith(trace, Bytes{0x06, 'R', 0x0F, 0xF0, 16, 0x06}));
}

void CTransferDlgTest::WriteSendsEverythingBelowCalibration() {
    const Image radio = Pattern(7);
    auto sim = Launch({}, radio);
    QVERIFY(sim);

    RadioData data;
    data.image = Pattern(40);
    const Image before = data.image;
    CTransferDlg dialog(data, PortSettings{sim->PortName(), 9600}, TransferKind::Write);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Write"));
    QCOMPARE(ProgressOf(dialog)->maximum(), 255);

    const Run run = Drive(dialog, 1);
    QVERIFY(!run.timedOut);
    QCOMPARE(run.result, int(QDialog::Accepted));
    QCOMPARE(run.messages.size(), std::size_t{1});
    QCOMPARE(run.messages.front().text, QStringLiteral("Radio 1 has been written."));
    QVERIFY(run.messages.front().detail.startsWith(
        QStringLiteral("Write complete: 4080 bytes sent to the radio.")));
    QVERIFY(dialog.Succeeded());
    QCOMPARE(ProgressOf(dialog)->value(), 255);
    QCOMPARE(PercentageOf(dialog), QStringLiteral("100%"));
    QVERIFY(data.image == before);

    QCOMPARE(sim->Stop(), 0);
    const std::optional<Image> saved = sim->SavedImage();
    QVERIFY(saved);
    const auto calibration = static_cast<std::ptrdiff_t>(ht57::region::kCalibration);
    QVERIFY(std::equal(before.begin(), before.begin() + calibration, saved->begin()));
    QVERIFY(std::equal(radio.begin() + calibration, radio.end(), saved->begin() + calibration));
    QVERIFY(EndsWith(sim->Trace(), Bytes{'E'}));
}

void CTransferDlgTest::ExitBeforeStartClosesWithoutTraffic() {
    for (const TransferKind kind : {TransferKind::Read, TransferKind::Write}) {
        auto sim = Launch({}, Pattern(3));
        QVERIFY(sim);
        RadioData data;
        data.image = Pattern(4);
        CTransferDlg dialog(data, PortSettings{sim->PortName(), 9600}, kind);
        const Run run = Drive(dialog, 0, 0);
        QCOMPARE(run.result, int(QDialog::Rejected));
        QVERIFY(run.messages.empty());
        QVERIFY(!dialog.Succeeded());
        QVERIFY(!dialog.Outcome());
        QVERIFY(data.image == Pattern(4));
        QVERIFY(!sim->WaitForTrace(1, std::chrono::milliseconds(300)));
    }
}

void CTransferDlgTest::ExitDuringWriteSendsAbortAndSaysWhatTheRadioHolds_data() {
    QTest::addColumn<ExitBy>("exitBy");
    QTest::newRow("Exit button") << ExitBy::Button;
    QTest::newRow("Escape") << ExitBy::Escape;
    QTest::newRow("close box") << ExitBy::CloseBox;
}

void CTransferDlgTest::ExitDuringWriteSendsAbortAndSaysWhatTheRadioHolds() {
    QFETCH(ExitBy, exitBy);
    // Paced answers keep the session running long enough to be stopped.
    auto sim = Launch({"--baud", "9600"}, Pattern(5));
    QVERIFY(sim);
    RadioData data;
    data.image = Pattern(6);
    CTransferDlg dialog(data, PortSettings{sim->PortName(), 9600}, TransferKind::Write);

    const Run run = Drive(dialog, 1, 3, exitBy);
    QVERIFY(!run.timedOut);
    QVERIFY(run.keptOpenAfterExit);
    QCOMPARE(run.result, int(QDialog::Rejected));
    QCOMPARE(run.messages.size(), std::size_t{1});
    const int written = ProgressOf(dialog)->value();
    QCOMPARE(run.messages.front().text,
             QStringLiteral("Write cancelled after %1 of 255 blocks.").arg(written));
    QVERIFY(run.messages.front().detail.contains(QStringLiteral("mix of old and new settings")));
    QVERIFY(!dialog.Succeeded());
    QCOMPARE(dialog.Outcome(), std::optional<LinkOutcome>(LinkOutcome::Cancelled));
    QVERIFY(ProgressOf(dialog)->value() >= 3);
    QVERIFY(ProgressOf(dialog)->value() < 255);
    QVERIFY(data.image == Pattern(6));

    QVERIFY(QTest::qWaitFor([&] { return EndsWith(sim->Trace(), kWriteAbort); }, 3000));
    QCOMPARE(CountOf(sim->Trace(), kWriteAbort), 1);
}

void CTransferDlgTest::ExitDuringReadSendsNothingFurther() {
    auto sim = Launch({"--baud", "9600"}, Pattern(8));
    QVERIFY(sim);
    RadioData data;
    data.image = Pattern(9);
    CTransferDlg dialog(data, PortSettings{sim->PortName(), 9600}, TransferKind::Read);

    const Run run = Drive(dialog, 1, 4);
    QVERIFY(!run.timedOut);
    QVERIFY(run.keptOpenAfterExit);
    QCOMPARE(run.result, int(QDialog::Rejected));
    QVERIFY(run.messages.empty());
    QCOMPARE(dialog.Outcome(), std::optional<LinkOutcome>(LinkOutcome::Cancelled));
    QVERIFY(data.image == Pattern(9));

    // The handshake and one frame per finished block; no end byte, no abort.
    const int blocks = ProgressOf(dialog)->value();
    QVERIFY(blocks >= 4 && blocks < 256);
    const std::size_t expected = kHandshake.size() + static_cast<std::size_t>(blocks) * 5;
    QVERIFY(sim->WaitForTrace(expected));
    QTest::qWait(200);
    const Bytes trace = sim->Trace();
    QCOMPARE(trace.size(), expected);
    QVERIFY(EndsWith(trace, ReadFrame(blocks - 1)));
}

void CTransferDlgTest::WriteVerifyReadsBackAndNamesWhatDiffers_data() {
    QTest::addColumn<bool>("otherBand");
    QTest::newRow("radio holds it") << false;
    QTest::newRow("radio reports the other band") << true;
}

void CTransferDlgTest::WriteVerifyReadsBackAndNamesWhatDiffers() {
    QFETCH(bool, otherBand);
    RadioData data;
    data.image = Pattern(40);
    const bool uhf = (data.image[ht57::region::kStatusByte] & ht57::region::kBandFlagMask) != 0;
    auto sim = Launch({"--band", uhf != otherBand ? "uhf" : "vhf"}, Pattern(7));
    QVERIFY(sim);
    CTransferDlg dialog(data, PortSettings{sim->PortName(), 9600}, TransferKind::Write);
    auto* verify = dialog.findChild<QCheckBox*>(QStringLiteral("verify"));
    QVERIFY(verify && !verify->isChecked());
    verify->setChecked(true);

    const Run run = Drive(dialog, 1);
    QVERIFY(!run.timedOut);
    QCOMPARE(dialog.Succeeded(), !otherBand);
    QCOMPARE(run.messages.size(), std::size_t{1});
    if (otherBand) {
        QCOMPARE(run.messages.front().text,
                 QStringLiteral("Write complete, but the radio does not hold what was written."));
        QCOMPARE(run.messages.front().detail,
                 QStringLiteral("Differs at 0xFCE. Write it again before use."));
    } else {
        QCOMPARE(run.messages.front().text,
                 QStringLiteral("Radio 1 has been written and verified."));
        QVERIFY(run.messages.front().detail.startsWith(QStringLiteral(
            "Write complete: 4080 bytes; verified: the radio holds what was written.")));
    }
    QVERIFY(data.image == Pattern(40));
}

void CTransferDlgTest::FailureIsShownOverTheOpenDialog_data() {
    QTest::addColumn<TransferKind>("kind");
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<bool>("missingPort");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("progress");
    QTest::addColumn<QString>("percentage");

    const QString openFailed = QStringLiteral("Fail to open port ");
    QTest::newRow("port missing") << TransferKind::Read << QStringList{} << true << openFailed << 0
                                  << "0%";
    QTest::newRow("12-byte identification")
        << TransferKind::Read << QStringList{"--ident-length", "12"} << false
        << "Communication error: the radio's identification on %1 was cut short." << 0 << "0%";
    QTest::newRow("200th read block short")
        << TransferKind::Read << QStringList{"--short-read-block", "200"} << false
        << "Communication error at address 0xC70 (block 200 of 256)." << 199 << "77%";
    QTest::newRow("100th write block refused")
        << TransferKind::Write << QStringList{"--nak-write-block", "100"} << false
        << "Communication error at address 0x630 (block 100 of 255)." << 99 << "38%";
    QTest::newRow("radio never answers")
        << TransferKind::Write << QStringList{"--ignore-handshakes", "99"} << false
        << "Communication error: the radio did not answer on %1." << 0 << "0%";
}

void CTransferDlgTest::FailureIsShownOverTheOpenDialog() {
    QFETCH(TransferKind, kind);
    QFETCH(QStringList, simArgs);
    QFETCH(bool, missingPort);
    QFETCH(QString, message);
    QFETCH(int, progress);
    QFETCH(QString, percentage);

    std::vector<std::string> args;
    for (const QString& arg : simArgs) {
        args.push_back(arg.toStdString());
    }
    auto sim = Launch(args, Pattern(10));
    QVERIFY(sim);
    const std::string port =
        missingPort ? sim->Folder().string() + "/no-such-tty" : sim->PortName();
    RadioData data;
    data.image = Pattern(11);
    CTransferDlg dialog(data, PortSettings{port, 9600}, kind);

    const Run run = Drive(dialog, 1);
    QVERIFY(!run.timedOut);
    QCOMPARE(run.messages.size(), std::size_t{1});
    const SeenMessage& seen = run.messages.front();
    QCOMPARE(seen.text, missingPort ? message : message.arg(QString::fromStdString(port)));
    QCOMPARE(seen.title, QStringLiteral("Program"));
    QVERIFY(seen.onlyOk);
    QVERIFY(seen.dialogVisible);
    QCOMPARE(seen.progress, progress);
    QCOMPARE(seen.percentage, percentage);
    // Start is disabled only once the port has opened.
    QCOMPARE(seen.startEnabled, missingPort);
    // A port that failed to open tells its cause; a communication error what
    // to check, and for a Write what the radio may hold now.
    QCOMPARE(seen.detail.startsWith(QString::fromStdString("There is no serial port " + port)),
             missingPort);
    QCOMPARE(seen.detail.contains(QStringLiteral("programming mode")), !missingPort);
    QCOMPARE(seen.detail.contains(QStringLiteral("mix of old and new settings")),
             kind == TransferKind::Write && !simArgs.contains("--ignore-handshakes"));

    // Acknowledging the message closes the dialog.
    QCOMPARE(run.result, int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.Succeeded());
    QVERIFY(data.image == Pattern(11));
    if (missingPort) {
        QVERIFY(!sim->WaitForTrace(1, std::chrono::milliseconds(200)));
    }
    if (kind == TransferKind::Write && progress > 0) {
        QVERIFY(QTest::qWaitFor([&] { return EndsWith(sim->Trace(), kWriteAbort); }, 3000));
    }
    if (simArgs.contains("--ignore-handshakes")) {
        QCOMPARE(CountOf(sim->Trace(), kHandshake), 4);
    }
}

void CTransferDlgTest::WriteNextRadioWritesTheRadioNowOnThePort_data() {
    QTest::addColumn<QStringList>("secondArgs");
    QTest::addColumn<QString>("secondOutcome");
    QTest::newRow("second radio written") << QStringList{} << "written";
    QTest::newRow("second radio refuses a block")
        << QStringList{"--nak-write-block", "4"} << "failed: Communication error";
}

void CTransferDlgTest::WriteNextRadioWritesTheRadioNowOnThePort() {
    QFETCH(QStringList, secondArgs);
    QFETCH(QString, secondOutcome);
    // Two radios swapped on one cable: each simulator in turn behind one name.
    const QTemporaryDir folder;
    const std::string link = folder.filePath(QStringLiteral("ttyRadio")).toStdString();
    auto first = Launch({"--link", link}, Pattern(20));
    QVERIFY(first);
    std::unique_ptr<SimulatorProcess> second;
    std::vector<std::string> args{"--link", link};
    for (const QString& arg : secondArgs) {
        args.push_back(arg.toStdString());
    }

    RadioData data;
    data.image = Pattern(21);
    CTransferDlg dialog(data, PortSettings{link, 9600}, TransferKind::Write);
    const std::string log = folder.filePath(QStringLiteral("log.csv")).toStdString();
    dialog.KeepProgrammingLog(log, "shop.dat");
    QStringList seen;  // caption | text | detail of each message
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, &dialog, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen << dialog.windowTitle() + '|' + box->text() + '|' + box->informativeText();
        auto* next = box->findChild<QPushButton*>(QStringLiteral("writeNextRadio"));
        if (seen.size() == 1 && next) {
            first->Stop();
            second = Launch(args, Pattern(22));
            next->click();
        } else {
            SaveShot(&dialog, "next-radio.png");
            box->button(QMessageBox::Ok)->click();
        }
    });
    watcher.start(5);
    QTimer::singleShot(0, &dialog, [&] { dialog.accept(); });
    const int result = dialog.exec();
    watcher.stop();

    const bool secondWritten = secondOutcome == "written";
    QCOMPARE(result, int(secondWritten ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(dialog.RadioNumber(), 2);
    QCOMPARE(seen.size(), 2);
    QVERIFY(seen[0].startsWith("Write|Radio 1 has been written.|"));
    QVERIFY2(
        seen[1].startsWith(secondWritten ? "Write (radio 2)|Radio 2 has been written.|"
                                         : "Write (radio 2)|Communication error at address 0x030 "
                                           "(block 4 of 255).|Radio 2 failed and must be written "
                                           "again."),
        qPrintable(seen[1]));
    QVERIFY(second);
    const auto holds = [&](SimulatorProcess& sim) {
        sim.Stop();
        return std::equal(data.image.begin(), data.image.begin() + ht57::region::kWriteEnd,
                          sim.SavedImage().value_or(Image{}).begin());
    };
    QVERIFY(holds(*first));
    QCOMPARE(holds(*second), secondWritten);

    QFile file(QString::fromStdString(log));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
    const QString digest = QString::fromStdString(ht57::WrittenBytesDigest(data.image));
    const QString prefix = QString::fromStdString(link) + ",shop.dat," + digest + ',';
    QCOMPARE(rows.size(), 3);
    QVERIFY(rows[1].contains(prefix + "written"));
    QVERIFY(rows[2].endsWith(prefix + secondOutcome));
}

void CTransferDlgTest::StartTwiceRunsOneSession() {
    const Image radio = Pattern(12);
    auto sim = Launch({"--band", "vhf"}, radio);
    QVERIFY(sim);
    RadioData data;
    CTransferDlg dialog(data, PortSettings{sim->PortName(), 9600}, TransferKind::Read);

    // Two clicks at once, then Start again (by Enter) while the session runs.
    bool pressedAgain = false;
    const Run run = Drive(dialog, 2, -1, ExitBy::Button, [&] {
        if (!pressedAgain) {
            pressedAgain = true;
            dialog.accept();
        }
    });
    QVERIFY(!run.timedOut);
    QVERIFY(pressedAgain);
    QCOMPARE(run.result, int(QDialog::Accepted));
    QCOMPARE(run.messages.size(), std::size_t{1});
    QCOMPARE(ProgressOf(dialog)->value(), 256);

    const Bytes trace = sim->Trace();
    QCOMPARE(CountOf(trace, kHandshake), 1);
    QCOMPARE(CountOf(trace, ReadFrame(0)), 1);
    QCOMPARE(trace.size(), kHandshake.size() + 256 * 5 + 1);
}

void CTransferDlgTest::SecondDialogCannotStartWhileOneRuns() {
    auto sim = Launch({"--baud", "9600"}, Pattern(13));
    QVERIFY(sim);
    RadioData data;
    data.image = Pattern(14);
    CTransferDlg first(data, PortSettings{sim->PortName(), 9600}, TransferKind::Write);
    first.show();
    first.accept();
    QVERIFY(first.Running());

    RadioData other;
    for (const std::string& port : {sim->PortName(), sim->Folder().string() + "/other-tty"}) {
        CTransferDlg second(other, PortSettings{port, 9600}, TransferKind::Read);
        second.accept();
        QVERIFY(!second.Running());
        QVERIFY(!second.Outcome());
    }

    // The cancelled Write tells what the radio may hold; OK closes it.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->button(QMessageBox::Ok)->click();
        }
    });
    answer.start(10);
    first.reject();
    QVERIFY(QTest::qWaitFor([&] { return !first.Running(); }, 10'000));
    QCOMPARE(first.Outcome(), std::optional<LinkOutcome>(LinkOutcome::Cancelled));
    QCOMPARE(CountOf(sim->Trace(), kHandshake), 1);
}

QTEST_MAIN(CTransferDlgTest)
#include "CTransferDlgTest.moc"
