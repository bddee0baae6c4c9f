#pragma once

#include <memory>

#include "app/Application.h"
#include "frame/CMainFrame.h"

namespace ht57 {

// The program's start-up: the application's own steps, then the main window
// with its icon, shown where it was last time or inside the work area, and the Edit menu given
// its final labels. When start-up fails its message is shown (caption
// "Program") and nullptr comes back; no window has been shown then.
std::unique_ptr<CMainFrame> StartProgram(Application& app);

// The main window's part of start-up alone.
std::unique_ptr<CMainFrame> CreateMainWindow(Application& app);

}  // namespace ht57
