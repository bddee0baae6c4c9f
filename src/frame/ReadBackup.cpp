#include "frame/ReadBackup.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "frame/CMainFrame.h"
#include "model/Backup.h"
#include "model/DataFile.h"

namespace ht57 {

void KeepReadBackup(CMainFrame& frame) {
    const auto bytes = DataFileBytes(frame.Data(), SignatureStamp::Stamp);
    const BackupOutcome outcome = WriteBackup(
        frame.App().BackupFolder(), frame.App().Config().modelName, CurrentLocalTime(), bytes);
    if (outcome.result) {
        return;
    }
    QString text = QCoreApplication::translate(
                       "ReadBackup", "The radio was read, but its backup could not be saved:\n%1")
                       .arg(QString::fromStdString(outcome.result.message));
    if (!outcome.result.detail.empty()) {
        text += QStringLiteral("\n(%1)").arg(QString::fromStdString(outcome.result.detail));
    }
    auto* box =
        new QMessageBox(QMessageBox::Warning, ProgramTitle(), text, QMessageBox::Ok, &frame);
    box->setObjectName(QStringLiteral("BackupFailed"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

}  // namespace ht57
