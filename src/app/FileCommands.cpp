#include "app/FileCommands.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "app/EditHistory.h"
#include "app/FileDialogs.h"
#include "app/PathText.h"
#include "link/ui/ProgramMessage.h"
#include "model/DataFile.h"

namespace ht57 {

FileCommands::FileCommands(Application& app, FileCommandHost& host) : app_(app), host_(host) {}

const std::filesystem::path& FileCommands::CurrentFile() const {
    return host_.History().File();
}

void FileCommands::LoadDefaultData() {
    // An absent or unreadable default file leaves the image all 0xFF.
    (void)ht57::LoadDefaultData(app_.DefaultDataFile(), app_.Data());
}

bool FileCommands::AskSaveChanges() {
    host_.CommitViews();
    if (!host_.History().IsModified()) {
        return true;
    }
    const auto answer = QMessageBox::question(
        host_.DialogParent(), ProgramTitle(),
        QCoreApplication::translate("FileCommands", "Save changes?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Discard) {
        return true;
    }
    if (answer != QMessageBox::Save) {
        return false;
    }
    Save();
    return !host_.History().IsModified();
}

void FileCommands::New() {
    // Once the changes are saved or discarded, the question about clearing
    // the data has been answered.
    host_.CommitViews();
    if (host_.History().IsModified()) {
        if (!AskSaveChanges()) {
            return;
        }
    } else {
        const QString model = QString::fromStdString(app_.Config().modelName);
        if (QMessageBox::question(host_.DialogParent(), model,
                                  QCoreApplication::translate(
                                      "FileCommands", "Clear all data, \nWhether to continue?"),
                                  QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
            return;
        }
    }
    host_.CloseAllViews();
    const DataSnapshot before = EditHistory::Take(app_.Data());
    host_.ClearTree();
    LoadDefaultData();
    host_.RecomputeFrequencyLimits();
    app_.Data().Normalise();
    host_.BuildTree();
    host_.LoadViews();
    // A new document is in no file yet, so it counts as modified. Undo gives
    // the data back to the file it came from.
    host_.History().Record(QCoreApplication::translate("FileCommands", "New"), before,
                           std::filesystem::path());
    ShowCaption();
}

void FileCommands::Open() {
    if (!AskSaveChanges()) {
        return;
    }
    const auto chosen = AskOpenDataFile(host_.DialogParent(), app_.DataFolder());
    if (!chosen) {
        return;
    }
    // Read into a copy first: a file that cannot be read or does not match
    // leaves the data set, the tree and the views as they were.
    RadioData& data = app_.Data();
    RadioData loaded = data;
    if (Result read = ReadDataFile(*chosen, loaded); !read) {
        ShowError(read);
        return;
    }
    host_.ClearTree();
    host_.CloseAllViews();
    data.header = loaded.header;
    data.image = loaded.image;
    host_.RecomputeFrequencyLimits();
    host_.BuildTree();
    data.Normalise();
    host_.LoadViews();
    host_.History().Reset();
    host_.History().SetFile(*chosen);
    ShowCaption();
}

void FileCommands::Save() {
    host_.CommitViews();
    app_.Data().Normalise();
    if (CurrentFile().empty()) {
        SaveThroughDialog();
        return;
    }
    // Saving to the current file carries the header block as it is.
    if (Result written = WriteDataFile(CurrentFile(), app_.Data(), SignatureStamp::Keep);
        !written) {
        ShowError(written);
        return;
    }
    host_.History().MarkSaved();
}

void FileCommands::SaveAs() {
    host_.CommitViews();
    app_.Data().Normalise();
    SaveThroughDialog();
}

void FileCommands::SaveThroughDialog() {
    const auto chosen =
        AskSaveDataFile(host_.DialogParent(), app_.DataFolder(), app_.Config().defaultSaveName);
    if (!chosen) {
        return;
    }
    if (Result written = WriteDataFile(*chosen, app_.Data(), SignatureStamp::Stamp); !written) {
        ShowError(written);
        return;
    }
    host_.History().SetFile(*chosen);
    ShowCaption();
    host_.History().MarkSaved();
}

void FileCommands::ShowError(const Result& result) {
    ShowProgramMessage(host_.DialogParent(), QString::fromStdString(result.message),
                       QString::fromStdString(result.detail));
}

void FileCommands::ShowCaption() {
    const std::string model = app_.SetupModel(app_.Config().modelName);
    host_.SetCaption(CurrentFile().empty() ? model : FileCaption(model, PathToUtf8(CurrentFile())));
}

}  // namespace ht57
