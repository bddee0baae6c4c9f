#pragma once

#include <functional>

class QUrl;

namespace ht57 {

class CMainFrame;
class CommandRegistry;

// Shows a folder to the user; the desktop's file manager unless a test hands
// in its own. False when nothing could show it.
using FolderOpener = std::function<bool(const QUrl& folder)>;

bool OpenWithDesktop(const QUrl& folder);

// File, Import Channels...: commits the views, asks for a channel CSV file
// and whether it replaces every channel or only those it names, imports it,
// reloads every open view and shows the report.
void ImportChannels(CMainFrame& frame);

// File, Export Channels...: commits the views and writes the channels in use
// to a CSV file the user names.
void ExportChannels(CMainFrame& frame);

// File, Open Backup Folder: creates the folder when missing and shows it.
void OpenBackupFolder(CMainFrame& frame, const FolderOpener& opener);

void RegisterChannelFileCommands(CommandRegistry& registry, FolderOpener opener = OpenWithDesktop);

}  // namespace ht57
