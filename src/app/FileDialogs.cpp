#include "app/FileDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "app/PathText.h"

namespace ht57 {
namespace {

// The dialog's own overwrite question would judge the name before ".dat" is
// added, so the question is asked here about the final name.
bool ConfirmReplace(QWidget* parent, const std::filesystem::path& file) {
    const QString text =
        QCoreApplication::translate("FileDialogs", "%1 already exists.\nDo you want to replace it?")
            .arg(PathToQString(file));
    return QMessageBox::warning(parent, QCoreApplication::translate("FileDialogs", "Save As"), text,
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

std::filesystem::path WithDataExtension(const std::filesystem::path& chosen) {
    if (chosen.has_extension()) {
        return chosen;
    }
    std::filesystem::path named = chosen;
    named += ".dat";
    return named;
}

std::optional<std::filesystem::path> AskOpenDataFile(QWidget* parent,
                                                     const std::filesystem::path& folder) {
    QFileDialog dialog(parent, QCoreApplication::translate("FileDialogs", "Open"),
                       PathToQString(folder),
                       QCoreApplication::translate("FileDialogs", kDataFileFilter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QStringToPath(dialog.selectedFiles().constFirst());
}

std::optional<std::filesystem::path> AskSaveDataFile(QWidget* parent,
                                                     const std::filesystem::path& folder,
                                                     const std::string& proposedName) {
    QFileDialog dialog(parent, QCoreApplication::translate("FileDialogs", "Save As"),
                       PathToQString(folder),
                       QCoreApplication::translate("FileDialogs", kDataFileFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.selectFile(QString::fromStdString(proposedName));
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        const std::filesystem::path chosen =
            WithDataExtension(QStringToPath(dialog.selectedFiles().constFirst()));
        if (!QFileInfo::exists(PathToQString(chosen)) || ConfirmReplace(parent, chosen)) {
            return chosen;
        }
        dialog.selectFile(PathToQString(chosen));
    }
}

}  // namespace ht57
