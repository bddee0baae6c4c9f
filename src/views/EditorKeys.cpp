#include "views/EditorKeys.h"

#include <QKeyEvent>

namespace ht57 {

std::optional<char32_t> TypedCharacter(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return std::nullopt;
        default:
            break;
    }
    const QString text = key.text();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return static_cast<char32_t>(text.toUcs4().value(0));
}

CharacterRuleValidator::CharacterRuleValidator(Rule rule, QObject* parent)
    : QValidator(parent), rule_(std::move(rule)) {}

QValidator::State CharacterRuleValidator::validate(QString& input, int&) const {
    QString kept;
    for (const char32_t c : input.toUcs4()) {
        const std::optional<char> taken = rule_(c);
        if (!taken || *taken == '\b') {
            return Invalid;
        }
        kept += QLatin1Char(*taken);
    }
    input = kept;
    return Acceptable;
}

}  // namespace ht57
