#include "views/FormLineEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace ht57 {
namespace {

// Only a printable character can be refused; keys without text, backspace and
// shortcuts arrive as control characters and always pass.
bool IsPrintable(const QString& text) {
    return !text.isEmpty() && text.front().unicode() >= 0x20 && text.front().unicode() != 0x7F;
}

}  // namespace

FormLineEdit::FormLineEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, &FormLineEdit::UpperCaseText);
}

void FormLineEdit::keyPressEvent(QKeyEvent* event) {
    if (typing_ == Typing::Digits && IsPrintable(event->text())) {
        const QChar c = event->text().front();
        if (c < u'0' || c > u'9') {
            event->accept();  // swallowed, the text stays as it was
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void FormLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu or a combo's popup borrows the focus only for a moment.
    if (event->reason() != Qt::PopupFocusReason) {
        emit FocusLost();
    }
}

void FormLineEdit::UpperCaseText() {
    if (!upperCase_) {
        return;
    }
    const QString upper = text().toUpper();
    if (upper != text()) {
        const int cursor = cursorPosition();
        setText(upper);
        setCursorPosition(cursor);
    }
}

}  // namespace ht57
