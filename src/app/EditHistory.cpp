#include "app/EditHistory.h"

#include <QUndoCommand>
#include <utility>

namespace ht57 {

namespace {

// One change of the data set. The change is already made when the step is
// pushed, so the first redo (which QUndoStack::push runs) does nothing.
class SnapshotStep : public QUndoCommand {
public:
    using Restorer = std::function<void(const DataSnapshot&)>;

    SnapshotStep(const QString& name, DataSnapshot before, DataSnapshot after, Restorer restore)
        : QUndoCommand(name),
          before_(std::move(before)),
          after_(std::move(after)),
          restore_(std::move(restore)) {}

    void undo() override { restore_(before_); }
    void redo() override {
        if (pushed_) {
            restore_(after_);
        }
        pushed_ = true;
    }

private:
    DataSnapshot before_;
    DataSnapshot after_;
    Restorer restore_;
    bool pushed_ = false;
};

}  // namespace

EditHistory::EditHistory(RadioData& data, QObject* parent) : QObject(parent), data_(data) {
    connect(&stack_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit ModifiedChanged(!clean); });
}

bool EditHistory::Apply(const QString& name, const std::function<void(RadioData&)>& change) {
    const DataSnapshot before = Take(data_);
    change(data_);
    return Record(name, before);
}

bool EditHistory::Record(const QString& name, const DataSnapshot& before) {
    // Views reloading after an undo must not push steps into the middle of it.
    if (restoring_) {
        return false;
    }
    DataSnapshot after = Take(data_);
    if (after == before) {
        return false;
    }
    stack_.push(new SnapshotStep(name, before, std::move(after),
                                 [this](const DataSnapshot& snapshot) { Restore(snapshot); }));
    return true;
}

void EditHistory::Reset() {
    stack_.clear();  // leaves it clean, announcing that when it was not
}

void EditHistory::Restore(const DataSnapshot& snapshot) {
    RestoreSnapshot(data_, snapshot);
    const bool wasRestoring = std::exchange(restoring_, true);
    emit DataRestored();
    restoring_ = wasRestoring;
}

}  // namespace ht57
