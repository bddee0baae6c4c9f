#pragma once

#include <QValidator>
#include <functional>
#include <optional>

class QKeyEvent;

namespace ht57 {

// The character a key press types, or nullopt for keys that only edit or move
// (arrows, Delete, Tab...), which the editors' character filters let through.
std::optional<char32_t> TypedCharacter(const QKeyEvent& key);

// Holds an edit's whole text to a character rule, so pasted text obeys the
// same rule as typed keys. The rule returns the character to keep (possibly
// changed, e.g. upper-cased) or nullopt to refuse the text.
class CharacterRuleValidator : public QValidator {
public:
    using Rule = std::function<std::optional<char>(char32_t)>;

    CharacterRuleValidator(Rule rule, QObject* parent);

    State validate(QString& input, int& position) const override;

private:
    Rule rule_;
};

}  // namespace ht57
