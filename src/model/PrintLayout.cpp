#include "model/PrintLayout.h"

#include <cstdint>

namespace ht57 {

std::vector<PrintPage> PaginateLines(int lineCount, int lineHeight, int pageHeight) {
    std::vector<PrintPage> pages;
    if (lineCount <= 0) {
        pages.push_back({0, 0});
        return pages;
    }
    const std::int64_t limit = static_cast<std::int64_t>(pageHeight) - kPageMargin;
    PrintPage page{0, 0};
    std::int64_t bottom = kPageMargin;  // bottom of the page's last line so far
    for (int line = 0; line < lineCount; ++line) {
        const std::int64_t next = bottom + lineHeight;
        if (next > limit && page.endLine > page.firstLine) {
            pages.push_back(page);
            page = {line, line};
            bottom = kPageMargin;
        }
        bottom += lineHeight;
        page.endLine = line + 1;
    }
    pages.push_back(page);
    return pages;
}

}  // namespace ht57
