#pragma once

#include "model/OptionCodec.h"
#include "views/CBaseFormView.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QRadioButton;

namespace ht57 {

class FormLineEdit;

// "Option Features": the general settings, the frequency range, the DTMF code
// and the frequency-mode record.
class COptionView : public CBaseFormView {
    Q_OBJECT

public:
    struct Controls {
        QComboBox* squelch = nullptr;
        QComboBox* vox = nullptr;
        QComboBox* tot = nullptr;
        QComboBox* backLight = nullptr;
        QComboBox* display = nullptr;
        QComboBox* pttId = nullptr;
        FormLineEdit* dtmfCode = nullptr;
        QComboBox* pf3 = nullptr;
        FormLineEdit* lowerLimit = nullptr;
        FormLineEdit* upperLimit = nullptr;
        QCheckBox* beep = nullptr;
        QCheckBox* save = nullptr;
        QCheckBox* manual = nullptr;
        QCheckBox* channelEmbedEnable = nullptr;
        QCheckBox* priorityScan = nullptr;
        QComboBox* scanMode = nullptr;
        QComboBox* priorityChannel = nullptr;
        QRadioButton* frequencyMode = nullptr;
        QRadioButton* channelMode = nullptr;
        QCheckBox* onlyChannelMode = nullptr;
        FormLineEdit* rxFrequency = nullptr;
        QComboBox* decode = nullptr;
        QComboBox* encode = nullptr;
        QComboBox* step = nullptr;
        QComboBox* bandwidth = nullptr;
        QComboBox* power = nullptr;
        QComboBox* duplex = nullptr;
        FormLineEdit* offsetFrequency = nullptr;
    };

    COptionView(RadioData& data, FrameServices& frame, QWidget* parent = nullptr);
    ~COptionView() override;

    void LoadFromImage() override;
    void SaveToImage() override;

    const Controls& Widgets() const { return c_; }

protected:
    void FillFixedLists() override;

private:
    void BuildLayout();
    void ShowValues(const OptionValues& values);
    OptionValues ReadValues() const;
    void ApplyWorkModeEnabling();
    void CommitFrequencyText(FormLineEdit* edit);
    // Asks first when the new limits would clear channels in use; Cancel puts
    // the stored limits back. Either way at most one undo step.
    void CommitFrequencyRange();
    void RebuildPriorityChannels(const std::vector<std::string>& channels, int selection);

    Controls c_;
    QButtonGroup* workMode_ = nullptr;
    bool committingRange_ = false;
    // The values the controls held after the last load or store: a store
    // encodes only the fields that differ from them.
    OptionValues shown_;
};

}  // namespace ht57
