#include "link/ui/CPowerAdjustDlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QVBoxLayout>
#include <functional>
#include <utility>

#include "link/SerialPortLink.h"
#include "link/ui/ProgramMessage.h"

namespace ht57 {

// A calibration slider: reports the end of every scroll, which is the release
// of the mouse button or of a scrolling key, after the bar has handled it.
// The wheel and the context menu are left out, as they would move the bar
// without ever ending a scroll.
class CalibrationBar : public QScrollBar {
public:
    CalibrationBar(std::function<void()> onEnd, QWidget* parent)
        : QScrollBar(Qt::Horizontal, parent), onEnd_(std::move(onEnd)) {
        setContextMenuPolicy(Qt::NoContextMenu);
    }

protected:
    // Left and Up take one off, Right and Down add one, Page Up and Page Down
    // ten; Home and End do nothing. (QScrollBar's own key handling runs the
    // arrows the other way round.)
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
            case Qt::Key_Left:
            case Qt::Key_Up:
                triggerAction(SliderSingleStepSub);
                break;
            case Qt::Key_Right:
            case Qt::Key_Down:
                triggerAction(SliderSingleStepAdd);
                break;
            case Qt::Key_PageUp:
                triggerAction(SliderPageStepSub);
                break;
            case Qt::Key_PageDown:
                triggerAction(SliderPageStepAdd);
                break;
            case Qt::Key_Home:
            case Qt::Key_End:
                break;
            default:
                QScrollBar::keyPressEvent(event);
                return;
        }
        event->accept();
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        QScrollBar::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton) {
            onEnd_();
        }
    }

    void keyReleaseEvent(QKeyEvent* event) override {
        QScrollBar::keyReleaseEvent(event);
        if (!event->isAutoRepeat() && IsScrollKey(event->key())) {
            onEnd_();
        }
    }

    void wheelEvent(QWheelEvent* event) override { event->ignore(); }

    // The style draws no focus on a scroll bar; a keyboard user must see
    // which bar the arrows move.
    void paintEvent(QPaintEvent* event) override {
        QScrollBar::paintEvent(event);
        if (hasFocus()) {
            QStyleOptionFocusRect option;
            option.initFrom(this);
            option.backgroundColor = palette().color(QPalette::Window);
            QPainter painter(this);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
        }
    }

private:
    static bool IsScrollKey(int key) {
        switch (key) {
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Home:
            case Qt::Key_End:
                return true;
            default:
                return false;
        }
    }

    std::function<void()> onEnd_;
};

namespace {

constexpr int kLineStep = 1;
constexpr int kPageStep = 10;
constexpr int kBarMinimumWidth = 260;

}  // namespace

CPowerAdjustDlg::CPowerAdjustDlg(RadioData& data, const PortSettings& settings, bool high,
                                 QWidget* parent)
    : CPowerAdjustDlg(data, settings, high, std::make_unique<SerialPortLink>(), parent) {}

CPowerAdjustDlg::CPowerAdjustDlg(RadioData& data, const PortSettings& settings, bool high,
                                 std::unique_ptr<SerialLink> link, QWidget* parent)
    : QDialog(parent),
      link_(std::move(link)),
      session_(std::make_unique<CalibrationSession>(*link_, data.image, settings)),
      linkThread_(std::make_unique<LinkThread>()),
      high_(high) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    BuildRows();
}

CPowerAdjustDlg::~CPowerAdjustDlg() {
    // Normally the session ended when the dialog closed; a dialog torn down
    // with its parent has not been confirmed, so the radio gets its values back.
    if (started_) {
        linkThread_->RunBlocking([this] { (void)session_->Revert(); });
        started_ = linked_ = false;
    }
}

