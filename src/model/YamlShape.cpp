#include "model/YamlShape.h"

#include <yaml-cpp/eventhandler.h>
#include <yaml-cpp/exceptions.h>
#include <yaml-cpp/parser.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "model/UserText.h"

namespace ht57 {
namespace {

// yaml-cpp keeps every token after an unresolved simple key (an unclosed
// "[" for one) queued, and builds a node for each value, so what it costs
// grows with the marks: they are counted before it reads a byte.
constexpr std::string_view kMarkCharacters = "[]{},:-?#&*!|>'\"%@`\n\r";

Result CountMarks(std::string_view yaml) {
    std::size_t marks = 0;
    int line = 1;
    for (const char c : yaml) {
        if (kMarkCharacters.find(c) == std::string_view::npos) {
            continue;
        }
        if (++marks > kMostYamlMarks) {
            return Result::Failure(Fill(Msg("Model",
                                            "line %1: the text holds more than %2 brackets, "
                                            "colons, commas, dashes, quotes and lines, far more "
                                            "than a configuration; nothing was read"),
                                        line, kMostYamlMarks));
        }
        line += c == '\n' ? 1 : 0;
    }
    return Result::Success();
}

struct Refusal {
    Result result;
};

// Numbers name channels and presets, so 5 and 05 are one key.
std::string KeyMeaning(const std::string& key) {
    if (key.empty() ||
        !std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return key;
    }
    const std::size_t first = std::min(key.find_first_not_of('0'), key.size() - 1);
    return key.substr(first);
}

// Walks the events of the text's documents: the nesting, each mapping's keys
// and the documents, refusing at the first that is wrong.
class ShapeCheck : public YAML::EventHandler {
public:
    void OnDocumentStart(const YAML::Mark& mark) override {
        if (++documents_ > 1) {
            Refuse(Fill(Msg("Model",
                            "line %1: a second document starts here; a configuration is "
                            "one document, so nothing was read"),
                        mark.line + 1));
        }
    }
    void OnDocumentEnd() override {}

    void OnNull(const YAML::Mark& mark, YAML::anchor_t) override { Scalar(mark, "~"); }
    void OnAlias(const YAML::Mark&, YAML::anchor_t) override { NodeDone(); }
    void OnScalar(const YAML::Mark& mark, const std::string&, YAML::anchor_t,
                  const std::string& value) override {
        Scalar(mark, value);
    }

    void OnSequenceStart(const YAML::Mark& mark, const std::string&, YAML::anchor_t,
                         YAML::EmitterStyle::value) override {
        Open(mark, false);
    }
    void OnSequenceEnd() override { Close(); }
    void OnMapStart(const YAML::Mark& mark, const std::string&, YAML::anchor_t,
                    YAML::EmitterStyle::value) override {
        Open(mark, true);
    }
    void OnMapEnd() override { Close(); }

private:
    struct Level {
        bool map = false;
        bool atKey = true;
        std::string key;  // the key whose value is being read
        std::map<std::string, int> keyLines;
    };

    [[noreturn]] static void Refuse(std::string message) {
        throw Refusal{Result::Failure(std::move(message))};
    }

    std::string PathTo(const std::string& key) const {
        std::string path;
        for (const Level& level : levels_) {
            if (level.map && !level.atKey) {
                path += level.key + ".";
            }
        }
        return path + key;
    }

    void Scalar(const YAML::Mark& mark, const std::string& value) {
        if (!levels_.empty() && levels_.back().map && levels_.back().atKey) {
            Level& level = levels_.back();
            const int line = mark.line + 1;
            const auto [first, added] = level.keyLines.emplace(KeyMeaning(value), line);
            if (!added) {
                Refuse(Fill(Msg("Model",
                                "line %1: %2: given twice, on lines %3 and %1; a key is "
                                "given once, so nothing was read"),
                            line, PathTo(value), first->second));
            }
            level.key = value;
        }
        NodeDone();
    }

    void Open(const YAML::Mark& mark, bool map) {
        if (levels_.size() >= static_cast<std::size_t>(kDeepestYamlNesting)) {
            Refuse(Fill(Msg("Model",
                            "line %1: nested more than %2 levels deep, deeper than a "
                            "configuration; nothing was read"),
                        mark.line + 1, kDeepestYamlNesting));
        }
        levels_.emplace_back().map = map;
    }

    void Close() {
        levels_.pop_back();
        NodeDone();
    }

    // A key or value is complete: the mapping it is in waits for the other.
    void NodeDone() {
        if (!levels_.empty() && levels_.back().map) {
            levels_.back().atKey = !levels_.back().atKey;
        }
    }

    int documents_ = 0;
    std::vector<Level> levels_;
};

}  // namespace

Result CheckYamlShape(std::string_view yaml) {
    if (Result counted = CountMarks(yaml); !counted) {
        return counted;
    }
    YamlTextStream in(yaml);
    try {
        YAML::Parser parser(in);
        ShapeCheck check;
        while (parser.HandleNextDocument(check)) {
        }
    } catch (const Refusal& refusal) {
        return refusal.result;
    } catch (const YAML::Exception& e) {
        return Result::Failure(Fill(Msg("Model", "line %1: %2"), e.mark.line + 1, e.msg));
    }
    return Result::Success();
}

}  // namespace ht57
