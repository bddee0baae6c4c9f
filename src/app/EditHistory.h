#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "model/DataSnapshot.h"

namespace ht57 {

// What the document belongs to: its file, or, for data in no file yet, where
// it came from (the radio, the port and the time) for the caption and the
// name a save proposes for it.
struct DocumentName {
    std::filesystem::path file;
    std::string origin;
    std::string stem;
    friend bool operator==(const DocumentName&, const DocumentName&) = default;
};

// The undo history of the one data set, the file the document belongs to and
// whether the document differs from its last saved or opened state. Each step
// keeps the snapshot before and after the change; a 4 KiB image makes that
// cheaper than describing the change. Changes and the modified state are
// judged by the data a save would write (SameStoredData), not by the path the
// stack took: undoing back to the saved data, or editing a value back to what
// it was, leaves the document unmodified.
class EditHistory : public QObject {
    Q_OBJECT

public:
    explicit EditHistory(RadioData& data, QObject* parent = nullptr);

    QUndoStack& Stack() { return stack_; }

    // Runs `change` on the data set as one named undo step. No step is pushed
    // when the stored data did not change. Returns true when something changed.
    bool Apply(const QString& name, const std::function<void(RadioData&)>& change);

    // Records a step for a change already made to the data set; `before` is how
    // it was. With `document`, the step also gives the document that name, and
    // undo puts back the name the document had (New and Read leave a document
    // with no file, and undoing them must not lose the file the data came
    // from). No step if nothing changed. Returns true when a step was pushed.
    bool Record(const QString& name, const DataSnapshot& before,
                std::optional<DocumentName> document = std::nullopt);

    static DataSnapshot Take(const RadioData& data) { return TakeSnapshot(data); }

    // The data set, as of the last step, undo, redo or save, differs from
    // what was last saved or opened, or the document is no longer in the
    // file it was saved in.
    bool IsModified() const { return modified_; }
    // Save, Save As: the data set as it is now is what the file holds.
    void MarkSaved();
    // A freshly opened document: no steps, clean.
    void Reset();

    // The document's file with its full path; empty when it is in no file.
    const std::filesystem::path& File() const { return document_.file; }
    // With where data in no file came from; its origin and stem are empty for
    // a file or a new document.
    const DocumentName& Name() const { return document_; }
    // Open, Save As: the document now belongs to `file`, and that file holds
    // what was last saved or opened. A step that gives the document another
    // file (New, Read) leaves it modified until it is saved again.
    void SetFile(std::filesystem::path file);

signals:
    // After undo or redo put a snapshot back: the frame reloads the open views,
    // recomputes the limits and rebuilds the tree.
    void DataRestored();
    void ModifiedChanged(bool modified);
    // After DataRestored, when the step also gave the document another name.
    void FileRestored();

private:
    // Puts `snapshot` back; with `document`, swaps it with the document's name
    // so the step holds the one to go back to, including a name Save As gave
    // the document after the step was done.
    void Restore(const DataSnapshot& snapshot, std::optional<DocumentName>& document);
    void UpdateModified();

    RadioData& data_;
    QUndoStack stack_;
    DocumentName document_;
    DataSnapshot saved_;
    std::filesystem::path savedFile_;
    bool modified_ = false;
    bool restoring_ = false;
};

}  // namespace ht57
