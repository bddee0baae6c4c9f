#pragma once

class QApplication;
class QString;
class QWidget;

namespace ht57 {

// The name a screen reader announces for a control: the label beside it (its
// buddy, its form row, the label or check box before it in its row), else an
// icon button's tool tip, else the title of the group, dock or window
// holding it. Empty when none of these has text.
QString LabelBeside(const QWidget& control);

// Gives every unnamed control under `root` (root included) the name
// LabelBeside finds, and makes that label its buddy, so Alt plus the label's
// mnemonic and the reader's "labelled by" lead to the control.
void NameControls(QWidget& root);

// From now on every window, dialog and MDI window names its controls as it is
// shown, and every message box carries its text (and the line below it) as
// its accessible description. Installed once, at start-up.
void InstallAccessibleNames(QApplication& app);

}  // namespace ht57
