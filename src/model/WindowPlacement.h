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

// The work area the placement belongs to: the first that holds its frame's
// centre; nothing when none does (its screen has gone).
std::optional<PixelRect> HomeArea(const WindowPlacement& placement,
                                  std::span<const PixelRect> workAreas);

// The placement moved and shrunk as little as needed to lie within `area`;
// the client loses what the frame loses.
WindowPlacement ClipPlacement(const WindowPlacement& placement, const PixelRect& area);

// The placement in the pixels of a screen scaled by `factor` about its top
// left corner (originX, originY), which both kinds of pixel share. Kept in
// the file in device pixels, a placement gives the same size on the screen
// whatever scaling the next start runs at.
WindowPlacement ScalePlacement(const WindowPlacement& placement, int originX, int originY,
                               double factor);
PixelRect ScaleRect(const PixelRect& rect, int originX, int originY, double factor);

// The normal frame of a first start: centred in the work area, leaving a
// margin of a tenth each side so the frame the window manager adds fits.
PixelRect DefaultFrame(const PixelRect& workArea);

}  // namespace ht57
