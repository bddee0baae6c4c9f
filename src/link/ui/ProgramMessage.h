#pragma once

class QString;
class QWidget;

namespace ht57 {

// The program's plain message box: caption "Program", the text, OK only.
// Returns once the user has acknowledged it.
void ShowProgramMessage(QWidget* parent, const QString& text);
// The same with a second line below the text, naming the file (or port) and
// the reason; no second line when `detail` is empty.
void ShowProgramMessage(QWidget* parent, const QString& text, const QString& detail);

}  // namespace ht57
