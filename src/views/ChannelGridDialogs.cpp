#include "views/ChannelGridDialogs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <array>

#include "model/Tones.h"
#include "views/FieldLabel.h"

namespace ht57 {
namespace {

constexpr std::array<ChannelColumn, 5> kFillColumns{ChannelColumn::Power, ChannelColumn::Bandwidth,
                                                    ChannelColumn::RxTone, ChannelColumn::TxTone,
                                                    ChannelColumn::BusyLock};

// Fills `values` with the column's choices, the model's text as each one's
// data. List entries are shown translated; of the tones only "Off" is a word.
void AddValues(QComboBox* values, ChannelColumn column) {
    const auto add = [values](const auto& texts, bool translated = true) {
        for (const auto& text : texts) {
            const std::string model(text);
            const QString data = QString::fromStdString(model);
            values->addItem(translated ? ModelText(model) : ToneShown(model), data);
        }
    };
    switch (column) {
        case ChannelColumn::Power:
            add(kPowerTexts);
            break;
        case ChannelColumn::Bandwidth:
            add(kBandwidthTexts);
            break;
        case ChannelColumn::BusyLock:
            add(kBusyLockTexts);
            break;
        default:
            add(ToneList(), false);
            break;
    }
}

// The model's text of the chosen value; a tone typed in stays as typed.
QString ChosenValue(const QComboBox* values) {
    const int index = values->findText(values->currentText());
    return index < 0 ? values->currentText() : values->itemData(index).toString();
}

bool Run(QDialog& dialog, QFormLayout& form) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form.addRow(buttons);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

std::optional<FillChoice> AskFill(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("fillDialog"));
    dialog.setWindowTitle(
        QCoreApplication::translate("ChannelGridDialogs", "Fill Selected Channels"));
    auto* form = new QFormLayout(&dialog);
    auto* field = new QComboBox(&dialog);
    auto* value = new QComboBox(&dialog);
    for (const ChannelColumn column : kFillColumns) {
        field->addItem(ModelText(ColumnTitle(column)));
    }
    const auto refill = [field, value](int index) {
        const ChannelColumn column = kFillColumns[static_cast<std::size_t>(index)];
        value->clear();
        AddValues(value, column);
        // A tone may be typed as on the grid ("d23", "885").
        value->setEditable(column == ChannelColumn::RxTone || column == ChannelColumn::TxTone);
    };
    refill(0);
    QObject::connect(field, &QComboBox::currentIndexChanged, &dialog, refill);
    form->addRow(QCoreApplication::translate("ChannelGridDialogs", "Field:"), field);
    form->addRow(QCoreApplication::translate("ChannelGridDialogs", "Value:"), value);
    if (!Run(dialog, *form)) {
        return std::nullopt;
    }
    return FillChoice{kFillColumns[static_cast<std::size_t>(field->currentIndex())],
                      ChosenValue(value)};
}

std::optional<ShiftChoice> AskRepeaterShift(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("shiftDialog"));
    dialog.setWindowTitle(QCoreApplication::translate("ChannelGridDialogs", "Repeater Shift"));
    auto* form = new QFormLayout(&dialog);
    auto* direction = new QComboBox(&dialog);
    direction->addItems({QCoreApplication::translate("ChannelGridDialogs", "Tx = Rx + offset"),
                         QCoreApplication::translate("ChannelGridDialogs", "Tx = Rx - offset")});
    auto* offset = new QLineEdit(QStringLiteral("0.6"), &dialog);
    form->addRow(QCoreApplication::translate("ChannelGridDialogs", "Direction:"), direction);
    form->addRow(QCoreApplication::translate("ChannelGridDialogs", "Offset (MHz):"), offset);
    if (!Run(dialog, *form)) {
        return std::nullopt;
    }
    return ShiftChoice{offset->text().trimmed(), direction->currentIndex() == 0};
}

}  // namespace ht57