void CPowerAdjustDlg::BuildRows() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    const int valueWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000"));
    for (int row = 0; row < calibration::kRowCount; ++row) {
        const auto index = static_cast<std::size_t>(row);
        auto* bar = new CalibrationBar([this, row] { OnEndScroll(row); }, this);
        bar->setObjectName(QString::fromLatin1(kRowNames[index]));
        bar->setRange(calibration::kMinValue, calibration::kMaxValue);
        bar->setSingleStep(kLineStep);
        bar->setPageStep(kPageStep);
        bar->setMinimumWidth(kBarMinimumWidth);
        bar->setFocusPolicy(Qt::StrongFocus);
        connect(bar, &QAbstractSlider::valueChanged, this,
                [this, row](int value) { ShowValue(row, value); });
        bars_[index] = bar;

        auto* value = new QLabel(QStringLiteral("0"), this);
        value->setObjectName(QString::fromLatin1(kRowNames[index]) + QStringLiteral("Value"));
        value->setMinimumWidth(valueWidth);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        values_[index] = value;

        grid->addWidget(new QLabel(QString::fromLatin1(kRowNames[index]) + tr(" Power Min"), this),
                        row, 0);
        grid->addWidget(bar, row, 1);
        grid->addWidget(new QLabel(tr("Max"), this), row, 2);
        grid->addWidget(value, row, 3);
    }
    grid->setColumnStretch(1, 1);

    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setObjectName(QStringLiteral("ok"));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &CPowerAdjustDlg::accept);
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancel"));
    connect(cancelButton_, &QPushButton::clicked, this, &CPowerAdjustDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QScrollBar* CPowerAdjustDlg::Bar(int row) const {
    return bars_.at(static_cast<std::size_t>(row));
}

QLabel* CPowerAdjustDlg::ValueText(int row) const {
    return values_.at(static_cast<std::size_t>(row));
}

int CPowerAdjustDlg::exec() {
    closing_ = false;
    pendingRow_.reset();
    closeRequested_.reset();
    if (!OnInitDialog()) {
        setResult(Rejected);
        return Rejected;
    }
    bars_[0]->setFocus(Qt::OtherFocusReason);
    return QDialog::exec();
}

bool CPowerAdjustDlg::OnInitDialog() {
    // With no radio the handshakes alone take three seconds.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    LinkOutcome outcome = LinkOutcome::NotConnected;
    linkThread_->Run([this, &outcome] { outcome = session_->Open(); });
    QApplication::restoreOverrideCursor();
    if (outcome != LinkOutcome::Succeeded) {
        ShowMessage(outcome);
        return false;
    }
    linked_ = started_ = true;
    const CalibrationBlock& block = session_->WorkingBlock();
    for (int row = 0; row < calibration::kRowCount; ++row) {
        const Byte value = block[static_cast<std::size_t>(row)];
        bars_[static_cast<std::size_t>(row)]->setValue(value);
        // The radio's own number, even where the bar cannot go.
        ShowValue(row, value);
    }
    setWindowTitle(high_ ? tr("High Power") : tr("Low Power"));
    return true;
}

void CPowerAdjustDlg::ShowValue(int row, int value) {
    ValueText(row)->setText(QString::asprintf("%d", value));
}

void CPowerAdjustDlg::OnEndScroll(int row) {
    ShowValue(row, Bar(row)->value());
    if (linkThread_->Busy()) {
        // Sent once the exchange on the line has finished, with the value
        // the bar has by then.
        pendingRow_ = row;
        return;
    }
    if (linked_) {
        SendRow(row);
    }
}

void CPowerAdjustDlg::SendRow(int row) {
    std::optional<int> next = row;
    while (next && linked_) {
        const int current = *next;
        const int value = Bar(current)->value();
        LinkOutcome outcome = LinkOutcome::NotConnected;
        linkThread_->Run([this, current, value, &outcome] {
            outcome = session_->Exchange(current, static_cast<Byte>(value));
        });
        next = std::exchange(pendingRow_, std::nullopt);
        if (outcome != LinkOutcome::Succeeded) {
            // The engine has closed the link; OK or Cancel still decide.
            linked_ = false;
            ShowMessage(outcome);
        }
    }
    pendingRow_.reset();
    if (const std::optional<bool> keep = std::exchange(closeRequested_, std::nullopt)) {
        OnClose(*keep);
    }
}

void CPowerAdjustDlg::accept() {
    OnClose(true);
}

void CPowerAdjustDlg::reject() {
    OnClose(false);
}

void CPowerAdjustDlg::OnClose(bool keep) {
    if (linkThread_->Busy()) {
        closeRequested_ = keep;
        return;
    }
    if (closing_) {
        return;
    }
    closing_ = true;
    if (started_ && keep) {
        linkThread_->Run([this] { session_->End(); });
    } else if (started_) {
        // Without a link this is a new handshake, which takes seconds when
        // the radio has gone.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        LinkOutcome outcome = LinkOutcome::NotConnected;
        linkThread_->Run([this, &outcome] { outcome = session_->Revert(); });
        QApplication::restoreOverrideCursor();
        if (outcome != LinkOutcome::Succeeded) {
            ShowProgramMessage(this,
                               tr("The power values could not be taken back: the radio "
                                  "could not be reached."),
                               tr("The radio may still hold the values set in this dialog. "
                                  "Check the cable and the radio, then open the dialog again "
                                  "to see its values."));
        }
    }
    started_ = linked_ = false;
    QDialog::done(keep ? Accepted : Rejected);
}

bool CPowerAdjustDlg::Linked() const {
    return linked_;
}

void CPowerAdjustDlg::ShowMessage(LinkOutcome outcome) {
    if (const char* text = OutcomeMessage(outcome)) {
        QWidget* owner = isVisible() ? this : parentWidget();
        ShowProgramMessage(owner, QString::fromLatin1(text),
                           outcome == LinkOutcome::PortOpenFailed
                               ? PortFailureDetail(link_->OpenFailure())
                               : QString());
    }
}

}  // namespace ht57
