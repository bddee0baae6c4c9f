#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace ht57 {

// An up-down control beside a buddy edit. It never writes the buddy itself:
// every click, auto-repeat or Up/Down key in the buddy is reported as a signed
// step count through DeltaPos, and the owner decides what the buddy shows.
// Holding a button accelerates the steps (1, then 5 after 2 s, 20 after 5 s).
class SpinButtons : public QWidget {
    Q_OBJECT

public:
    explicit SpinButtons(QWidget* parent = nullptr);

    void SetBuddy(QLineEdit* buddy);
    QLineEdit* Buddy() const { return buddy_; }

    void SetRange(int low, int high);
    int Low() const { return low_; }
    int High() const { return high_; }

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

signals:
    void DeltaPos(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Press(int direction);
    void Repeat();

    QToolButton* up_;
    QToolButton* down_;
    QLineEdit* buddy_ = nullptr;
    int low_ = 0;
    int high_ = 100;
    QTimer repeat_;
    QElapsedTimer held_;
    int direction_ = 0;
};

}  // namespace ht57
