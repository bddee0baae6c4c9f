#include <QCheckBox>
#include <QClipboard>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QUrl>

#include "FrameTestKit.h"
#include "frame/CImportReportDlg.h"
#include "frame/ChannelFileCommands.h"
#include "frame/CommandIds.h"
#include "link/ui/CTransferDlg.h"
#include "model/Backup.h"
#include "model/ChannelCsv.h"
#include "model/ChannelTable.h"
#include "support/SimulatorProcess.h"

using namespace ht57;
using namespace ht57::test;

namespace {

// The program on a folder of its own with the standard views and the channel
// file commands; the backup folder is "opened" into `opened`.
struct Program {
    Program() {
        folder.WriteDefaultDat(factory);
        if (!app.InitInstance()) {
            qFatal("start-up failed");
        }
        ViewRegistry views;
        RegisterStandardViews(views);
        CommandRegistry commands;
        RegisterChannelFileCommands(commands, [this](const QUrl& url) {
            opened = url;
            return true;
        });
        frame = std::make_unique<CMainFrame>(app, std::move(views), std::move(commands));
        frame->show();
    }

    ChannelTexts Channel(int n) { return DecodeChannelAt(app.Data().image, n, app.Data().limits); }

    ProgramFolder folder;
    Bytes factory = FactoryDataFile();
    Application app{folder.Path()};
    std::unique_ptr<CMainFrame> frame;
    QUrl opened;
};

// Clicks the message box button with that text.
ModalAnswerer::Handler Click(const QString& text) {
    return [text](QWidget* dialog) {
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == text) {
                QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
                return;
            }
        }
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    };
}

// Sets the placement to the radio button with that text, from channel
// `first`, then clicks the button.
ModalAnswerer::Handler Place(const QString& placement, int first, const QString& button) {
    return [=](QWidget* dialog) {
        for (QRadioButton* radio : dialog->findChildren<QRadioButton*>()) {
            radio->setChecked(radio->text() == placement);
        }
        dialog->findChild<QSpinBox*>()->setValue(first);
        Click(button)(dialog);
    };
}

// Notes what the import report says, then closes it.
ModalAnswerer::Handler ReadReport(QString* text) {
    return [text](QWidget* dialog) {
        if (auto* report = qobject_cast<CImportReportDlg*>(dialog)) {
            *text = report->Text();
            report->CopyAll();
        }
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    };
}

const char* const kList =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode\n"
    "3,test,146.000,+,0.6,Tone,100.0,88.5,FM\n"
    "4,FAR,222.000,,,,,,FM\n";

}  // namespace

class ChannelFileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void FileMenuOffersTheCommands();
    void ImportReloadsOpenViewsAndShowsACopyableReport_data();
    void ImportReloadsOpenViewsAndShowsACopyableReport();
    void UnknownColumnsAreIgnoredOnlyWhenChosen();
    void ExportWritesTheChannelsInUse();
    void BackupFolderIsMadeAndShown();
    void ReadKeepsABackupOfWhatItRead();
};

void ChannelFileCommandsTest::FileMenuOffersTheCommands() {
    Program program;
    QMenu* file = program.frame->menuBar()->actions().first()->menu();
    QStringList texts;
    for (QAction* action : file->actions()) {
        texts << action->text();
    }
    const qsizetype saveAs = texts.indexOf(QStringLiteral("Save &As..."));
    QVERIFY(saveAs >= 0);
    QCOMPARE(texts.mid(saveAs + 2, 3),
             (QStringList{"Import Channels...", "Export Channels...", "Open Backup Folder"}));
}

void ChannelFileCommandsTest::ImportReloadsOpenViewsAndShowsACopyableReport_data() {
    QTest::addColumn<QString>("scope");
    QTest::addColumn<bool>("othersKept");
    QTest::addColumn<QString>("placement");
    QTest::addColumn<int>("channel");
    QTest::newRow("named channels") << "Named Channels Only" << true << "Place by Location" << 3;
    QTest::newRow("replace all") << "Replace All" << false << "Place by Location" << 3;
    QTest::newRow("from channel 10")
        << "Named Channels Only" << true << "Place from channel N" << 10;
}

void ChannelFileCommandsTest::ImportReloadsOpenViewsAndShowsACopyableReport() {
    QFETCH(QString, scope);
    QFETCH(bool, othersKept);
    QFETCH(QString, placement);
    QFETCH(int, channel);
    Program program;
    const ChannelTexts first = program.Channel(1);
    QVERIFY(!first.rxFrequency.empty());
    WriteFileText(program.folder / "list.csv", kList);
    program.frame->OpenView(ViewKind::ChannelInfo);

    QString report;
    ModalAnswerer answers;
    answers.Then(ChooseFile(program.folder / "list.csv"))
        .Then(Place(placement, channel, scope))
        .Then(ReadReport(&report));
    program.frame->Action(command::kImportChannels)->trigger();
    QVERIFY(answers.AllAnswered());
    QCOMPARE(answers.Unexpected(), 0);

    QVERIFY(report.contains(
        QStringLiteral("skipped: receive frequency 222.000 MHz is outside 136-174 MHz")));
    QVERIFY(report.contains(QStringLiteral("1 of 2 rows stored, 1 skipped")));
    QCOMPARE(report.contains(QStringLiteral("other channels cleared")), !othersKept);
    QCOMPARE(QApplication::clipboard()->text(), report);

    // The open channel view shows the import: committing it must not bring
    // back what it showed before.
    program.frame->CommitViews();
    const ChannelTexts three = program.Channel(channel);
    QCOMPARE(QString::fromStdString(three.rxFrequency), QStringLiteral("146.00000"));
    QCOMPARE(QString::fromStdString(three.txFrequency), QStringLiteral("146.60000"));
    QCOMPARE(QString::fromStdString(three.txTone), QStringLiteral("100.0"));
    QCOMPARE(QString::fromStdString(three.name), QStringLiteral("TEST"));
    QCOMPARE(program.Channel(1) == first, othersKept);
    QCOMPARE(program.Channel(1).rxFrequency.empty(), !othersKept);
}

