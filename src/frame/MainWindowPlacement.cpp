#include "frame/MainWindowPlacement.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <vector>

namespace ht57 {
namespace {

PixelRect ToPixels(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// A screen's work area in device pixels; Qt's own are scaled about the
// screen's top left corner.
PixelRect DeviceWorkArea(const QScreen& screen) {
    const QPoint origin = screen.geometry().topLeft();
    return ScaleRect(ToPixels(screen.availableGeometry()), origin.x(), origin.y(),
                     screen.devicePixelRatio());
}

QScreen* ScreenUnderMouse() {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

void ShowMainWindowPlaced(QWidget& window, const CIniFile& ini) {
    const QSize minimum = window.minimumSizeHint().expandedTo(window.minimumSize());
    std::optional<WindowPlacement> saved = ReadWindowPlacement(ini);
    std::vector<PixelRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.push_back(DeviceWorkArea(*screen));
    }
    const std::optional<PixelRect> home =
        saved ? HomeArea(*saved, areas) : std::optional<PixelRect>();
    if (home) {
        const QScreen* screen = QGuiApplication::screens().at(
            static_cast<qsizetype>(std::find(areas.begin(), areas.end(), *home) - areas.begin()));
        const QPoint origin = screen->geometry().topLeft();
        // Back from device pixels into those of this start's scaling.
        const WindowPlacement placed = ScalePlacement(ClipPlacement(*saved, *home), origin.x(),
                                                      origin.y(), 1.0 / screen->devicePixelRatio());
        // A top-level window's position is that of its frame.
        window.move(placed.frame.x, placed.frame.y);
        window.resize(QSize(placed.clientWidth, placed.clientHeight).expandedTo(minimum));
        if (placed.maximised) {
            window.showMaximized();
        } else {
            window.show();
        }
        return;
    }
    if (QScreen* screen = ScreenUnderMouse()) {
        // The client gets the frame's whole size: the window manager's title
        // bar and border then take part of the margin DefaultFrame leaves.
        const PixelRect frame = DefaultFrame(ToPixels(screen->availableGeometry()));
        window.move(frame.x, frame.y);
        window.resize(QSize(frame.width, frame.height).expandedTo(minimum));
    }
    window.show();
}

WindowPlacement CurrentPlacement(const QWidget& window) {
    const QRect client = window.geometry();
    const QRect frame = window.frameGeometry();
    const QMargins border(client.left() - frame.left(), client.top() - frame.top(),
                          frame.right() - client.right(), frame.bottom() - client.bottom());
    // normalGeometry is the client area the window has when not maximised.
    const QRect normal =
        window.isMaximized() || window.isFullScreen() ? window.normalGeometry() : client;
    const QRect normalFrame = normal.marginsAdded(border);
    const WindowPlacement placement{ToPixels(normalFrame), normal.width(), normal.height(),
                                    window.isMaximized()};
    // Kept in device pixels, so a start at another scaling opens as large.
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return placement;
    }
    const QPoint origin = screen->geometry().topLeft();
    return ScalePlacement(placement, origin.x(), origin.y(), screen->devicePixelRatio());
}

}  // namespace ht57
