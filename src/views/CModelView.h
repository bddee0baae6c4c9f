#pragma once

#include "views/CBaseFormView.h"

class QCheckBox;
class QComboBox;

namespace ht57 {

// "Radio Info": the band of the image (VHF or UHF) and the Receive Enable
// switch. Choosing the other band erases every channel after a confirmation;
// Cancel keeps the band that was there.
class CModelView : public CBaseFormView {
    Q_OBJECT

public:
    CModelView(RadioData& data, FrameServices& frame, QWidget* parent = nullptr);

    void LoadFromImage() override;
    void SaveToImage() override;

    QComboBox* BandCombo() const { return band_; }
    QCheckBox* ReceiveEnableCheck() const { return receiveEnable_; }

protected:
    void FillFixedLists() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Only a selection the user makes gets here; selections set by code
    // (loading, going back after Cancel) never start a band change.
    void OnBandChosen(int index);

    QComboBox* band_ = nullptr;
    QCheckBox* receiveEnable_ = nullptr;
};

}  // namespace ht57
