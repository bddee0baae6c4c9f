#pragma once

#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <functional>

namespace ht57 {

// The "Print preview" window: Qt's standard preview with its toolbar, shown
// maximised in place of the main window, which it hides while it is open and
// shows again when it closes (by its close box, Escape, or after printing
// from its toolbar). It deletes itself once closed.
class CViewPrintPreview : public QPrintPreviewDialog {
    Q_OBJECT

public:
    // Draws the pages whenever the preview asks for them.
    using Render = std::function<void(QPrinter* printer)>;

    CViewPrintPreview(QPrinter& printer, QWidget& mainWindow, Render render);

    // Hides the main window and shows the preview maximised.
    void StartPreview();

    void done(int result) override;

private:
    QPointer<QWidget> mainWindow_;
    Render render_;
    // The main window's place, size and maximised state when it was hidden;
    // a window manager may place a window that is mapped again anew.
    QByteArray mainGeometry_;
};

}  // namespace ht57
