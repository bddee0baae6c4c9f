#pragma once

class QString;
class QWidget;

namespace ht57 {

// The program's plain message box: caption "Program", the text, OK only.
// Returns once the user has acknowledged it.
void ShowProgramMessage(QWidget* parent, const QString& text);

}  // namespace ht57
