#include "frame/ChannelFileCommands.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>

#include "app/PathText.h"
#include "frame/CImportOptionsDlg.h"
#include "frame/CImportReportDlg.h"
#include "frame/CMainFrame.h"
#include "frame/CommandIds.h"
#include "frame/CommandRegistry.h"
#include "link/ui/ProgramMessage.h"
#include "model/ChannelCsv.h"

namespace ht57 {
namespace {

constexpr const char* kCsvFilter =
    QT_TRANSLATE_NOOP("ChannelFileCommands", "Channel Lists (*.csv);;All Files (*)");

QString ResultText(const Result& result) {
    QString text = QString::fromStdString(result.message);
    if (!result.detail.empty()) {
        text += QStringLiteral("\n(%1)").arg(QString::fromStdString(result.detail));
    }
    return text;
}

std::optional<std::filesystem::path> AskCsvFile(CMainFrame& frame, bool save) {
    const std::filesystem::path folder = frame.App().DataFolder();
    QFileDialog dialog(&frame,
                       save ? QCoreApplication::translate("ChannelFileCommands", "Export Channels")
                            : QCoreApplication::translate("ChannelFileCommands", "Import Channels"),
                       PathToQString(folder),
                       QCoreApplication::translate("ChannelFileCommands", kCsvFilter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) {
        dialog.setDefaultSuffix(QStringLiteral("csv"));
        const std::string model = frame.App().Config().modelName;
        dialog.selectFile(QString::fromStdString((model.empty() ? "channels" : model) + ".csv"));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QStringToPath(dialog.selectedFiles().constFirst());
}

std::optional<ImportOptions> AskOptions(CMainFrame& frame) {
    CImportOptionsDlg dialog(&frame);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Options();
}

}  // namespace

bool OpenWithDesktop(const QUrl& folder) {
    return QDesktopServices::openUrl(folder);
}

void ImportChannels(CMainFrame& frame) {
    frame.CommitViews();
    const auto file = AskCsvFile(frame, false);
    if (!file) {
        return;
    }
    std::string csv;
    if (Result read = ReadChannelCsvFile(*file, csv); !read) {
        ShowProgramMessage(&frame, ResultText(read));
        return;
    }
    const auto options = AskOptions(frame);
    if (!options) {
        return;
    }
    ChannelImportReport report;
    const DataSnapshot before = EditHistory::Take(frame.Data());
    const Result imported =
        ImportChannelCsv(csv, *options, frame.Data().limits, frame.Data().image, report);
    // The whole import is one step, whatever it changed.
    frame.History().Record(QCoreApplication::translate("ChannelFileCommands", "Import channels"),
                           before);
    const QString name = QFileInfo(PathToQString(*file)).fileName();
    std::vector<std::string> lines =
        report.rows > 0 ? ImportReportLines(report) : std::vector<std::string>{};
    QString heading;
    if (!imported) {
        heading =
            QCoreApplication::translate("ChannelFileCommands", "Nothing was imported from %1.\n%2")
                .arg(name, QString::fromStdString(imported.message));
    } else {
        frame.LoadViews();
        const QString summary = QString::fromStdString(ImportSummary(report));
        heading =
            !report.issues.empty() || !report.notes.empty()
                ? QCoreApplication::translate(
                      "ChannelFileCommands",
                      "%1: %2.\nThe lines below say what was skipped or changed.")
                      .arg(name, summary)
                : QCoreApplication::translate("ChannelFileCommands", "%1: %2.").arg(name, summary);
    }
    CImportReportDlg dialog(heading, lines, &frame);
    dialog.exec();
}

void ExportChannels(CMainFrame& frame) {
    frame.CommitViews();
    const auto file = AskCsvFile(frame, true);
    if (!file) {
        return;
    }
    if (Result written = WriteChannelCsvFile(*file, frame.Data().image, frame.Data().limits);
        !written) {
        ShowProgramMessage(&frame, ResultText(written));
    }
}

void OpenBackupFolder(CMainFrame& frame, const FolderOpener& opener) {
    const std::filesystem::path folder = frame.App().BackupFolder();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec || !opener(QUrl::fromLocalFile(PathToQString(folder)))) {
        ShowProgramMessage(&frame,
                           QCoreApplication::translate("ChannelFileCommands",
                                                       "The backup folder could not be opened:\n%1")
                               .arg(PathToQString(folder)));
    }
}

void RegisterChannelFileCommands(CommandRegistry& registry, FolderOpener opener) {
    registry.Register(command::kImportChannels, ImportChannels);
    registry.Register(command::kExportChannels, ExportChannels);
    registry.Register(command::kOpenBackupFolder, [opener = std::move(opener)](CMainFrame& frame) {
        OpenBackupFolder(frame, opener);
    });
}

}  // namespace ht57
