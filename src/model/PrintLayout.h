#pragma once

#include <vector>

namespace ht57 {

// Margins of the printed page in device units: the first line of a page has
// its top this far below the page top, and no line may end closer than this
// to the page bottom (unless it is alone on its page).
inline constexpr int kPageMargin = 50;
// The ink keeps at least this far from the left and right edges of the
// printable area; within them it stands in the middle of the sheet.
inline constexpr int kLineInset = 10;

// The lines [firstLine, endLine) of the listing that one page holds.
struct PrintPage {
    int firstLine;
    int endLine;
    friend bool operator==(const PrintPage&, const PrintPage&) = default;
};

// Splits `lineCount` lines of `lineHeight` over pages of `pageHeight`. Every
// page takes at least one line, so a font taller than the page still ends;
// no lines give one empty page.
std::vector<PrintPage> PaginateLines(int lineCount, int lineHeight, int pageHeight);

// Top of the line at `indexOnPage` (0 for the page's first line), measured
// from the top of its page.
constexpr int LineTop(int indexOnPage, int lineHeight) {
    return kPageMargin + indexOnPage * lineHeight;
}

}  // namespace ht57
