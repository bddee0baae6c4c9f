#include "model/UserText.h"

#include <utility>
#include <vector>

namespace ht57 {
namespace {

TextTranslator& Translator() {
    static TextTranslator translator;
    return translator;
}

}  // namespace

void SetTextTranslator(TextTranslator translator) {
    Translator() = std::move(translator);
}

namespace detail {

std::string FillTemplate(const char* source, std::initializer_list<std::string_view> args) {
    const TextTranslator& translator = Translator();
    const std::string pattern = translator ? translator(source) : std::string(source);
    const std::vector<std::string_view> values(args);
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '0');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && number <= values.size()) {
            text += values[number - 1];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace detail
}  // namespace ht57