void ChannelFileCommandsTest::UnknownColumnsAreIgnoredOnlyWhenChosen() {
    Program program;
    WriteFileText(program.folder / "odd.csv", "Location,Frequency,Duplx\n3,146.0125,-\n");
    for (const bool ignore : {false, true}) {
        QString report;
        ModalAnswerer answers;
        answers.Then(ChooseFile(program.folder / "odd.csv"))
            .Then([ignore](QWidget* dialog) {
                for (QCheckBox* box : dialog->findChildren<QCheckBox*>()) {
                    box->setChecked(ignore && box->text() == "Ignore unknown columns");
                }
                Click(QStringLiteral("Named Channels Only"))(dialog);
            })
            .Then(ReadReport(&report));
        program.frame->Action(command::kImportChannels)->trigger();
        QVERIFY(answers.AllAnswered());
        QCOMPARE(report.contains(QStringLiteral("column 3 \"Duplx\" is no column")), ignore);
        QCOMPARE(program.Channel(3).rxFrequency == "146.01250", ignore);
    }
}

void ChannelFileCommandsTest::ExportWritesTheChannelsInUse() {
    Program program;
    QString proposed;
    QString folder;
    ModalAnswerer answers;
    answers.Then(ChooseFile(program.folder / "Data" / "mine", &proposed, &folder));
    program.frame->Action(command::kExportChannels)->trigger();
    QVERIFY(answers.AllAnswered());

    QCOMPARE(folder, QString::fromStdString((program.folder / "Data").string()));
    QCOMPARE(proposed, QStringLiteral("channels.csv"));  // no Model in Program.ini
    const std::string csv = ReadFileText(program.folder / "Data" / "mine.csv");
    QVERIFY(csv.starts_with(std::string(kChannelCsvHeader) + "\r\n"));
    const ChannelTexts first = program.Channel(1);
    QVERIFY(csv.find("\r\n1," + first.name + "," + first.rxFrequency + "0,") != std::string::npos);
}

void ChannelFileCommandsTest::BackupFolderIsMadeAndShown() {
    Program program;
    const auto backups = program.folder / "Data" / "Backups";
    QVERIFY(!std::filesystem::exists(backups));
    program.frame->Action(command::kOpenBackupFolder)->trigger();
    QVERIFY(std::filesystem::is_directory(backups));
    QCOMPARE(program.opened, QUrl::fromLocalFile(QString::fromStdString(backups.string())));
}

void ChannelFileCommandsTest::ReadKeepsABackupOfWhatItRead() {
    Program program;
    Image radio = ImageOf(program.factory);
    radio[0xFC2] = 0x33;  // a squelch normalisation mends, so the backup must keep it
    SimulatorProcess sim({{"--band", "uhf"}, radio});
    QVERIFY2(sim.Started(), sim.Error().c_str());
    program.app.Port().name = sim.PortName();
    const auto backups = program.folder / "Data" / "Backups";

    // After a Read the document is modified: the next one asks about saving it.
    auto read = [&program](bool modified) {
        ModalAnswerer answers;
        if (modified) {
            answers.Then(Press(QMessageBox::Discard));
        }
        answers.Then([](QWidget* dialog) {
            QMetaObject::invokeMethod(dialog,
                                      qobject_cast<CTransferDlg*>(dialog) ? "accept" : "reject",
                                      Qt::QueuedConnection);
        });
        answers.Then(Press(QMessageBox::Ok));
        program.frame->Action(command::kRead)->trigger();
        return answers.AllAnswered() && answers.Unexpected() == 0;
    };
    QVERIFY(read(false));
    QVERIFY(program.app.Data().image[0xFC2] != 0x33);
    QVERIFY(program.frame->isWindowModified());
    QCOMPARE(program.frame->History().Stack().undoText(), QStringLiteral("Read from radio"));

    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(backups)) {
        files.push_back(entry.path());
    }
    QCOMPARE(files.size(), std::size_t{1});
    QVERIFY(files[0].filename().string().starts_with(kCaptionModel));
    RadioData asRead = program.app.Data();
    asRead.image = radio;
    asRead.image[region::kStatusByte] |= region::kBandFlagMask;
    const auto expected = DataFileBytes(asRead, SignatureStamp::Stamp);
    QVERIFY(ReadFileBytes(files[0]) == Bytes(expected.begin(), expected.end()));

    // A backup that cannot be written is told without holding up the Read.
    std::filesystem::remove_all(backups);
    WriteFileText(backups, "in the way");
    QVERIFY(read(true));
    QWidget* told = program.frame->findChild<QWidget*>(QStringLiteral("BackupFailed"));
    QVERIFY(told != nullptr && told->isVisible());
    QVERIFY(program.app.Data().limits == LimitsForBand(1));
}

QTEST_MAIN(ChannelFileCommandsTest)
#include "ChannelFileCommandsTest.moc"
