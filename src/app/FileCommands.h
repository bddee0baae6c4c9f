#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/EditHistory.h"
#include "app/FileCommandHost.h"

namespace ht57 {

// New, Open, Save and Save As: the data set to and from .dat files, with the
// main-window steps around them in their fixed order.
//
// The current file is kept with its full path (in the edit history, whose
// steps can change it): the file dialogs do not change the working directory,
// so a bare name would make a later Save write somewhere else than the file
// that was opened.
class FileCommands {
public:
    FileCommands(Application& app, FileCommandHost& host);

    void New();
    void Open();
    void Save();
    void SaveAs();

    // Opens `file` as Open does once a file is chosen (the command line, the
    // recent files): a file that cannot be read or does not match is told in a
    // message and changes nothing. Asks nothing about unsaved changes.
    bool OpenFile(const std::filesystem::path& file);
    // A recent file chosen in the File menu: asks about unsaved changes, then
    // opens it; one that no longer opens leaves the list.
    void OpenRecent(const std::filesystem::path& file);
    // The last data files opened or saved, most recent first.
    const std::vector<std::filesystem::path>& RecentFiles();

    // The name data read from the radio on `port` goes by now: no file, the
    // radio and the time in the caption, the model and the day proposed by Save.
    DocumentName ReadDocument(const std::string& port) const;

    // What a save or export dialog proposes: the open file's name with
    // `extension`, the read document's name, or `fallback`.
    std::string ProposedName(const std::string& extension, const std::string& fallback) const;
    // Where those dialogs start: the open file's folder, else the data folder.
    std::filesystem::path DialogFolder() const;

    // Before the document is replaced or the program ends: a modified
    // document asks "Save changes?". True when the caller may go on (saved,
    // discarded or nothing to save); false after Cancel or a failed save.
    bool AskSaveChanges();

    // Empty until a file is opened or saved through a dialog, and after New.
    const std::filesystem::path& CurrentFile() const;

    // The caption for the current file, or for no file.
    void ShowCaption();

    // The default data into the image, as New and the main window's creation
    // do: image all 0xFF, then default.dat.
    void LoadDefaultData();

private:
    // Asks for a file name and saves there, stamping the signature.
    void SaveThroughDialog();
    void ShowError(const Result& result);
    void RememberRecent(const std::filesystem::path& file);
    void ForgetRecent(const std::filesystem::path& file);

    Application& app_;
    FileCommandHost& host_;
    std::vector<std::filesystem::path> recent_;
    bool recentRead_ = false;
};

}  // namespace ht57
