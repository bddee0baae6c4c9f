#include "frame/CMdiClient.h"

#include <QMdiSubWindow>
#include <algorithm>

#include "app/PathText.h"
#include "frame/ReadPicture.h"

namespace ht57 {

CMdiClient::CMdiClient(QWidget* parent) : QMdiArea(parent) {
    // A view window reaching past the area scrolls into reach; without
    // scroll bars the area would instead grow the main window past the screen.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

bool CMdiClient::SetBitmap(const std::filesystem::path& file) {
    // The file is a bitmap whatever its name says.
    const QPixmap loaded = ReadPicture(PathToQString(file), "bmp");
    if (!loaded.isNull()) {
        bitmap_ = loaded;
        // A texture brush repeats the bitmap from the area's origin.
        setBackground(QBrush(bitmap_));
    } else {
        bitmap_ = QPixmap();
        setBackground(palette().brush(QPalette::Dark));
    }
    viewport()->update();
    return HasBitmap();
}

void CMdiClient::ArrangeIcons() {
    int x = 0;
    for (QMdiSubWindow* window : subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized()) {
            continue;
        }
        const QSize size = window->size();
        window->move(x, viewport()->height() - size.height());
        x += size.width();
    }
}

void CMdiClient::Cascade() {
    cascadeSubWindows();
    KeepWindowsInside();
}

void CMdiClient::Tile() {
    tileSubWindows();
    KeepWindowsInside();
}

void CMdiClient::KeepWindowsInside() {
    const QRect area(QPoint(0, 0), viewport()->size());
    for (QMdiSubWindow* window : subWindowList()) {
        if (window->isMinimized() || window->isMaximized()) {
            continue;
        }
        QRect frame = window->geometry();
        frame.setSize(frame.size().boundedTo(area.size()).expandedTo(window->minimumSize()));
        frame.moveLeft(std::clamp(frame.left(), 0, std::max(0, area.width() - frame.width())));
        frame.moveTop(std::clamp(frame.top(), 0, std::max(0, area.height() - frame.height())));
        window->setGeometry(frame);
    }
}

}  // namespace ht57
