#pragma once

#include <filesystem>

class QAction;

namespace ht57 {

class CIniFile;
class CMainFrame;

// The "Programming log" setting: the CSV file every Write appends a row per
// radio to, empty when off. [Setup] ProgrammingLog of Program.ini keeps the
// file last chosen, which turning the log on again proposes, and
// KeepProgrammingLog whether it is on.
std::filesystem::path ProgrammingLogFile(const CIniFile& ini);

// The setting's checkable menu entry: turning it on asks for the file (a
// file that exists is appended to, never replaced), turning it off forgets
// it. The entry's check and tip then show what is set.
void ChangeProgrammingLog(CMainFrame& frame, QAction& entry, bool on);
void ShowProgrammingLog(const CIniFile& ini, QAction& entry);

}  // namespace ht57
