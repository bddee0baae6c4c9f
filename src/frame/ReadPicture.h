#pragma once

#include <QImageReader>
#include <QPixmap>

namespace ht57 {

// Reads a picture of a known format with Qt's own reader for it. Left to
// guess, the reader would first load every image format plugin installed to
// ask each whether it knows the file, which a start that shows only PNG and
// BMP pictures need not pay for. A null pixmap when the file cannot be read.
inline QPixmap ReadPicture(const QString& file, const char* format) {
    QImageReader reader(file, format);
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace ht57
