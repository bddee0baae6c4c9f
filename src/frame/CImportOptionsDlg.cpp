#include "frame/CImportOptionsDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ht57 {
namespace {

// The one line under an option that says what it does.
QLabel* Explanation(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setIndent(24);
    return label;
}

}  // namespace

CImportOptionsDlg::CImportOptionsDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Import Channels"));
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(
        tr("Store the list into the channels it names, or replace all channels?\n"
           "\"Named Channels Only\": channels the list does not name keep their records.\n"
           "\"Replace All\": channels the list does not fill are cleared, except channels "
           "whose row was skipped, which keep their record and are listed by number."),
        this);
    question->setWordWrap(true);
    layout->addWidget(question);

    auto* placement = new QGridLayout;
    auto* byLocation = new QRadioButton(tr("Place by Location"), this);
    byLocation->setChecked(true);
    fromChannel_ = new QRadioButton(tr("Place from channel N"), this);
    firstChannel_ = new QSpinBox(this);
    firstChannel_->setRange(1, region::kChannelCount);
    firstChannel_->setEnabled(false);
    fillFree_ = new QRadioButton(tr("Fill free channels"), this);
    connect(fromChannel_, &QRadioButton::toggled, firstChannel_, &QSpinBox::setEnabled);
    placement->addWidget(byLocation, 0, 0);
    placement->addWidget(
        Explanation(tr("Each row goes to the channel its Location column names."), this), 1, 0, 1,
        2);
    placement->addWidget(fromChannel_, 2, 0);
    placement->addWidget(firstChannel_, 2, 1);
    placement->addWidget(
        Explanation(tr("The rows go in file order to channel N and the channels after it."), this),
        3, 0, 1, 2);
    placement->addWidget(fillFree_, 4, 0);
    placement->addWidget(
        Explanation(tr("The rows go in file order to the channels not in use."), this), 5, 0, 1, 2);
    layout->addLayout(placement);
    distinctNames_ = new QCheckBox(tr("Keep cut names distinct"), this);
    layout->addWidget(distinctNames_);
    layout->addWidget(Explanation(
        tr("Names cut to five characters that would read alike end in a number (CITY1)."), this));
    ignoreUnknownColumns_ = new QCheckBox(tr("Ignore unknown columns"), this);
    layout->addWidget(ignoreUnknownColumns_);
    layout->addWidget(Explanation(
        tr("Columns with an empty or unknown header are passed over and named in the report."),
        this));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* named =
        buttons->addButton(tr("Named Channels Only"), QDialogButtonBox::AcceptRole);
    QPushButton* all = buttons->addButton(tr("Replace All"), QDialogButtonBox::DestructiveRole);
    named->setDefault(true);
    connect(named, &QPushButton::clicked, this, [this] { Choose(ImportScope::NamedChannels); });
    connect(all, &QPushButton::clicked, this, [this] { Choose(ImportScope::ReplaceAll); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CImportOptionsDlg::Choose(ImportScope scope) {
    scope_ = scope;
    accept();
}

ImportOptions CImportOptionsDlg::Options() const {
    ImportOptions options;
    options.scope = scope_;
    options.placement.inOrder = fromChannel_->isChecked() || fillFree_->isChecked();
    options.placement.fillFree = fillFree_->isChecked();
    options.placement.firstChannel = fromChannel_->isChecked() ? firstChannel_->value() : 1;
    options.distinctNames = distinctNames_->isChecked();
    options.ignoreUnknownColumns = ignoreUnknownColumns_->isChecked();
    return options;
}

}  // namespace ht57
