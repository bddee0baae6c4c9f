#pragma once

#include <string>

class QWidget;

namespace ht57 {

class EditHistory;

// The main-window steps the file commands run around their byte work.
class FileCommandHost {
public:
    virtual ~FileCommandHost() = default;

    // Moves every pending edit of the open views into the image.
    virtual void CommitViews() = 0;
    // Every view stores, then every view window goes.
    virtual void CloseAllViews() = 0;
    virtual void ClearTree() = 0;
    virtual void BuildTree() = 0;
    // Limits from the image's band flag, then shown in the status bar.
    virtual void RecomputeFrequencyLimits() = 0;
    virtual void LoadViews() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // Owner of the file dialogs and message boxes.
    virtual QWidget* DialogParent() = 0;
    // The undo history, which also knows whether the document is modified.
    virtual EditHistory& History() = 0;
};

}  // namespace ht57
