#pragma once

#include <QFont>
#include <filesystem>
#include <string>
#include <vector>

#include "model/PrintLayout.h"

class QPaintDevice;
class QPainter;
class QPrinter;

namespace ht57 {

// The printing font: "Fixedsys" at 12 points where it is installed, else the
// system's fixed-pitch font at 12 points. The listing's columns only need a
// fixed pitch.
QFont PrintingFont();

// The print job's name: the current file's name up to its first ".", or
// "data" when no file is open.
std::string PrintJobName(const std::filesystem::path& currentFile);

// Where the sheet's left and right edges lie in a device's x coordinates. A
// printer's device starts at its printable area, which need not sit in the
// middle of the sheet.
struct SheetEdges {
    int left;
    int right;
};

// Draws the channel listing page by page. Begin measures the font and the
// page on the device the job prints to; everything is in that device's
// units, so the layout is the same on paper, in a PDF and in the preview.
// The text stands in the middle of the sheet: its left and right margins are
// equal.
class ChannelPrinter {
public:
    // The sheet is the device itself.
    void Begin(const QPaintDevice& device, std::vector<std::string> lines);
    void Begin(const QPaintDevice& device, std::vector<std::string> lines, SheetEdges sheet);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    // Draws page `page` (1 to PageCount()) with the painter's origin at the
    // page's top left corner.
    void DrawPage(QPainter& painter, int page) const;

    int LineHeight() const { return lineHeight_; }
    int PageWidth() const { return pageWidth_; }
    int PageHeight() const { return pageHeight_; }
    const QFont& Font() const { return font_; }
    const std::vector<PrintPage>& Pages() const { return pages_; }

private:
    std::vector<std::string> lines_;
    std::vector<PrintPage> pages_;
    QFont font_;
    int lineHeight_ = 0;
    int pageWidth_ = 0;
    int pageHeight_ = 0;
    int lineStart_ = kLineInset;
    int middle_ = 0;
};

// Prints every page of the listing as one job on the printer (a real
// printer, a PDF file or the preview). False when the job could not start or
// a page failed, in which case the job was aborted.
bool PrintChannelListing(QPrinter& printer, std::vector<std::string> lines);

}  // namespace ht57
