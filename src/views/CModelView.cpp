#include "views/CModelView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Application.h"
#include "model/RadioInfo.h"
#include "views/FieldLabel.h"

namespace ht57 {

CModelView::CModelView(RadioData& data, FrameServices& frame, QWidget* parent)
    : CBaseFormView(data, frame, parent),
      band_(new QComboBox(this)),
      receiveEnable_(new QCheckBox(FieldLabel(field::kReceiveEnable), this)) {
    setWindowTitle(tr("Radio Info"));
    // The entries arrive after the layout first measured the box.
    band_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* form = new QFormLayout;
    // A maximised window must not stretch the drop-down across it.
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(new QLabel(tr("Frequency Range"), this), band_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addLayout(form);
    layout->addWidget(receiveEnable_);
    layout->addStretch();
    connect(band_, &QComboBox::activated, this, &CModelView::OnBandChosen);
    // A wheel notch over the closed drop-down would start a band change.
    band_->installEventFilter(this);
}

bool CModelView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == band_ && event->type() == QEvent::Wheel) {
        event->ignore();
        return true;
    }
    return CBaseFormView::eventFilter(watched, event);
}

void CModelView::FillFixedLists() {
    band_->clear();
    for (const Band& band : kBands) {
        band_->addItem(QString::fromLatin1(band.comboText));
    }
}

void CModelView::LoadFromImage() {
    const RadioInfoValues values = DecodeRadioInfo(ImageBytes());
    band_->setCurrentIndex(values.band);
    receiveEnable_->setChecked(values.receiveEnable);
}

void CModelView::SaveToImage() {
    EncodeRadioInfo({band_->currentIndex(), receiveEnable_->isChecked()}, ImageBytes());
}

void CModelView::OnBandChosen(int index) {
    const int current = BandFlag(ImageBytes());
    if (!BandChangeNeeded(index, ImageBytes())) {
        band_->setCurrentIndex(current);
        return;
    }
    const auto answer =
        QMessageBox::warning(this, ProgramTitle(), tr("Channel data will be cleared!"),
                             QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) {
        band_->setCurrentIndex(current);
        return;
    }
    // The cleared channels and the new band flag are one step.
    Frame().History().Apply(tr("Change band"), [this, index](RadioData& data) {
        ApplyBandChange(index, data);
        EncodeRadioInfo({index, receiveEnable_->isChecked()}, data.image);
    });
    Frame().RefreshView(ViewKind::ChannelInfo);
    Frame().RefreshView(ViewKind::OptionFeatures);
    Frame().ShowFrequencyLimits();
}

}  // namespace ht57
