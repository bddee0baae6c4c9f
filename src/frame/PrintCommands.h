#pragma once

#include <QPointer>
#include <memory>

#include "frame/CViewPrintPreview.h"

class QPrinter;

namespace ht57 {

class CMainFrame;
class CommandRegistry;

// Print, Print Preview and Print Setup of the channel listing. One printer
// object serves all three, so the setup chosen once holds for the following
// jobs and previews. It is made when a print command first needs it: making
// one loads the print system, which a start that prints nothing should not pay
// for.
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

    QPrinter& Printer();
    // The open preview window, nullptr when there is none.
    CViewPrintPreview* Preview() const { return preview_.data(); }

private:
    std::unique_ptr<QPrinter> printer_;
    QPointer<CViewPrintPreview> preview_;
};

// Registers the three print commands on `printing`, which the registry's
// handlers keep alive.
void RegisterPrintCommands(CommandRegistry& registry, std::shared_ptr<PrintCommands> printing);

}  // namespace ht57
