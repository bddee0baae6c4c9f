#include "model/DocumentNames.h"

#include <cstdio>

namespace ht57 {

std::string DateText(const LocalTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", time.year, time.month, time.day);
    return text;
}

std::string DateTimeText(const LocalTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, " %02d:%02d", time.hour, time.minute);
    return DateText(time) + text;
}

std::string ReadDocumentStem(std::string_view model, const LocalTime& time) {
    return SafeFileNamePart(model) + ' ' + DateText(time);
}

std::string ProposedFileName(const std::filesystem::path& currentFile,
                             std::string_view untitledStem, std::string_view extension) {
    const std::u8string stem = currentFile.stem().u8string();
    std::string name =
        stem.empty() ? SafeFileNamePart(untitledStem) : std::string(stem.begin(), stem.end());
    return name + std::string(extension);
}

}  // namespace ht57
