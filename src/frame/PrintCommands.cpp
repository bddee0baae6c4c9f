#include "frame/PrintCommands.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "frame/CMainFrame.h"
#include "frame/CViewPrintPreview.h"
#include "frame/ChannelPrinter.h"
#include "frame/CommandIds.h"
#include "frame/CommandRegistry.h"
#include "model/ChannelListing.h"

namespace ht57 {
namespace {

// Edits still in the views reach the image, and the image is made consistent,
// before the listing is built from it.
void CommitAndNormalise(CMainFrame& frame) {
    frame.CommitViews();
    frame.Data().Normalise();
}

std::vector<std::string> Listing(CMainFrame& frame) {
    CommitAndNormalise(frame);
    return BuildChannelListing(frame.Data().image, frame.Data().limits);
}

void NameJob(QPrinter& printer, CMainFrame& frame) {
    printer.setDocName(QString::fromStdString(PrintJobName(frame.Files().CurrentFile())));
}

}  // namespace

PrintCommands::PrintCommands() = default;

PrintCommands::~PrintCommands() {
    delete preview_.data();
}

QPrinter& PrintCommands::Printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

// The open views stay as they are through Print and Print Preview: the
// listing is built from the image, so they need only hand their edits over.
void PrintCommands::Print(CMainFrame& frame) {
    CommitAndNormalise(frame);

    QPrintDialog dialog(&Printer(), &frame);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    // Without a print system a file is the only place a job can go.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    Printer().setPrintRange(QPrinter::AllPages);
    NameJob(Printer(), frame);
    (void)PrintChannelListing(Printer(), Listing(frame));
}

void PrintCommands::PrintPreview(CMainFrame& frame) {
    CommitAndNormalise(frame);
    if (preview_ != nullptr) {
        preview_->raise();
        preview_->activateWindow();
        return;
    }
    NameJob(Printer(), frame);
    preview_ = new CViewPrintPreview(Printer(), frame, [&frame](QPrinter* printer) {
        (void)PrintChannelListing(*printer, Listing(frame));
    });
    preview_->StartPreview();
}

void PrintCommands::PrintSetup(CMainFrame& frame) {
    QPageSetupDialog dialog(&Printer(), &frame);
    dialog.exec();
}

void RegisterPrintCommands(CommandRegistry& registry, std::shared_ptr<PrintCommands> printing) {
    registry.Register(command::kPrint, [printing](CMainFrame& frame) { printing->Print(frame); });
    registry.Register(command::kPrintPreview,
                      [printing](CMainFrame& frame) { printing->PrintPreview(frame); });
    registry.Register(command::kPrintSetup,
                      [printing](CMainFrame& frame) { printing->PrintSetup(frame); });
}

}  // namespace ht57
