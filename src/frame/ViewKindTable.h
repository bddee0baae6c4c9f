#pragma once

#include <array>

#include "app/ViewKind.h"
#include "frame/CommandIds.h"

namespace ht57 {

struct ViewKindInfo {
    ViewKind kind;
    int commandId;         // Edit menu entry
    int treeCode;          // navigation tree item code
    const char* treeText;  // navigation tree item text
    const char* caption;   // child frame caption
};

// In the order of the navigation tree.
inline constexpr std::array<ViewKindInfo, 5> kViewKindTable{{
    {ViewKind::RadioInfo, command::kRadioInfo, 48, "Radio Info", "Radio Info"},
    {ViewKind::OptionFeatures, command::kOptionFeatures, 1, "Option Features", "Option Features"},
    {ViewKind::RadioFrequency, command::kRadioFrequency, 49, "Radio Frequency", "Radio Frequency"},
    {ViewKind::ChannelInfo, command::kChannelInfo, 0x20000, "Channel Infomation",
     "Channel Infomation"},
    {ViewKind::Dtmf, command::kDtmf, 17, "DTMF Setting", "DTMF Setting"},
}};

inline const ViewKindInfo& InfoFor(ViewKind kind) {
    return kViewKindTable[static_cast<std::size_t>(kind)];
}

inline const ViewKindInfo* InfoForTreeCode(int code) {
    for (const ViewKindInfo& info : kViewKindTable) {
        if (info.treeCode == code) {
            return &info;
        }
    }
    return nullptr;
}

}  // namespace ht57
