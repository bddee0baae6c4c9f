#pragma once

#include <QtGlobal>
#include <filesystem>
#include <optional>
#include <string>

class QWidget;

namespace ht57 {

inline constexpr const char* kDataFileFilter =
    QT_TRANSLATE_NOOP("FileDialogs", "Data Files (*.dat)");

// The open dialog for data files, starting in `folder`. nullopt on cancel.
std::optional<std::filesystem::path> AskOpenDataFile(QWidget* parent,
                                                     const std::filesystem::path& folder);

// The save dialog for data files, starting in `folder` with `proposedName`.
// A name without an extension gains ".dat", and replacing an existing file is
// confirmed for that final name; answering No returns to the dialog.
// nullopt on cancel.
std::optional<std::filesystem::path> AskSaveDataFile(QWidget* parent,
                                                     const std::filesystem::path& folder,
                                                     const std::string& proposedName);

// The name a save uses for what the user typed: ".dat" appended when the file
// name has no extension.
std::filesystem::path WithDataExtension(const std::filesystem::path& chosen);

}  // namespace ht57
