#pragma once

#include <QString>
#include <optional>

#include "model/ChannelTable.h"

class QWidget;

namespace ht57 {

struct FillChoice {
    ChannelColumn column;
    QString value;
};

// Asks which field to set for the selected channels, and to what.
std::optional<FillChoice> AskFill(QWidget* parent);

struct ShiftChoice {
    QString offsetMHz;
    bool plus;
};

// Asks for a repeater offset in MHz and its direction.
std::optional<ShiftChoice> AskRepeaterShift(QWidget* parent);

}  // namespace ht57
