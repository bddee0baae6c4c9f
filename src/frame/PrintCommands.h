#pragma once

#include <QPointer>
#include <QPrinter>
#include <memory>

#include "frame/CViewPrintPreview.h"

namespace ht57 {

class CMainFrame;
class CommandRegistry;

// Print, Print Preview and Print Setup of the channel listing. One printer
// object serves all three, so the setup chosen once holds for the following
// jobs and previews.
class PrintCommands {
public:
    PrintCommands();
    // Closes a preview that is still open.
    ~PrintCommands();

    PrintCommands(const PrintCommands&) = delete;
    PrintCommands& operator=(const PrintCommands&) = delete;

    void Print(CMainFrame& frame);
    void PrintPreview(CMainFrame& frame);
    void PrintSetup(CMainFrame& frame);

    QPrinter& Printer() { return printer_; }
    // The open preview window, nullptr when there is none.
    CViewPrintPreview* Preview() const { return preview_.data(); }

private:
    QPrinter printer_;
    QPointer<CViewPrintPreview> preview_;
};

// Registers the three print commands on `printing`, which the registry's
// handlers keep alive.
void RegisterPrintCommands(CommandRegistry& registry, std::shared_ptr<PrintCommands> printing);

}  // namespace ht57
