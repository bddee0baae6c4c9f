#include <QDate>
#include <QMdiArea>
#include <QTest>

#include "FrameTestKit.h"
#include "ProbeView.h"
#include "frame/CMdiClient.h"
#include "frame/CMyChildFrame.h"
#include "frame/CommandIds.h"
#include "frame/NavigationTree.h"
#include "link/ui/CTransferDlg.h"
#include "model/ProgrammingLog.h"
#include "support/SimulatorProcess.h"

using namespace ht57;
using namespace ht57::test;

namespace {

constexpr int kTreeMarkRole = Qt::UserRole + 100;

struct Program {
    Program() {
        folder.WriteDefaultDat(factory);
        if (!app.InitInstance()) {
            qFatal("start-up failed");
        }
        frame = std::make_unique<CMainFrame>(app, ProbeRegistry(), CommandRegistry{});
        frame->show();
        frame->OpenView(ViewKind::RadioInfo);
        frame->OpenView(ViewKind::ChannelInfo);
        // Survives only as long as the tree is not rebuilt.
        frame->Tree()->Root()->setData(0, kTreeMarkRole, true);
    }

    int OpenViews() const { return static_cast<int>(frame->MdiClient()->subWindowList().size()); }
    bool TreeRebuilt() const { return !frame->Tree()->Root()->data(0, kTreeMarkRole).toBool(); }

    ProgramFolder folder;
    Bytes factory = FactoryDataFile();
    Application app{folder.Path()};
    std::unique_ptr<CMainFrame> frame;
};

// Presses Start on the transfer dialog, after noting how many view windows
// were still open and the dialog's caption.
ModalAnswerer::Handler Start(const Program& program, int* viewsDuringTransfer, QString* caption) {
    return [&program, viewsDuringTransfer, caption](QWidget* dialog) {
        *viewsDuringTransfer = program.OpenViews();
        *caption = dialog->windowTitle();
        if (auto* transfer = qobject_cast<CTransferDlg*>(dialog)) {
            QMetaObject::invokeMethod(transfer, "accept", Qt::QueuedConnection);
        } else {
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        }
    };
}

// A VHF image whose bytes outside the edited areas are recognisable.
Image RadioImage(const Bytes& factory) {
    Image image = ImageOf(factory);
    for (std::size_t i = 0x830; i < 0xFA0; ++i) {
        image[i] = static_cast<Byte>(i * 11);
    }
    image[region::kStatusByte] &= static_cast<Byte>(~region::kBandFlagMask);
    return image;
}

}  // namespace

class ReadWriteTest : public QObject {
    Q_OBJECT

private slots:
    void ReadReplacesImageAndRebuilds_data();
    void ReadReplacesImageAndRebuilds();
    void FailedReadChangesNothing();
    void WriteSendsImageAndKeepsViews();
};

void ReadWriteTest::ReadReplacesImageAndRebuilds_data() {
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("pane");
    QTest::newRow("UHF radio") << "uhf"
                               << "400-470MHz";
    QTest::newRow("VHF radio") << "vhf"
                               << "136-174MHz";
}

void ReadWriteTest::ReadReplacesImageAndRebuilds() {
    QFETCH(QString, band);
    QFETCH(QString, pane);
    Program program;
    const Image radio = RadioImage(program.factory);
    SimulatorProcess sim({{"--band", band.toStdString()}, radio});
    QVERIFY2(sim.Started(), sim.Error().c_str());
    program.app.Port().name = sim.PortName();
    // The customer's file that was open must not take the radio's data.
    const auto customer = program.folder / "customer.dat";
    WriteFileBytes(customer, program.factory);
    program.frame->History().SetFile(customer);
    if (band == "vhf") {
        // Start from UHF limits so the pane has to change.
        program.app.Data().image[region::kStatusByte] |= region::kBandFlagMask;
        program.frame->RecomputeFrequencyLimits();
    }

    int viewsDuringTransfer = -1;
    QString caption;
    SeenMessage seen;
    ModalAnswerer answers;
    answers.Then(Start(program, &viewsDuringTransfer, &caption))
        .Then(Press(QMessageBox::Ok, &seen));
    program.frame->Action(command::kRead)->trigger();

    QCOMPARE(answers.Answered(), 2);
    QCOMPARE(answers.Unexpected(), 0);
    QCOMPARE(seen.text, QStringLiteral("Read complete: 4096 bytes from the radio."));
    QCOMPARE(caption, QStringLiteral("Read"));
    QCOMPARE(viewsDuringTransfer, 0);

    // What the radio sent, with the band flag from its identification,
    // normalised under that band's limits.
    RadioData expected = program.app.Data();
    expected.image = radio;
    if (band == "uhf") {
        expected.image[region::kStatusByte] |= region::kBandFlagMask;
    }
    expected.RecomputeLimits();
    expected.Normalise();
    QVERIFY(program.app.Data().image == expected.image);
    QCOMPARE(program.app.Data().limits, expected.limits);
    QCOMPARE(program.frame->PaneText(CMainFrame::kFreqPane), pane);
    QVERIFY(program.TreeRebuilt());
    QCOMPARE(program.frame->Tree()->Root()->childCount(), 5);
    QCOMPARE(program.OpenViews(), 0);

    // A new document: named after the radio, modified, and Save asks a name.
    QVERIFY(
        program.frame->windowTitle().contains(QStringLiteral(" [ read from the radio on %1 at ")
                                                  .arg(QString::fromStdString(sim.PortName()))));
    QVERIFY(program.frame->isWindowModified());
    QString proposed;
    answers.Then(ChooseFile({}, &proposed));
    program.frame->Action(command::kSave)->trigger();
    QCOMPARE(answers.Answered(), 3);
    QCOMPARE(proposed,
             QStringLiteral("HT-57 %1.dat").arg(QDate::currentDate().toString(Qt::ISODate)));
    QCOMPARE(ReadFileBytes(customer), program.factory);
}

