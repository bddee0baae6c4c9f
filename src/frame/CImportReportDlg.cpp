#include "frame/CImportReportDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ht57 {

CImportReportDlg::CImportReportDlg(const QString& heading, const std::vector<std::string>& lines,
                                   QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Import Channels"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(heading, this);
    label->setWordWrap(true);
    layout->addWidget(label);

    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList all;
    for (const std::string& line : lines) {
        all << QString::fromStdString(line);
    }
    text_->setPlainText(all.join('\n'));
    layout->addWidget(text_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* copy = buttons->addButton(tr("Copy"), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this, &CImportReportDlg::CopyAll);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(720, 420);
}

QString CImportReportDlg::Text() const {
    return text_->toPlainText();
}

void CImportReportDlg::CopyAll() {
    QApplication::clipboard()->setText(Text());
}

}  // namespace ht57
