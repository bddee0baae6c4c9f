#include "web/module/Document.h"

namespace ht57::web {

bool Document::Apply(const std::function<void(RadioData&)>& change) {
    const DataSnapshot before = TakeSnapshot(data_);
    change(data_);
    return Record(before);
}

bool Document::Record(const DataSnapshot& before) {
    DataSnapshot after = TakeSnapshot(data_);
    if (after == before) {
        return false;
    }
    if (saved_ > static_cast<long>(done_)) {
        saved_ = -1;  // the saved state was undone and is now overwritten
    }
    steps_.resize(done_);
    steps_.push_back({before, std::move(after)});
    ++done_;
    return true;
}

bool Document::Undo() {
    if (!CanUndo()) {
        return false;
    }
    --done_;
    RestoreSnapshot(data_, steps_[done_].before);
    return true;
}

bool Document::Redo() {
    if (!CanRedo()) {
        return false;
    }
    RestoreSnapshot(data_, steps_[done_].after);
    ++done_;
    return true;
}

void Document::Reset() {
    steps_.clear();
    done_ = 0;
    saved_ = 0;
}

Document& TheDocument() {
    static Document document;
    return document;
}

}  // namespace ht57::web
