#include "frame/ChannelPrinter.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "model/ChannelListing.h"

namespace ht57 {
namespace {

constexpr int kFontPoints = 12;
constexpr int kMaxFits = 8;
constexpr qreal kMinPoints = 1.0;
const QString kPreferredFace = QStringLiteral("Fixedsys");

int WidestLine(const QFont& font, const QPaintDevice& device,
               const std::vector<std::string>& lines) {
    const QFontMetrics metrics(font, &device);
    int widest = 0;
    for (const std::string& line : lines) {
        // Trailing padding may run off the page; only the ink must fit.
        std::string text = IsTitleLine(line) ? line.substr(1) : line;
        text.erase(text.find_last_not_of(' ') + 1);
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(text)));
    }
    return widest;
}

}  // namespace

QFont PrintingFont() {
    QFont font = QFontDatabase::families().contains(kPreferredFace, Qt::CaseInsensitive)
                     ? QFont(kPreferredFace)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(kFontPoints);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

std::string PrintJobName(const std::filesystem::path& currentFile) {
    const std::string name = currentFile.filename().string();
    const std::string base = name.substr(0, name.find('.'));
    return base.empty() ? std::string("data") : base;
}

void ChannelPrinter::Begin(const QPaintDevice& device, std::vector<std::string> lines) {
    lines_ = std::move(lines);
    pageWidth_ = device.width();
    pageHeight_ = device.height();
    font_ = PrintingFont();
    // A channel line is 90 characters; at 12 points that is wider than the
    // printable width of an upright A4 or Letter page, and the transmit
    // frequency would be cut off at the edge. The font shrinks until the
    // widest line fits.
    const int available = pageWidth_ - 2 * kLineInset;
    for (int attempt = 0; attempt < kMaxFits && available > 0; ++attempt) {
        const int widest = WidestLine(font_, device, lines_);
        if (widest <= available) {
            break;
        }
        const qreal scale = static_cast<qreal>(available) / widest;
        font_.setPointSizeF(
            std::max(kMinPoints, std::floor(font_.pointSizeF() * scale * 10.0 - 1.0) / 10.0));
    }
    // Metrics at the device's own resolution: the font's height in printer
    // dots plus its external leading.
    const QFontMetrics metrics(font_, &device);
    lineHeight_ = metrics.height() + metrics.leading();
    pages_ = PaginateLines(static_cast<int>(lines_.size()), lineHeight_, pageHeight_);
}

void ChannelPrinter::DrawPage(QPainter& painter, int page) const {
    if (page < 1 || page > PageCount()) {
        return;
    }
    const PrintPage& range = pages_[static_cast<std::size_t>(page - 1)];
    painter.save();
    painter.setFont(font_);
    painter.setPen(Qt::black);
    const int width = pageWidth_ - 2 * kLineInset;
    for (int line = range.firstLine; line < range.endLine; ++line) {
        const std::string& text = lines_[static_cast<std::size_t>(line)];
        const bool title = IsTitleLine(text);
        const QRect rect(kLineInset, LineTop(line - range.firstLine, lineHeight_), width,
                         lineHeight_);
        const int align = (title ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
        // No mnemonic processing; a tab inside a line is expanded.
        painter.drawText(rect, align | Qt::TextSingleLine | Qt::TextExpandTabs,
                         QString::fromStdString(title ? text.substr(1) : text));
    }
    painter.restore();
}

bool PrintChannelListing(QPrinter& printer, std::vector<std::string> lines) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    ChannelPrinter job;
    job.Begin(printer, std::move(lines));
    bool healthy = true;
    for (int page = 1; page <= job.PageCount(); ++page) {
        if (page > 1 && !printer.newPage()) {
            healthy = false;
            break;
        }
        job.DrawPage(painter, page);
    }
    if (!healthy) {
        printer.abort();
    }
    painter.end();
    return healthy;
}

}  // namespace ht57
