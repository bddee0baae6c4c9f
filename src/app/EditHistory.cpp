#include "app/EditHistory.h"

#include <QUndoCommand>
#include <utility>

namespace ht57 {

namespace {

using StepName = DocumentName;

// One change of the data set. The change is already made when the step is
// pushed, so the first redo (which QUndoStack::push runs) does nothing. A step
// that changed the document's file holds the file of the other side.
class SnapshotStep : public QUndoCommand {
public:
    using Restorer = std::function<void(const DataSnapshot&, std::optional<StepName>&)>;

    SnapshotStep(const QString& name, DataSnapshot before, DataSnapshot after,
                 std::optional<StepName> otherFile, Restorer restore)
        : QUndoCommand(name),
          before_(std::move(before)),
          after_(std::move(after)),
          otherFile_(std::move(otherFile)),
          restore_(std::move(restore)) {}

    void undo() override { restore_(before_, otherFile_); }
    void redo() override {
        if (pushed_) {
            restore_(after_, otherFile_);
        }
        pushed_ = true;
    }

private:
    DataSnapshot before_;
    DataSnapshot after_;
    std::optional<StepName> otherFile_;
    Restorer restore_;
    bool pushed_ = false;
};

}  // namespace

EditHistory::EditHistory(RadioData& data, QObject* parent)
    : QObject(parent), data_(data), saved_(Take(data)) {}

bool EditHistory::Apply(const QString& name, const std::function<void(RadioData&)>& change) {
    const DataSnapshot before = Take(data_);
    change(data_);
    return Record(name, before);
}

bool EditHistory::Record(const QString& name, const DataSnapshot& before,
                         std::optional<DocumentName> file) {
    // Views reloading after an undo must not push steps into the middle of it.
    if (restoring_) {
        return false;
    }
    DataSnapshot after = Take(data_);
    if (file == document_) {
        file.reset();
    }
    if (SameStoredData(after, before, data_.reference) && !file) {
        return false;
    }
    if (file) {
        std::swap(document_, *file);
    }
    stack_.push(
        new SnapshotStep(name, before, std::move(after), std::move(file),
                         [this](const DataSnapshot& snapshot, std::optional<StepName>& other) {
                             Restore(snapshot, other);
                         }));
    UpdateModified();
    return true;
}

void EditHistory::MarkSaved() {
    stack_.setClean();
    saved_ = Take(data_);
    UpdateModified();
}

void EditHistory::Reset() {
    stack_.clear();
    saved_ = Take(data_);
    UpdateModified();
}

void EditHistory::SetFile(std::filesystem::path file) {
    document_ = {std::move(file), {}, {}};
    savedFile_ = document_.file;
    UpdateModified();
}

void EditHistory::UpdateModified() {
    const bool modified =
        document_.file != savedFile_ || !SameStoredData(Take(data_), saved_, data_.reference);
    if (modified != modified_) {
        modified_ = modified;
        emit ModifiedChanged(modified);
    }
}

void EditHistory::Restore(const DataSnapshot& snapshot, std::optional<StepName>& file) {
    RestoreSnapshot(data_, snapshot);
    if (file) {
        std::swap(document_, *file);
    }
    const bool wasRestoring = std::exchange(restoring_, true);
    emit DataRestored();
    if (file) {
        emit FileRestored();
    }
    restoring_ = wasRestoring;
    UpdateModified();
}

}  // namespace ht57
