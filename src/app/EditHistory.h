#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>

#include "model/DataSnapshot.h"

namespace ht57 {

// The undo history of the one data set and whether the document differs from
// its last saved or opened state. Each step keeps the snapshot before and after
// the change; a 4 KiB image makes that cheaper than describing the change.
class EditHistory : public QObject {
    Q_OBJECT

public:
    explicit EditHistory(RadioData& data, QObject* parent = nullptr);

    QUndoStack& Stack() { return stack_; }

    // Runs `change` on the data set as one named undo step. No step is pushed
    // when the snapshot did not change. Returns true when something changed.
    bool Apply(const QString& name, const std::function<void(RadioData&)>& change);

    // Records a step for a change already made to the data set; `before` is how
    // it was. No step if nothing changed. Returns true when a step was pushed.
    bool Record(const QString& name, const DataSnapshot& before);

    static DataSnapshot Take(const RadioData& data) { return TakeSnapshot(data); }

    // The document differs from its last saved or opened state.
    bool IsModified() const { return !stack_.isClean(); }
    // Save, Save As and Open: the document is clean here.
    void MarkSaved() { stack_.setClean(); }
    // A freshly opened document: no steps, clean.
    void Reset();

signals:
    // After undo or redo put a snapshot back: the frame reloads the open views,
    // recomputes the limits and rebuilds the tree.
    void DataRestored();
    void ModifiedChanged(bool modified);

private:
    void Restore(const DataSnapshot& snapshot);

    RadioData& data_;
    QUndoStack stack_;
    bool restoring_ = false;
};

}  // namespace ht57
