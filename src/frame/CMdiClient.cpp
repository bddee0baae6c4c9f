#include "frame/CMdiClient.h"

#include <QMdiSubWindow>

#include "app/PathText.h"

namespace ht57 {

CMdiClient::CMdiClient(QWidget* parent) : QMdiArea(parent) {}

bool CMdiClient::SetBitmap(const std::filesystem::path& file) {
    QPixmap loaded;
    if (loaded.load(PathToQString(file))) {
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

}  // namespace ht57
