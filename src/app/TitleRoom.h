#pragma once

class QApplication;
class QWidget;

namespace ht57 {

// The width a window needs for its whole title in the title bar: the text in
// a bold title font, plus room for the window menu icon and the buttons.
int TitleWidth(const QWidget& window);

// From now on every dialog is at least as wide as its title needs when it is
// shown, so the window manager never cuts the title short ("Fill Se…
// nnels"). Installed once, at start-up.
void KeepRoomForTitles(QApplication& app);

}  // namespace ht57
