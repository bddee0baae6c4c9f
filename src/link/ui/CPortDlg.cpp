#include "link/ui/CPortDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

namespace ht57 {

namespace {
constexpr int kColumns = 4;
}  // namespace

CPortDlg::CPortDlg(PortSettings& settings, QWidget* parent, PortChoiceSource source)
    : QDialog(parent), settings_(settings), choice_(source(settings.name)) {
    setWindowTitle(tr("Port"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* group = new QGroupBox(tr("Port"), this);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(16);
    buttons_ = new QButtonGroup(this);
    buttons_->setExclusive(true);

    // Sixteen places in four rows of four; places the catalog leaves empty
    // (fewer devices than that) stay hidden.
    for (int slot = 0; slot < kButtonCount; ++slot) {
        auto* button = new QRadioButton(group);
        button->setObjectName(QStringLiteral("port%1").arg(slot + 1));
        const auto index = static_cast<std::size_t>(slot);
        if (index < choice_.entries.size()) {
            const PortEntry& entry = choice_.entries[index];
            button->setText(QString::fromStdString(entry.label));
            button->setEnabled(entry.available);
            button->setToolTip(QString::fromStdString(entry.details));
            button->setChecked(choice_.checked == index);
        } else {
            button->setVisible(false);
        }
        buttons_->addButton(button, kFirstButtonId + slot);
        grid->addWidget(button, slot / kColumns, slot % kColumns);
    }

    auto* box =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    box->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    box->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(box, &QDialogButtonBox::accepted, this, &CPortDlg::accept);
    connect(box, &QDialogButtonBox::rejected, this, &CPortDlg::reject);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addWidget(box, 0, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CPortDlg::accept() {
    const int id = buttons_->checkedId();
    const int index = id - kFirstButtonId;
    if (id >= 0 && index >= 0 && static_cast<std::size_t>(index) < choice_.entries.size()) {
        settings_.name = choice_.entries[static_cast<std::size_t>(index)].name;
    }
    QDialog::accept();
}

}  // namespace ht57
