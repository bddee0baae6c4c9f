#pragma once

#include <concepts>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace ht57 {

// Marks a text the user reads so that the translation tools collect it under
// `context`; it returns the text unchanged. The model builds every such text
// as Fill(Msg("Model", "Channel %1 is empty"), n): the whole sentence is one
// template, so a translation may put the values in any order.
constexpr const char* Msg(const char* /*context*/, const char* text) {
    return text;
}

// Turns a source template into the text shown. The default hands the source
// back, so a program that installs none (the command-line tool) stays English.
using TextTranslator = std::function<std::string(const char* source)>;

// Installs the translator Fill uses; an empty one restores the default. Set it
// once at start-up, before any worker thread runs: Fill reads it unguarded.
void SetTextTranslator(TextTranslator translator);

namespace detail {

std::string FillTemplate(const char* source, std::initializer_list<std::string_view> args);

inline std::string_view ArgText(std::string_view text) {
    return text;
}
inline std::string ArgText(std::integral auto number) {
    return std::to_string(number);
}

}  // namespace detail

// The translation of `source` with %1..%9 replaced by the arguments (texts or
// integers). A "%" not followed by the number of a given argument stays as it is.
template <typename... Args>
std::string Fill(const char* source, const Args&... args) {
    return detail::FillTemplate(source, {std::string_view(detail::ArgText(args))...});
}

}  // namespace ht57
