#pragma once

#include <QLineEdit>

namespace ht57 {

// The edit of a form view. It reports every loss of the focus (Qt's
// editingFinished stays silent when nothing changed, but a form must commit
// an unchanged edit too) and can restrict what may be typed. Escape cancels
// the edit: the text goes back to what it was when the edit got the focus or
// the program last set it.
class FormLineEdit : public QLineEdit {
    Q_OBJECT

public:
    enum class Typing {
        Any,     // every character
        Digits,  // decimal digits; control keys (backspace, Ctrl+V...) still work
    };

    explicit FormLineEdit(QWidget* parent = nullptr);

    void SetTyping(Typing typing) { typing_ = typing; }
    // Letters typed or pasted appear upper-case.
    void SetUpperCase(bool upperCase) { upperCase_ = upperCase; }

signals:
    void FocusLost();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void UpperCaseText();

    Typing typing_ = Typing::Any;
    bool upperCase_ = false;
    QString committedText_;
};

}  // namespace ht57
