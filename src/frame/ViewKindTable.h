#pragma once

#include <QCoreApplication>
#include <QString>
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
    const char* menuText;  // Edit menu entry, as the menu resource has it
};

// The table's texts are marked for translation; ViewText shows one in the
// language the program runs in.
inline QString ViewText(const char* text) {
    return QCoreApplication::translate("ViewKind", text);
}

// In the order of the navigation tree and the Edit menu; row n describes the
// view kind whose value is n.
inline constexpr std::array<ViewKindInfo, kAllViewKinds.size()> kViewKindTable{{
    {ViewKind::RadioInfo, command::kRadioInfo, 48, QT_TRANSLATE_NOOP("ViewKind", "Radio Info"),
     QT_TRANSLATE_NOOP("ViewKind", "Radio Info"), QT_TRANSLATE_NOOP("ViewKind", "Radio Info")},
    {ViewKind::OptionFeatures, command::kOptionFeatures, 1,
     QT_TRANSLATE_NOOP("ViewKind", "Option Features"),
     QT_TRANSLATE_NOOP("ViewKind", "Option Features"), QT_TRANSLATE_NOOP("ViewKind", "General")},
    {ViewKind::RadioFrequency, command::kRadioFrequency, 49,
     QT_TRANSLATE_NOOP("ViewKind", "Radio Frequency"),
     QT_TRANSLATE_NOOP("ViewKind", "Radio Frequency"), QT_TRANSLATE_NOOP("ViewKind", "Radio")},
    {ViewKind::ChannelInfo, command::kChannelInfo, 0x20000,
     QT_TRANSLATE_NOOP("ViewKind", "Channel Infomation"),
     QT_TRANSLATE_NOOP("ViewKind", "Channel Infomation"),
     QT_TRANSLATE_NOOP("ViewKind", "Channel Info")},
    {ViewKind::Dtmf, command::kDtmf, 17, QT_TRANSLATE_NOOP("ViewKind", "DTMF Setting"),
     QT_TRANSLATE_NOOP("ViewKind", "DTMF Setting"), QT_TRANSLATE_NOOP("ViewKind", "DTMF")},
}};

constexpr bool ViewKindTableInOrder() {
    for (std::size_t i = 0; i < kViewKindTable.size(); ++i) {
        if (kViewKindTable[i].kind != kAllViewKinds[i] ||
            static_cast<std::size_t>(kAllViewKinds[i]) != i) {
            return false;
        }
    }
    return true;
}
static_assert(ViewKindTableInOrder(), "InfoFor indexes the table by view kind");

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
