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

CImportOptionsDlg::CImportOptionsDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Import Channels"));
    auto* layout = new QVBoxLayout(this);
    auto* question =
        new QLabel(tr("Store the list into the channels it names, or replace all channels?\n"
                      "\"Replace All\" clears every channel the list does not fill."),
                   this);
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
    placement->addWidget(fromChannel_, 1, 0);
    placement->addWidget(firstChannel_, 1, 1);
    placement->addWidget(fillFree_, 2, 0);
    layout->addLayout(placement);
    distinctNames_ = new QCheckBox(tr("Keep cut names distinct"), this);
    layout->addWidget(distinctNames_);

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
    return options;
}

}  // namespace ht57
