#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QScrollBar>
#include <QTest>

#include "FrameTestKit.h"
#include "frame/CMdiClient.h"
#include "frame/CMyChildFrame.h"
#include "frame/ChannelPrinter.h"
#include "frame/CommandIds.h"
#include "frame/PowerCommands.h"
#include "frame/PrintCommands.h"
#include "link/ui/CPowerAdjustDlg.h"
#include "model/ChannelListing.h"
#include "model/ChannelRecord.h"
#include "model/PrintLayout.h"
#include "support/SimulatorProcess.h"

using namespace ht57;
using namespace ht57::test;

namespace {

// A started program whose print commands run on a printing object the test
// can reach, printing into a PDF file.
struct PrintingProgram {
    ProgramFolder folder;
    std::unique_ptr<Application> app;
    std::shared_ptr<PrintCommands> printing = std::make_shared<PrintCommands>();
    std::unique_ptr<CMainFrame> frame;
    QString pdf;

    bool Start() {
        folder.WriteDefaultDat(FactoryDataFile());
        app = std::make_unique<Application>(folder.Path());
        if (!app->InitInstance()) {
            return false;
        }
        ViewRegistry views;
        RegisterStandardViews(views);
        CommandRegistry commands;
        RegisterPrintCommands(commands, printing);
        RegisterPowerCommands(commands);
        frame = std::make_unique<CMainFrame>(*app, std::move(views), std::move(commands));
        frame->show();
        pdf = QString::fromStdString((folder / "out.pdf").string());
        printing->Printer().setOutputFormat(QPrinter::PdfFormat);
        printing->Printer().setOutputFileName(pdf);
        return true;
    }

    // Some channels inside the band of the loaded image.
    void PutChannels(int count) {
        RadioData& data = frame->Data();
        for (int n = 1; n <= count; ++n) {
            WriteChannelDefaults(data.image, n,
                                 data.limits.lower + static_cast<std::uint32_t>(n) * 2'500);
        }
    }

    void Trigger(int command) { frame->Action(command)->trigger(); }
};

int PdfPageCount(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly)) {
        return -1;
    }
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(pdf.readAll()).count(page));
}

void SaveShot(QWidget* widget, const char* name) {
    if (const QByteArray folder = qgetenv("HT57_SHOTS"); !folder.isEmpty()) {
        widget->grab().save(QString::fromLocal8Bit(folder) + '/' + QString::fromLatin1(name));
    }
}

std::vector<CViewPrintPreview*> Previews() {
    std::vector<CViewPrintPreview*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* preview = qobject_cast<CViewPrintPreview*>(widget)) {
            found.push_back(preview);
        }
    }
    return found;
}

}  // namespace

class PluggedCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void PrintKeepsTheViewsAndWritesTheListing();
    void CancelledPrintDialogPrintsNothing();
    void PreviewReplacesTheMainWindowUntilClosed();
    void SetupPrintAndPreviewShareOnePrinter();
    void PowerCommandsOpenTheDialogOnTheConfiguredPort_data();
    void PowerCommandsOpenTheDialogOnTheConfiguredPort();
};

