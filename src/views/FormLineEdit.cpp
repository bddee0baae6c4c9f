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
    // Text set by the program (not typed) is what Escape goes back to.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!isModified()) {
            committedText_ = text();
        }
    });
}

void FormLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        setText(committedText_);
        selectAll();
        event->accept();
        return;
    }
    if (typing_ == Typing::Digits && IsPrintable(event->text())) {
        const QChar c = event->text().front();
        if (c < u'0' || c > u'9') {
            event->accept();  // swallowed, the text stays as it was
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void FormLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    committedText_ = text();
    setModified(false);
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
        setModified(true);  // still typed, not committed
        setCursorPosition(cursor);
    }
}

}  // namespace ht57
