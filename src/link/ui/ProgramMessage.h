#pragma once

#include <QString>
class QWidget;

namespace ht57 {

struct PortFailure;

// The detail under "Fail to open port ": what is wrong with the port and how
// to put it right in this program.
QString PortFailureDetail(const PortFailure& failure);

// The program's plain message box: caption "Program", the text, OK only,
// with the detail (what went wrong and how to fix it) under the text when
// there is one. Returns once the user has acknowledged it.
void ShowProgramMessage(QWidget* parent, const QString& text, const QString& detail = {});

}  // namespace ht57