void ReadWriteTest::FailedReadChangesNothing() {
    Program program;
    SimulatorProcess sim({{"--short-read-block", "200"}, RadioImage(program.factory)});
    QVERIFY2(sim.Started(), sim.Error().c_str());
    program.app.Port().name = sim.PortName();
    program.frame->CommitViews();
    program.app.Data().Normalise();
    const Image before = program.app.Data().image;
    const FrequencyLimits limits = program.app.Data().limits;

    int viewsDuringTransfer = -1;
    QString caption;
    SeenMessage seen;
    ModalAnswerer answers;
    answers.Then(Start(program, &viewsDuringTransfer, &caption))
        .Then(Press(QMessageBox::Ok, &seen));
    program.frame->Action(command::kRead)->trigger();

    QCOMPARE(answers.Answered(), 2);
    QVERIFY(seen.text.startsWith(QStringLiteral("Communication error at address 0xC70")));
    QVERIFY(seen.detail.contains(QString::fromStdString(sim.PortName())));
    QVERIFY(program.app.Data().image == before);
    QCOMPARE(program.app.Data().limits, limits);
    QVERIFY(!program.TreeRebuilt());
    QCOMPARE(program.OpenViews(), 0);
}

void ReadWriteTest::WriteSendsImageAndKeepsViews() {
    Program program;
    Image radio;
    radio.fill(0x3C);
    SimulatorProcess sim({{}, radio});
    QVERIFY2(sim.Started(), sim.Error().c_str());
    program.app.Port().name = sim.PortName();
    auto* probe = static_cast<ProbeView*>(program.frame->ViewSlot(ViewKind::ChannelInfo)->View());
    probe->Editor()->setText(QStringLiteral("66"));
    emit probe->Editor()->editingFinished();

    // The programming log as the setting leaves it in Program.ini.
    const std::filesystem::path log = program.folder / "log.csv";
    program.folder.WriteIni("[Setup]\nKeepProgrammingLog=1\nProgrammingLog=" + log.string() + "\n");

    int viewsDuringTransfer = -1;
    QString caption;
    SeenMessage seen;
    ModalAnswerer answers;
    answers.Then(Start(program, &viewsDuringTransfer, &caption))
        .Then(Press(QMessageBox::Ok, &seen));
    program.frame->Action(command::kWrite)->trigger();

    QCOMPARE(answers.Answered(), 2);
    QCOMPARE(answers.Unexpected(), 0);
    QCOMPARE(caption, QStringLiteral("Write"));
    QCOMPARE(seen.text, QStringLiteral("Radio 1 has been written."));
    const QString rows = QString::fromStdString(ReadFileText(log));
    QCOMPARE(rows.count(QStringLiteral("\r\n")), 2);
    QVERIFY2(rows.endsWith(QString::fromStdString("," + sim.PortName() + ",,") +
                           QString::fromStdString(WrittenBytesDigest(program.app.Data().image)) +
                           ",written\r\n"),
             qPrintable(rows));
    QCOMPARE(viewsDuringTransfer, 2);
    QCOMPARE(program.OpenViews(), 2);
    QVERIFY(!program.TreeRebuilt());

    QCOMPARE(sim.Stop(), 0);
    const std::optional<Image> written = sim.SavedImage();
    QVERIFY(written.has_value());
    const Image& image = program.app.Data().image;
    QCOMPARE(image[kProbeOffsetB], Byte{66});
    QVERIFY(std::equal(image.begin(), image.begin() + region::kWriteEnd, written->begin()));
    QVERIFY(std::all_of(written->begin() + region::kWriteEnd, written->end(),
                        [](Byte b) { return b == 0x3C; }));
}

QTEST_MAIN(ReadWriteTest)
#include "ReadWriteTest.moc"
