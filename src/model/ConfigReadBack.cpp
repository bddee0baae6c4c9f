#include "model/ConfigReadBack.h"

#include <yaml-cpp/yaml.h>

#include <map>

#include "model/TextRules.h"
#include "model/UserText.h"

namespace ht57 {
namespace {

// A plain decimal without leading zeros before the point or trailing zeros
// after it.
std::string CanonicalDecimal(std::string_view text) {
    const std::size_t point = text.find('.');
    std::string whole(text.substr(0, point));
    std::string fraction(point == std::string_view::npos ? "" : text.substr(point + 1));
    whole.erase(0, whole.find_first_not_of('0'));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return (whole.empty() ? "0" : whole) + (fraction.empty() ? "" : "." + fraction);
}

std::string KeyText(const YAML::Node& key) {
    const std::string& text = key.Scalar();
    return text::IsPlainDecimal(text) ? CanonicalDecimal(text) : text;
}

bool SameValue(const YAML::Node& given, const YAML::Node& stored) {
    if (given.IsNull() || stored.IsNull()) {
        return given.IsNull() && stored.IsNull();
    }
    const std::string& a = given.Scalar();
    const std::string& b = stored.Scalar();
    if (text::IsPlainDecimal(a) && text::IsPlainDecimal(b)) {
        return CanonicalDecimal(a) == CanonicalDecimal(b);
    }
    bool x = false;
    bool y = false;
    if (given.Tag() != "!" && YAML::convert<bool>::decode(given, x) &&
        YAML::convert<bool>::decode(stored, y)) {
        return x == y;
    }
    return a == b;
}

// As the dump writes it: a null as "~", anything else quoted.
std::string Shown(const YAML::Node& node) {
    return node.IsNull() ? "~" : "\"" + node.Scalar() + "\"";
}

bool IsLeaf(const YAML::Node& node) {
    return node.IsScalar() || node.IsNull();
}

// `line` is the template of one line: the given line, the key path, the
// given value and the stored one.
void Compare(const YAML::Node& given, const YAML::Node& stored, const std::string& path,
             const char* line, std::vector<std::string>& lines) {
    std::map<std::string, YAML::Node> storedByKey;
    for (auto it = stored.begin(); it != stored.end(); ++it) {
        storedByKey.emplace(KeyText(it->first), it->second);
    }
    for (auto it = given.begin(); it != given.end(); ++it) {
        const std::string key = KeyText(it->first);
        const auto found = storedByKey.find(key);
        if (found == storedByKey.end()) {
            continue;
        }
        const std::string at = path.empty() ? key : path + "." + key;
        const YAML::Node value = it->second;
        if (value.IsMap() && found->second.IsMap()) {
            Compare(value, found->second, at, line, lines);
        } else if (value.IsMap() && found->second.IsNull()) {
            // A channel given with its fields that is not in use now.
            lines.push_back(Fill(line, it->first.Mark().line + 1, at,
                                 Fill(Msg("Model", "a channel")), Shown(found->second)));
        } else if (IsLeaf(value) && IsLeaf(found->second) && !SameValue(value, found->second)) {
            // The key's line: an empty value has none of its own.
            lines.push_back(
                Fill(line, it->first.Mark().line + 1, at, Shown(value), Shown(found->second)));
        }
    }
}

std::vector<std::string> CompareTexts(std::string_view given, std::string_view stored,
                                      const char* line) {
    std::vector<std::string> lines;
    const YAML::Node givenRoot = YAML::Load(std::string(given));
    const YAML::Node storedRoot = YAML::Load(std::string(stored));
    if (givenRoot.IsMap() && storedRoot.IsMap()) {
        Compare(givenRoot, storedRoot, "", line, lines);
    }
    return lines;
}

}  // namespace

std::vector<std::string> ReadBackDifferences(std::string_view given, std::string_view stored) {
    return CompareTexts(given, stored, Msg("Model", "line %1: %2: %3 stored as %4"));
}

std::vector<std::string> NormalisedValues(std::string_view stored, std::string_view shown) {
    // The line numbers are the stored dump's, which are the shown one's too.
    return CompareTexts(stored, shown, Msg("Model", "line %1: %2: stored %3, shown as %4"));
}

}  // namespace ht57
