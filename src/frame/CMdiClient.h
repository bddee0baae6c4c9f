#pragma once

#include <QMdiArea>
#include <QPixmap>
#include <filesystem>

namespace ht57 {

// The main window's client area: holds the view windows and tiles a bitmap
// across its background, from the top-left corner, column by column.
class CMdiClient : public QMdiArea {
    Q_OBJECT

public:
    explicit CMdiClient(QWidget* parent = nullptr);

    // Loads the bitmap from disk; a missing or unreadable file leaves the
    // default background. Returns whether a bitmap is now set.
    bool SetBitmap(const std::filesystem::path& file);
    bool HasBitmap() const { return !bitmap_.isNull(); }

    // Lines minimised view windows up along the bottom edge.
    void ArrangeIcons();

    // The standard arrangements, then every window pulled and cut back
    // into the visible area so none of it lies out of reach.
    void Cascade();
    void Tile();
    void KeepWindowsInside();

private:
    QPixmap bitmap_;
};

}  // namespace ht57
