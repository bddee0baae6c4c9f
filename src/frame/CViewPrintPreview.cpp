#include "frame/CViewPrintPreview.h"

namespace ht57 {

CViewPrintPreview::CViewPrintPreview(QPrinter& printer, QWidget& mainWindow, Render render)
    // A window of its own, not a child of the main window it hides.
    : QPrintPreviewDialog(&printer, nullptr, Qt::Window),
      mainWindow_(&mainWindow),
      render_(std::move(render)) {
    setWindowTitle(tr("Print preview"));
    connect(this, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { render_(target); });
}

void CViewPrintPreview::StartPreview() {
    mainGeometry_ = mainWindow_->saveGeometry();
    mainWindow_->hide();
    showMaximized();
    raise();
    activateWindow();
}

void CViewPrintPreview::done(int result) {
    // The main window comes back before the preview goes, so the program
    // never has no window to show and does not quit.
    if (mainWindow_ != nullptr) {
        mainWindow_->restoreGeometry(mainGeometry_);
        mainWindow_->show();
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
    QPrintPreviewDialog::done(result);
    deleteLater();
}

}  // namespace ht57
