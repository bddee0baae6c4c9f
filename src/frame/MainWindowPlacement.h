#pragma once

#include <QWidget>

#include "model/IniFile.h"
#include "model/Result.h"
#include "model/WindowPlacement.h"

namespace ht57 {

// Shows the main window where it was last time, as large on the screen as it
// was whatever the scaling, moved and shrunk into the work area of its screen;
// when that screen has gone, as a normal window inside the work area of the
// screen the mouse pointer is on. The window manager frames and places it;
// its size stays free, so it can be resized and maximised.
void ShowMainWindowPlaced(QWidget& window, const CIniFile& ini);

// The window's normal frame, client size and maximised state now, in device
// pixels.
WindowPlacement CurrentPlacement(const QWidget& window);

}  // namespace ht57
