#pragma once

#include "app/EditHistory.h"
#include "app/ViewKind.h"
#include "model/RadioData.h"

namespace ht57 {

// What an editing view may ask of the main window without knowing it. The
// main frame implements it; view tests hand in their own.
class FrameServices {
public:
    virtual ~FrameServices() = default;

    // The one data set the program edits.
    virtual RadioData& Data() = 0;

    // Reloads the view of that kind from the image when its window is open;
    // does nothing otherwise. Used after an edit changed the image under it
    // (a band change erases the channels, a range commit erases some).
    virtual void RefreshView(ViewKind kind) = 0;

    // Shows the limits in force (Data().limits) in the "Freq" status pane.
    virtual void ShowFrequencyLimits() = 0;

    // True while a window of that kind is open.
    virtual bool IsViewOpen(ViewKind kind) const = 0;

    // The undo history of the data set; every change a view stores goes
    // through it as one named step.
    virtual EditHistory& History() = 0;

    const FrequencyLimits& Limits() { return Data().limits; }
};

}  // namespace ht57
