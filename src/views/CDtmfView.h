#pragma once

#include "model/DtmfCodec.h"
#include "views/CBaseFormView.h"

class QCheckBox;

namespace ht57 {

class FormLineEdit;
class SpinButtons;

// "DTMF Setting": the three DTMF timings with their up-down controls and the
// side tone switch.
class CDtmfView : public CBaseFormView {
    Q_OBJECT

public:
    CDtmfView(RadioData& data, FrameServices& frame, QWidget* parent = nullptr);
    ~CDtmfView() override;

    void LoadFromImage() override;
    void SaveToImage() override;

    FormLineEdit* FirstDigitDelayEdit() const { return timings_[0].edit; }
    FormLineEdit* DigitIntervalEdit() const { return timings_[1].edit; }
    FormLineEdit* DigitDelayTimeEdit() const { return timings_[2].edit; }
    SpinButtons* FirstDigitDelaySpin() const { return timings_[0].spin; }
    SpinButtons* DigitIntervalSpin() const { return timings_[1].spin; }
    SpinButtons* DigitDelayTimeSpin() const { return timings_[2].spin; }
    QCheckBox* SideToneCheck() const { return sideTone_; }

protected:
    void FillFixedLists() override;

private:
    struct Timing {
        FormLineEdit* edit = nullptr;
        SpinButtons* spin = nullptr;
        EditRange range{};
    };

    void NormaliseEdits();

    Timing timings_[3];
    QCheckBox* sideTone_;
};

}  // namespace ht57
