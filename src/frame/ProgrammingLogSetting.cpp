#include "frame/ProgrammingLogSetting.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>

#include "app/PathText.h"
#include "frame/CMainFrame.h"
#include "link/ui/ProgramMessage.h"
#include "model/IniFile.h"
#include "model/ProgrammingLog.h"

namespace ht57 {
namespace {

constexpr const char* kProgrammingLogKey = "ProgrammingLog";
constexpr const char* kKeepLogKey = "KeepProgrammingLog";

std::filesystem::path ChosenFile(const CIniFile& ini) {
    return QStringToPath(QString::fromStdString(ini.GetString("Setup", kProgrammingLogKey, "")));
}

QString Text(const char* text) {
    return QCoreApplication::translate("ProgrammingLogSetting", text);
}

void ShowTrouble(CMainFrame& frame, const Result& result) {
    ShowProgramMessage(&frame, QString::fromStdString(result.message),
                       QString::fromStdString(result.detail));
}

}  // namespace

std::filesystem::path ProgrammingLogFile(const CIniFile& ini) {
    return ini.GetString("Setup", kKeepLogKey, "0") == "1" ? ChosenFile(ini)
                                                           : std::filesystem::path();
}

void ChangeProgrammingLog(CMainFrame& frame, QAction& entry, bool on) {
    CIniFile& ini = frame.App().Ini();
    if (on) {
        const std::filesystem::path last = ChosenFile(ini);
        QFileDialog dialog(
            &frame, Text(QT_TRANSLATE_NOOP("ProgrammingLogSetting", "Programming log")),
            PathToQString(last.empty() ? frame.App().DataFolder() / "programming-log.csv" : last),
            Text(QT_TRANSLATE_NOOP("ProgrammingLogSetting", "CSV Files (*.csv)")));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Rows are appended: choosing a log that exists replaces nothing.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setDefaultSuffix(QStringLiteral("csv"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            ShowProgrammingLog(ini, entry);
            return;
        }
        const std::filesystem::path file = QStringToPath(dialog.selectedFiles().constFirst());
        Result kept = ProgrammingLog(file).Check();
        if (kept) {
            kept = ini.Write("Setup", kProgrammingLogKey, PathToUtf8(file));
        }
        if (!kept) {
            ShowTrouble(frame, kept);
            ShowProgrammingLog(ini, entry);
            return;
        }
    }
    if (const Result written = ini.Write("Setup", kKeepLogKey, on ? "1" : "0"); !written) {
        ShowTrouble(frame, written);
    }
    ShowProgrammingLog(ini, entry);
}

void ShowProgrammingLog(const CIniFile& ini, QAction& entry) {
    const std::filesystem::path file = ProgrammingLogFile(ini);
    entry.setChecked(!file.empty());
    entry.setStatusTip(
        file.empty() ? Text(QT_TRANSLATE_NOOP("ProgrammingLogSetting",
                                              "Append a row for every radio written to a CSV file"))
                     : Text(QT_TRANSLATE_NOOP("ProgrammingLogSetting",
                                              "Every radio written is logged in %1"))
                           .arg(PathToQString(file)));
    entry.setToolTip(entry.statusTip());
}

}  // namespace ht57
