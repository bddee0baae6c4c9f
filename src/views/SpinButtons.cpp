#include "views/SpinButtons.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace ht57 {
namespace {

struct Acceleration {
    qint64 afterMs;
    int step;
};

// The step grows the longer a button is held down.
constexpr Acceleration kAccelerations[] = {{5000, 20}, {2000, 5}, {0, 1}};
constexpr int kRepeatDelayMs = 500;
constexpr int kRepeatIntervalMs = 100;

int StepAfter(qint64 heldMs) {
    for (const Acceleration& a : kAccelerations) {
        if (heldMs >= a.afterMs) {
            return a.step;
        }
    }
    return 1;
}

QToolButton* MakeArrow(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    // Not Expanding: a taller window must not stretch the arrows apart.
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    button->setFixedWidth(16);
    return button;
}

}  // namespace

SpinButtons::SpinButtons(QWidget* parent)
    : QWidget(parent), up_(MakeArrow(Qt::UpArrow, this)), down_(MakeArrow(Qt::DownArrow, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    // The arrows carry no text of their own for a screen reader to read.
    up_->setAccessibleName(tr("Up"));
    down_->setAccessibleName(tr("Down"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    // A press steps at once; holding the button repeats until it is let go.
    connect(up_, &QToolButton::pressed, this, [this] { Press(+1); });
    connect(down_, &QToolButton::pressed, this, [this] { Press(-1); });
    connect(up_, &QToolButton::released, &repeat_, &QTimer::stop);
    connect(down_, &QToolButton::released, &repeat_, &QTimer::stop);
    connect(&repeat_, &QTimer::timeout, this, &SpinButtons::Repeat);
}

void SpinButtons::SetBuddy(QLineEdit* buddy) {
    if (buddy_ != nullptr) {
        buddy_->removeEventFilter(this);
    }
    buddy_ = buddy;
    if (buddy_ != nullptr) {
        buddy_->installEventFilter(this);
    }
}

void SpinButtons::SetRange(int low, int high) {
    low_ = low;
    high_ = high;
}

void SpinButtons::Press(int direction) {
    direction_ = direction;
    held_.start();
    repeat_.start(kRepeatDelayMs);
    emit DeltaPos(direction_);
}

void SpinButtons::Repeat() {
    repeat_.setInterval(kRepeatIntervalMs);
    emit DeltaPos(direction_ * StepAfter(held_.elapsed()));
}

bool SpinButtons::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            emit DeltaPos(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace ht57
