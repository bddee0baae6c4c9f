#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace ht57 {

// The outcome of a channel import, one line per row that was skipped or
// changed and a summary, in a box the user can select and copy from.
class CImportReportDlg : public QDialog {
    Q_OBJECT

public:
    CImportReportDlg(const QString& heading, const std::vector<std::string>& lines,
                     QWidget* parent = nullptr);

    QString Text() const;
    // Puts the whole report on the clipboard.
    void CopyAll();

private:
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace ht57
