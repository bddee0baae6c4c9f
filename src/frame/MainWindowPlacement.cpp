#include "frame/MainWindowPlacement.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <vector>

namespace ht57 {
namespace {

PixelRect ToPixels(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

std::vector<PixelRect> WorkAreas() {
    std::vector<PixelRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.push_back(ToPixels(screen->availableGeometry()));
    }
    return areas;
}

QScreen* ScreenUnderMouse() {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

void ShowMainWindowPlaced(QWidget& window, const CIniFile& ini) {
    const QSize minimum = window.minimumSizeHint().expandedTo(window.minimumSize());
    const std::optional<WindowPlacement> saved = ReadWindowPlacement(ini);
    const std::vector<PixelRect> areas = WorkAreas();
    if (saved && PlacementFits(*saved, areas, minimum.width(), minimum.height())) {
        // A top-level window's position is that of its frame.
        window.move(saved->frame.x, saved->frame.y);
        window.resize(saved->clientWidth, saved->clientHeight);
        if (saved->maximised) {
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
    return {ToPixels(normalFrame), normal.width(), normal.height(), window.isMaximized()};
}

Result RememberPlacement(const QWidget& window, CIniFile& ini) {
    return WriteWindowPlacement(ini, CurrentPlacement(window));
}

}  // namespace ht57