void PluggedCommandsTest::PrintKeepsTheViewsAndWritesTheListing() {
    PrintingProgram program;
    QVERIFY(program.Start());
    program.PutChannels(40);
    program.frame->OpenView(ViewKind::Dtmf);
    QVERIFY(program.frame->IsViewOpen(ViewKind::Dtmf));

    bool viewOpenAtDialog = false;
    bool rangeOffered = true;
    ModalAnswerer answers;
    answers.Then([&](QWidget* dialog) {
        auto* print = qobject_cast<QPrintDialog*>(dialog);
        QVERIFY(print != nullptr);
        viewOpenAtDialog = program.frame->IsViewOpen(ViewKind::Dtmf);
        rangeOffered = print->testOption(QAbstractPrintDialog::PrintPageRange) ||
                       print->testOption(QAbstractPrintDialog::PrintSelection);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    program.Trigger(command::kPrint);
    QCOMPARE(answers.Answered(), 1);
    QCOMPARE(answers.Unexpected(), 0);
    QVERIFY(viewOpenAtDialog);
    QVERIFY(!rangeOffered);
    QVERIFY(program.frame->IsViewOpen(ViewKind::Dtmf));

    QPrinter& printer = program.printing->Printer();
    QCOMPARE(printer.docName(), QStringLiteral("data"));
    const auto lines =
        BuildChannelListing(program.frame->Data().image, program.frame->Data().limits);
    QCOMPARE(lines.size(), std::size_t{1 + 4 * 40});
    ChannelPrinter measured;
    measured.Begin(printer, lines);
    QCOMPARE(PdfPageCount(program.pdf), measured.PageCount());
}

void PluggedCommandsTest::CancelledPrintDialogPrintsNothing() {
    PrintingProgram program;
    QVERIFY(program.Start());
    program.frame->OpenView(ViewKind::Dtmf);
    ModalAnswerer answers;
    answers.Then(Cancel());
    program.Trigger(command::kPrint);
    QCOMPARE(answers.Answered(), 1);
    QVERIFY(!QFile::exists(program.pdf));
    QVERIFY(program.frame->IsViewOpen(ViewKind::Dtmf));
}

void PluggedCommandsTest::PreviewReplacesTheMainWindowUntilClosed() {
    PrintingProgram program;
    QVERIFY(program.Start());
    program.PutChannels(128);
    program.frame->OpenView(ViewKind::Dtmf);
    program.frame->OpenView(ViewKind::ChannelInfo);
    const QPointer<CMyChildFrame> dtmf = program.frame->ViewSlot(ViewKind::Dtmf);
    const QPointer<CMyChildFrame> channels = program.frame->ViewSlot(ViewKind::ChannelInfo);

    program.Trigger(command::kPrintPreview);
    QCOMPARE(Previews().size(), std::size_t{1});
    CViewPrintPreview* preview = program.printing->Preview();
    QVERIFY(preview != nullptr);
    QPointer<CViewPrintPreview> guard(preview);
    QVERIFY(QTest::qWaitForWindowExposed(preview));
    QVERIFY(!program.frame->isVisible());
    QCOMPARE(preview->windowTitle(), QStringLiteral("Print preview"));
    QVERIFY(preview->isMaximized());

    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    QVERIFY(pages != nullptr);
    ChannelPrinter measured;
    measured.Begin(program.printing->Printer(),
                   BuildChannelListing(program.frame->Data().image, program.frame->Data().limits));
    QTRY_COMPARE(pages->pageCount(), measured.PageCount());
    QVERIFY(measured.PageCount() > 1);
    SaveShot(preview, "print-preview.png");

    // A second preview only brings the first to the front.
    program.Trigger(command::kPrintPreview);
    QCOMPARE(Previews().size(), std::size_t{1});
    QCOMPARE(program.printing->Preview(), preview);
    QVERIFY(!program.frame->isVisible());

    preview->close();
    QVERIFY(program.frame->isVisible());
    QTRY_VERIFY(guard.isNull());
    QVERIFY(program.printing->Preview() == nullptr);
    // The same view windows are back, the last one opened still in front.
    QVERIFY(!dtmf.isNull() && !channels.isNull());
    QCOMPARE(program.frame->ViewSlot(ViewKind::Dtmf), dtmf.data());
    QCOMPARE(program.frame->ViewSlot(ViewKind::ChannelInfo), channels.data());
    QCOMPARE(program.frame->MdiClient()->currentSubWindow(), channels.data());
    // The program did not take the moment without windows as a reason to end.
    QCoreApplication::processEvents();
    QVERIFY(program.frame->isVisible());
}

void PluggedCommandsTest::SetupPrintAndPreviewShareOnePrinter() {
    PrintingProgram program;
    QVERIFY(program.Start());
    QPrinter* setupPrinter = nullptr;
    ModalAnswerer answers;
    answers.Then([&](QWidget* dialog) {
        if (auto* setup = qobject_cast<QPageSetupDialog*>(dialog)) {
            setupPrinter = setup->printer();
        }
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    });
    program.Trigger(command::kPrintSetup);
    QCOMPARE(answers.Answered(), 1);
    QCOMPARE(setupPrinter, &program.printing->Printer());

    program.Trigger(command::kPrintPreview);
    QVERIFY(program.printing->Preview() != nullptr);
    QCOMPARE(program.printing->Preview()->printer(), &program.printing->Printer());
    program.printing->Preview()->close();
}

void PluggedCommandsTest::PowerCommandsOpenTheDialogOnTheConfiguredPort_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("caption");
    QTest::newRow("High Power") << command::kHighPower << "High Power";
    QTest::newRow("Low Power") << command::kLowPower << "Low Power";
}

void PluggedCommandsTest::PowerCommandsOpenTheDialogOnTheConfiguredPort() {
    QFETCH(int, command);
    QFETCH(QString, caption);
    SimulatorProcess sim;
    QVERIFY2(sim.Started(), sim.Error().c_str());

    PrintingProgram program;
    QVERIFY(program.Start());
    program.app->Port().name = sim.PortName();
    QString seenCaption;
    int seenLL = -1;
    ModalAnswerer answers;
    answers.Then([&](QWidget* dialog) {
        auto* power = qobject_cast<CPowerAdjustDlg*>(dialog);
        QVERIFY(power != nullptr);
        seenCaption = power->windowTitle();
        seenLL = power->Bar(0)->value();
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    program.Trigger(command);
    QCOMPARE(answers.Answered(), 1);
    QCOMPARE(seenCaption, caption);
    // The radio's own value, kept by OK, and the session ended when the dialog closed.
    QTRY_VERIFY(!sim.Trace().empty() && sim.Trace().back() == Byte{0x62});
    QTRY_VERIFY(sim.SavedImage().has_value());
    const Image radio = *sim.SavedImage();
    QCOMPARE(seenLL, int(radio[0xFF0]));
    QCOMPARE(program.frame->Data().image[0xFF0], radio[0xFF0]);
}

QTEST_MAIN(PluggedCommandsTest)
#include "PluggedCommandsTest.moc"
