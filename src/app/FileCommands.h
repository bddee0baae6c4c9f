#pragma once

#include <filesystem>

#include "app/Application.h"
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

    Application& app_;
    FileCommandHost& host_;
};

}  // namespace ht57
