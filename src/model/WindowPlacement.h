#pragma once

#include <optional>
#include <span>
#include <string>

#include "model/IniFile.h"
#include "model/Result.h"

namespace ht57 {

// A rectangle in desktop pixels; right and bottom are exclusive.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool Contains(const PixelRect& inner) const;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Where the main window was when the program last ended: its normal (not
// maximised) frame with title bar and border, the client size inside that
// frame, and whether it was maximised.
struct WindowPlacement {
    PixelRect frame;
    int clientWidth = 0;
    int clientHeight = 0;
    bool maximised = false;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// The program's own section of Program.ini.
inline constexpr std::string_view kWindowSection = "Window";

// The placement kept in the file, nothing when it is missing or malformed.
std::optional<WindowPlacement> ReadWindowPlacement(const CIniFile& ini);
Result WriteWindowPlacement(CIniFile& ini, const WindowPlacement& placement);

// A remembered placement comes back only when its whole frame lies in one of
// the work areas the desktop has now (a screen may have gone or shrunk), and
// it is not smaller than the window can be.
bool PlacementFits(const WindowPlacement& placement, std::span<const PixelRect> workAreas,
                   int minimumWidth, int minimumHeight);

// The normal frame of a first start: centred in the work area, leaving a
// margin of a tenth each side so the frame the window manager adds fits.
PixelRect DefaultFrame(const PixelRect& workArea);

}  // namespace ht57
