#include "app/FileCommands.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "app/EditHistory.h"
#include "app/FileDialogs.h"
#include "app/PathText.h"
#include "link/ui/ProgramMessage.h"
#include "model/DataFile.h"
#include "model/DocumentNames.h"
#include "model/RecentFiles.h"

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
                           DocumentName{});
    ShowCaption();
}

void FileCommands::Open() {
    if (!AskSaveChanges()) {
        return;
    }
    if (const auto chosen = AskOpenDataFile(host_.DialogParent(), DialogFolder())) {
        (void)OpenFile(*chosen);
    }
}

bool FileCommands::OpenFile(const std::filesystem::path& file) {
    // Read into a copy first: a file that cannot be read or does not match
    // leaves the data set, the tree and the views as they were.
    RadioData& data = app_.Data();
    RadioData loaded = data;
    if (Result read = ReadDataFile(file, loaded); !read) {
        ShowError(read);
        return false;
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
    host_.History().SetFile(file);
    ShowCaption();
    RememberRecent(file);
    return true;
}

void FileCommands::OpenRecent(const std::filesystem::path& file) {
    if (!AskSaveChanges()) {
        return;
    }
    if (!OpenFile(file)) {
        ForgetRecent(file);
    }
}

const std::vector<std::filesystem::path>& FileCommands::RecentFiles() {
    if (!recentRead_) {
        recent_ = ReadRecentFiles(app_.Ini());
        recentRead_ = true;
    }
    return recent_;
}

void FileCommands::RememberRecent(const std::filesystem::path& file) {
    recent_ = WithRecentFile(RecentFiles(), file);
    // A list that cannot be kept costs only the menu entries of the next start.
    (void)WriteRecentFiles(app_.Ini(), recent_);
}

void FileCommands::ForgetRecent(const std::filesystem::path& file) {
    std::erase(recent_, file);
    (void)WriteRecentFiles(app_.Ini(), recent_);
}

DocumentName FileCommands::ReadDocument(const std::string& port) const {
    const LocalTime now = CurrentLocalTime();
    const QString origin =
        QCoreApplication::translate("FileCommands", "read from the radio on %1 at %2")
            .arg(QString::fromStdString(port), QString::fromStdString(DateTimeText(now)));
    return {{}, origin.toStdString(), ReadDocumentStem(app_.Config().modelName, now)};
}

std::string FileCommands::ProposedName(const std::string& extension,
                                       const std::string& fallback) const {
    const EditHistory& history = host_.History();
    if (history.File().empty() && history.Name().stem.empty()) {
        return fallback;
    }
    return ProposedFileName(history.File(), history.Name().stem, extension);
}

std::filesystem::path FileCommands::DialogFolder() const {
    const std::filesystem::path folder = CurrentFile().parent_path();
    std::error_code ec;
    return !folder.empty() && std::filesystem::is_directory(folder, ec) ? folder
                                                                        : app_.DataFolder();
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
    const auto chosen = AskSaveDataFile(host_.DialogParent(), DialogFolder(),
                                        ProposedName(".dat", app_.Config().defaultSaveName));
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
    RememberRecent(*chosen);
}

void FileCommands::ShowError(const Result& result) {
    ShowProgramMessage(host_.DialogParent(), QString::fromStdString(result.message),
                       QString::fromStdString(result.detail));
}

void FileCommands::ShowCaption() {
    const std::string model = app_.SetupModel(app_.Config().modelName);
    const EditHistory& history = host_.History();
    if (!CurrentFile().empty()) {
        host_.SetCaption(FileCaption(model, PathToUtf8(CurrentFile())));
    } else if (!history.Name().origin.empty()) {
        host_.SetCaption(FileCaption(model, history.Name().origin));
    } else {
        host_.SetCaption(model);
    }
}

}  // namespace ht57
