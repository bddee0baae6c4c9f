#include "views/CDtmfView.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "views/CEditRange.h"
#include "views/CSpinStep.h"
#include "views/FieldLabel.h"
#include "views/FormLineEdit.h"
#include "views/SpinButtons.h"

namespace ht57 {
namespace {

constexpr const SettingsField* kTimingRows[] = {
    &field::kFirstDigitDelay,
    &field::kDigitInterval,
    &field::kDigitDelayTime,
};

}  // namespace

CDtmfView::CDtmfView(RadioData& data, FrameServices& frame, QWidget* parent)
    : CBaseFormView(data, frame, parent),
      sideTone_(new QCheckBox(FieldLabel(field::kSideTone), this)) {
    setWindowTitle(tr("DTMF Setting"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    for (int row = 0; row < 3; ++row) {
        Timing& timing = timings_[row];
        timing.range = TimingRange(*kTimingRows[row]);
        timing.edit = new FormLineEdit(this);
        timing.edit->SetTyping(FormLineEdit::Typing::Digits);
        timing.edit->setAlignment(Qt::AlignRight);
        timing.edit->setFixedWidth(timing.edit->fontMetrics().horizontalAdvance(u'0') * 6 + 12);
        timing.spin = new SpinButtons(this);
        timing.spin->SetBuddy(timing.edit);

        auto* label = new QLabel(FieldLabel(*kTimingRows[row]), this);
        label->setBuddy(timing.edit);
        auto* field = new QHBoxLayout;
        field->setSpacing(0);
        field->addWidget(timing.edit);
        field->addWidget(timing.spin);
        grid->addWidget(label, row, 0);
        grid->addLayout(field, row, 1, Qt::AlignLeft);

        connect(timing.edit, &FormLineEdit::FocusLost, this,
                [this, row] { CEditRange(*timings_[row].edit, timings_[row].range).Apply(); });
        connect(timing.spin, &SpinButtons::DeltaPos, this, [this, row](int delta) {
            CSpinStep(*timings_[row].spin, delta, timings_[row].range.scale).Apply();
        });
    }
    grid->addWidget(sideTone_, 3, 0, 1, 2);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 16, 16, 16);
    outer->addLayout(grid);
    outer->addStretch();
}

// Tearing the form down can take the focus from an edit; its range check must
// not run on a view that is half gone.
CDtmfView::~CDtmfView() {
    for (const Timing& timing : timings_) {
        timing.edit->disconnect(this);
    }
}

void CDtmfView::FillFixedLists() {
    for (Timing& timing : timings_) {
        timing.edit->setMaxLength(kTimingEditLength);
        timing.spin->SetRange(timing.range.low, timing.range.high);
    }
}

void CDtmfView::NormaliseEdits() {
    for (const Timing& timing : timings_) {
        CEditRange(*timing.edit, timing.range).Apply();
    }
}

void CDtmfView::LoadFromImage() {
    const DtmfValues values = DecodeDtmf(ImageBytes());
    FirstDigitDelayEdit()->setText(QString::fromStdString(values.firstDigitDelay));
    DigitIntervalEdit()->setText(QString::fromStdString(values.digitInterval));
    DigitDelayTimeEdit()->setText(QString::fromStdString(values.digitDelayTime));
    sideTone_->setChecked(values.sideTone);
}

void CDtmfView::SaveToImage() {
    NormaliseEdits();
    DtmfValues values;
    values.firstDigitDelay = FirstDigitDelayEdit()->text().toStdString();
    values.digitInterval = DigitIntervalEdit()->text().toStdString();
    values.digitDelayTime = DigitDelayTimeEdit()->text().toStdString();
    values.sideTone = sideTone_->isChecked();
    EncodeDtmf(values, ImageBytes());
}

}  // namespace ht57
