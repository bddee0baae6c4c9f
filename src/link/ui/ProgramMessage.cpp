#include "link/ui/ProgramMessage.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

#include "link/PortAccess.h"

namespace ht57 {

QString PortFailureDetail(const PortFailure& failure) {
    QString detail = QString::fromStdString(DescribePortFailure(failure));
    if (failure.problem == PortProblem::NotSet || failure.problem == PortProblem::Missing) {
        detail +=
            QCoreApplication::translate("ProgramMessage", "\nChoose the port under Setting, Port.");
    }
    return detail;
}

void ShowProgramMessage(QWidget* parent, const QString& text, const QString& detail) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("Program", "Program"), text,
                    QMessageBox::Ok, parent);
    if (!detail.isEmpty()) {
        box.setInformativeText(detail);
    }
    box.exec();
}

}  // namespace ht57
