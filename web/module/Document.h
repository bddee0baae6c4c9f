#pragma once

#include <functional>
#include <vector>

#include "model/DataSnapshot.h"
#include "model/RadioData.h"

namespace ht57::web {

// The page's one data set and its undo history. Each step keeps the snapshot
// before and after a change, as the desktop's history does.
class Document {
public:
    RadioData& Data() { return data_; }

    // Runs `change` as one undo step; no step when nothing changed.
    bool Apply(const std::function<void(RadioData&)>& change);
    // Records a change already made; `before` is how it was.
    bool Record(const DataSnapshot& before);

    bool Undo();
    bool Redo();
    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }

    // A freshly opened or saved document is clean.
    void Reset();
    void MarkSaved() { saved_ = static_cast<long>(done_); }
    bool Modified() const { return saved_ != static_cast<long>(done_); }

private:
    struct Step {
        DataSnapshot before;
        DataSnapshot after;
    };
    RadioData data_;
    std::vector<Step> steps_;
    std::size_t done_ = 0;
    long saved_ = 0;  // -1 when the saved state is no longer in the history
};

Document& TheDocument();

}  // namespace ht57::web
