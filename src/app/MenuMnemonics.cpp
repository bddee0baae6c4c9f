#include "app/MenuMnemonics.h"

#include <QAction>
#include <QMenu>
#include <QSet>

namespace ht57 {
namespace {

// The caption without its "\tCtrl+N" shortcut column.
qsizetype CaptionLength(const QString& text) {
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    return tab < 0 ? text.size() : tab;
}

// Where the single '&' marking the mnemonic stands, or -1.
qsizetype MarkerAt(const QString& text) {
    const qsizetype end = CaptionLength(text);
    for (qsizetype i = 0; i + 1 < end; ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&')) {
                return i;
            }
            ++i;
        }
    }
    return -1;
}

// Letters a keyboard types with Alt on any layout.
bool IsKeyLetter(QChar c) {
    const char16_t u = c.toLower().unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9');
}

QString WithMnemonic(const QString& text, QSet<QChar>& used) {
    const qsizetype end = CaptionLength(text);
    // Word starts first, then any letter.
    for (const bool wordStart : {true, false}) {
        for (qsizetype i = 0; i < end; ++i) {
            const QChar c = text[i];
            const bool starts = i == 0 || !text[i - 1].isLetterOrNumber();
            if (IsKeyLetter(c) && (starts || !wordStart) && !used.contains(c.toLower())) {
                used.insert(c.toLower());
                return text.left(i) + QLatin1Char('&') + text.mid(i);
            }
        }
    }
    for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
        if (!used.contains(QChar(letter))) {
            used.insert(QChar(letter));
            return text.left(end) + QStringLiteral("(&%1)").arg(QChar(letter).toUpper()) +
                   text.mid(end);
        }
    }
    return text;
}

}  // namespace

void AssignMnemonics(QMenu& menu) {
    QSet<QChar> used;
    QList<QAction*> unmarked;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator() || action->text().isEmpty()) {
            continue;
        }
        QString text = action->text();
        if (const qsizetype at = MarkerAt(text); at >= 0) {
            const QChar key = text[at + 1].toLower();
            if (!used.contains(key)) {
                used.insert(key);
                continue;
            }
            // A letter an earlier entry has would only cycle between the two.
            action->setText(text.remove(at, 1));
        }
        unmarked << action;
    }
    for (QAction* action : unmarked) {
        action->setText(WithMnemonic(action->text(), used));
    }
}

}  // namespace ht57
