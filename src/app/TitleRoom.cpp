#include "app/TitleRoom.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QMessageBox>
#include <algorithm>

namespace ht57 {
namespace {

// The window manager draws the title in a font of its own, often bold and a
// little larger than the program's; its buttons and icon are about one title
// height each.
constexpr int kTitleButtons = 5;
constexpr double kTitleFontGrowth = 1.15;

class TitleRoomKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* dialog = qobject_cast<QDialog*>(watched);
            // A message box sizes itself as it is shown and would undo it.
            if (dialog != nullptr && dialog->isWindow() &&
                qobject_cast<QMessageBox*>(dialog) == nullptr) {
                const int needed = TitleWidth(*dialog);
                if (dialog->minimumWidth() < needed) {
                    dialog->setMinimumWidth(needed);
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int TitleWidth(const QWidget& window) {
    QFont font = window.font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int text = metrics.horizontalAdvance(window.windowTitle());
    return static_cast<int>(text * kTitleFontGrowth) + kTitleButtons * metrics.height();
}

void KeepRoomForTitles(QApplication& app) {
    app.installEventFilter(new TitleRoomKeeper(&app));
}

}  // namespace ht57
