#pragma once

#include <array>

namespace ht57 {

// The five editing views; the main frame keeps at most one window of each.
enum class ViewKind {
    RadioInfo,       // CModelView, "Radio Info"
    OptionFeatures,  // COptionView, "Option Features"
    RadioFrequency,  // CFmView, "Radio Frequency"
    ChannelInfo,     // CChInfoView, "Channel Infomation"
    Dtmf,            // CDtmfView, "DTMF Setting"
};

inline constexpr std::array<ViewKind, 5> kAllViewKinds{
    ViewKind::RadioInfo, ViewKind::OptionFeatures, ViewKind::RadioFrequency, ViewKind::ChannelInfo,
    ViewKind::Dtmf};

}  // namespace ht57
