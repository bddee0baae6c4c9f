#include "frame/ChannelPrinter.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPageLayout>
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

// How far the ink of the lines reaches from their common start: from the
// shortest run of leading blanks to the end of the longest text. Trailing
// padding may run off the page; only the ink must fit.
struct InkReach {
    int from = 0;
    int to = 0;
    int Width() const { return to - from; }
};

InkReach Reach(const QFont& font, const QPaintDevice& device,
               const std::vector<std::string>& lines) {
    const QFontMetrics metrics(font, &device);
    InkReach reach;
    bool first = true;
    for (const std::string& line : lines) {
        // A title is centred on its own and far shorter than a channel line.
        const std::size_t end = line.find_last_not_of(' ');
        if (IsTitleLine(line) || end == std::string::npos) {
            continue;
        }
        const int from = metrics.horizontalAdvance(
            QString::fromStdString(line.substr(0, line.find_first_not_of(' '))));
        reach.from = first ? from : std::min(reach.from, from);
        first = false;
        reach.to = std::max(
            reach.to, metrics.horizontalAdvance(QString::fromStdString(line.substr(0, end + 1))));
    }
    return reach;
}

QRect SheetOf(const QPrinter& printer) {
    if (printer.fullPage()) {
        return {0, 0, printer.width(), printer.height()};
    }
    const QPageLayout layout = printer.pageLayout();
    const QRect full = layout.fullRectPixels(printer.resolution());
    const QRect paint = layout.paintRectPixels(printer.resolution());
    return full.translated(-paint.topLeft());
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
    Begin(device, std::move(lines), SheetEdges{0, device.width()});
}

void ChannelPrinter::Begin(const QPaintDevice& device, std::vector<std::string> lines,
                           SheetEdges sheet) {
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
        const int widest = Reach(font_, device, lines_).Width();
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
    // The ink centred on the sheet, but never closer than the inset to the
    // edges of the printable area.
    const InkReach reach = Reach(font_, device, lines_);
    middle_ = (sheet.left + sheet.right) / 2;
    const int centred = middle_ - reach.Width() / 2 - reach.from;
    lineStart_ = std::clamp(centred, kLineInset - reach.from,
                            std::max(kLineInset - reach.from, pageWidth_ - kLineInset - reach.to));
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
    for (int line = range.firstLine; line < range.endLine; ++line) {
        const std::string& text = lines_[static_cast<std::size_t>(line)];
        const bool title = IsTitleLine(text);
        const int top = LineTop(line - range.firstLine, lineHeight_);
        // A title's rectangle is centred on the sheet's middle, wide enough
        // for any line.
        const QRect rect = title ? QRect(middle_ - pageWidth_, top, 2 * pageWidth_, lineHeight_)
                                 : QRect(lineStart_, top, pageWidth_, lineHeight_);
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
    const QRect sheet = SheetOf(printer);
    job.Begin(printer, std::move(lines), SheetEdges{sheet.left(), sheet.left() + sheet.width()});
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
