#include "link/ui/ProgramMessage.h"

#include <QMessageBox>

namespace ht57 {

void ShowProgramMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Program"), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace ht57
