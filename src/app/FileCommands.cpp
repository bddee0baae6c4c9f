#include "app/FileCommands.h"

#include <QMessageBox>

#include "app/FileDialogs.h"
#include "app/PathText.h"
#include "link/ui/ProgramMessage.h"
#include "model/DataFile.h"

namespace ht57 {

FileCommands::FileCommands(Application& app, FileCommandHost& host) : app_(app), host_(host) {}

void FileCommands::LoadDefaultData() {
    // An absent or unreadable default file leaves the image all 0xFF.
    (void)ht57::LoadDefaultData(app_.DefaultDataFile(), app_.Data());
}

void FileCommands::New() {
    const QString model = QString::fromStdString(app_.Config().modelName);
    if (QMessageBox::question(host_.DialogParent(), model,
                              QStringLiteral("Clear all data, \nWhether to continue?"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    host_.CloseAllViews();
    host_.ClearTree();
    LoadDefaultData();
    host_.RecomputeFrequencyLimits();
    app_.Data().Normalise();
    host_.BuildTree();
    currentFile_.clear();
    host_.SetCaption(app_.SetupModel(app_.Config().modelName));
    host_.LoadViews();
}

void FileCommands::Open() {
    const auto chosen = AskOpenDataFile(host_.DialogParent(), app_.DataFolder());
    if (!chosen) {
        return;
    }
    // Read into a copy first: a file that cannot be read or does not match
    // leaves the data set, the tree and the views as they were.
    RadioData& data = app_.Data();
    RadioData loaded = data;
    if (Result read = ReadDataFile(*chosen, loaded); !read) {
        ShowError(read.message);
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
    currentFile_ = *chosen;
    SetFileCaption();
}

void FileCommands::Save() {
    host_.CommitViews();
    app_.Data().Normalise();
    if (currentFile_.empty()) {
        SaveThroughDialog();
        return;
    }
    // Saving to the current file carries the header block as it is.
    if (Result written = WriteDataFile(currentFile_, app_.Data(), SignatureStamp::Keep); !written) {
        ShowError(written.message);
    }
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
        ShowError(written.message);
        return;
    }
    currentFile_ = *chosen;
    SetFileCaption();
}

void FileCommands::ShowError(const std::string& text) {
    ShowProgramMessage(host_.DialogParent(), QString::fromStdString(text));
}

void FileCommands::SetFileCaption() {
    host_.SetCaption(
        FileCaption(app_.SetupModel(app_.Config().modelName), PathToUtf8(currentFile_)));
}

}  // namespace ht57
