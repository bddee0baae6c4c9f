#include "link/ui/ProgramMessage.h"

#include <QMessageBox>

namespace ht57 {

void ShowProgramMessage(QWidget* parent, const QString& text) {
    ShowProgramMessage(parent, text, QString());
}

void ShowProgramMessage(QWidget* parent, const QString& text, const QString& detail) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Program"), text, QMessageBox::Ok, parent);
    box.setInformativeText(detail);
    box.exec();
}

}  // namespace ht57
