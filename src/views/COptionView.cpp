#include "views/COptionView.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include "app/Application.h"
#include "model/FrequencyRange.h"
#include "model/OptionLists.h"
#include "model/Tones.h"
#include "views/EditorKeys.h"
#include "views/FieldLabel.h"
#include "views/FormLineEdit.h"

namespace ht57 {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename List>
void Fill(QComboBox* combo, const List& entries) {
    combo->clear();
    for (const auto& entry : entries) {
        combo->addItem(Text(entry));
    }
}

// A fixed choice list: shown translated, read back by position.
template <typename List>
void FillChoices(QComboBox* combo, const List& entries) {
    combo->clear();
    for (const auto& entry : entries) {
        combo->addItem(ModelText(entry));
    }
}

// A position the list does not have leaves the combo without a selection.
void Select(QComboBox* combo, int position) {
    combo->setCurrentIndex(position >= 0 && position < combo->count() ? position : -1);
}

QComboBox* MakeCombo(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

FormLineEdit* MakeEdit(QWidget* parent, int widthInDigits) {
    auto* edit = new FormLineEdit(parent);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(u'0') * widthInDigits + 12);
    return edit;
}

QFormLayout* MakeForm() {
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setSpacing(6);
    return form;
}

}  // namespace

COptionView::COptionView(RadioData& data, FrameServices& frame, QWidget* parent)
    : CBaseFormView(data, frame, parent) {
    setWindowTitle(tr("Option Features"));
    BuildLayout();

    connect(c_.rxFrequency, &FormLineEdit::FocusLost, this,
            [this] { CommitFrequencyText(c_.rxFrequency); });
    connect(c_.offsetFrequency, &FormLineEdit::FocusLost, this,
            [this] { CommitFrequencyText(c_.offsetFrequency); });
    connect(c_.onlyChannelMode, &QCheckBox::clicked, this, &COptionView::ApplyWorkModeEnabling);
    // Leaving either limit commits the range, changed or not.
    connect(c_.lowerLimit, &FormLineEdit::FocusLost, this, &COptionView::CommitFrequencyRange);
    connect(c_.upperLimit, &FormLineEdit::FocusLost, this, &COptionView::CommitFrequencyRange);
}

// Tearing the form down can take the focus from an edit; its commit must not
// run on a view that is half gone.
COptionView::~COptionView() {
    for (FormLineEdit* edit : {c_.rxFrequency, c_.offsetFrequency, c_.lowerLimit, c_.upperLimit}) {
        edit->disconnect(this);
    }
}

void COptionView::BuildLayout() {
    c_.squelch = MakeCombo(this);
    c_.vox = MakeCombo(this);
    c_.tot = MakeCombo(this);
    c_.backLight = MakeCombo(this);
    c_.display = MakeCombo(this);
    c_.pttId = MakeCombo(this);
    c_.dtmfCode = MakeEdit(this, 10);
    c_.dtmfCode->SetUpperCase(true);
    // Only what the code can store may be typed or pasted, so what the form
    // shows is what the image keeps.
    c_.dtmfCode->setValidator(new CharacterRuleValidator(&DtmfCodeKey, c_.dtmfCode));
    c_.pf3 = MakeCombo(this);

    auto* general = MakeForm();
    general->addRow(FieldLabel(field::kSquelch), c_.squelch);
    general->addRow(FieldLabel(field::kVox), c_.vox);
    general->addRow(FieldLabel(field::kTot), c_.tot);
    general->addRow(FieldLabel(field::kBackLight), c_.backLight);
    general->addRow(FieldLabel(field::kDisplay), c_.display);
    general->addRow(FieldLabel(field::kPttId), c_.pttId);
    general->addRow(FieldLabel(field::kDtmfCode), c_.dtmfCode);
    general->addRow(FieldLabel(field::kPf3), c_.pf3);

    c_.lowerLimit = MakeEdit(this, 4);
    c_.upperLimit = MakeEdit(this, 4);
    for (FormLineEdit* limit : {c_.lowerLimit, c_.upperLimit}) {
        limit->SetTyping(FormLineEdit::Typing::Digits);
        limit->SetUpperCase(true);
        limit->setAlignment(Qt::AlignRight);
    }
    auto* range = new QGroupBox(tr("Frequency Range"), this);
    auto* rangeRow = new QHBoxLayout(range);
    rangeRow->addWidget(c_.lowerLimit);
    rangeRow->addWidget(new QLabel(QStringLiteral("---"), range));
    rangeRow->addWidget(c_.upperLimit);
    rangeRow->addWidget(new QLabel(QStringLiteral("MHz"), range));
    rangeRow->addStretch();
    // The two limits share the group's caption; a screen reader tells them apart.
    c_.lowerLimit->setAccessibleName(tr("Lower frequency limit (MHz)"));
    c_.upperLimit->setAccessibleName(tr("Upper frequency limit (MHz)"));

    c_.beep = new QCheckBox(FieldLabel(field::kBeep), this);
    c_.save = new QCheckBox(FieldLabel(field::kSave), this);
    c_.manual = new QCheckBox(FieldLabel(field::kManual), this);
    c_.channelEmbedEnable = new QCheckBox(FieldLabel(field::kChannelEmbed), this);
    auto* switches = new QVBoxLayout;
    switches->setContentsMargins(8, 0, 0, 0);
    switches->setSpacing(6);
    for (QCheckBox* check : {c_.beep, c_.save, c_.manual, c_.channelEmbedEnable}) {
        switches->addWidget(check);
    }

    auto* left = new QVBoxLayout;
    left->setSpacing(8);
    left->addLayout(general);
    left->addWidget(range);
    left->addStretch();

    auto* scan = new QGroupBox(tr("Scan"), this);
    c_.priorityScan = new QCheckBox(FieldLabel(field::kPriorityScan), scan);
    c_.scanMode = MakeCombo(scan);
    c_.priorityChannel = MakeCombo(scan);
    c_.priorityChannel->setMinimumContentsLength(4);
    auto* scanForm = MakeForm();
    scanForm->addRow(c_.priorityScan);
    scanForm->addRow(FieldLabel(field::kScanMode), c_.scanMode);
    scanForm->addRow(FieldLabel(field::kPriorityChannel), c_.priorityChannel);
    scan->setLayout(scanForm);

    auto* workMode = new QGroupBox(FieldLabel(field::kWorkMode), this);
    c_.frequencyMode = new QRadioButton(ModelText(kWorkModeList[0]), workMode);
    c_.channelMode = new QRadioButton(ModelText(kWorkModeList[1]), workMode);
    c_.onlyChannelMode = new QCheckBox(FieldLabel(field::kOnlyChannelMode), workMode);
    workMode_ = new QButtonGroup(this);
    workMode_->addButton(c_.frequencyMode);
    workMode_->addButton(c_.channelMode);
    auto* modeRows = new QVBoxLayout(workMode);
    auto* modeButtons = new QHBoxLayout;
    modeButtons->addWidget(c_.frequencyMode);
    modeButtons->addWidget(c_.channelMode);
    modeButtons->addStretch();
    modeRows->addLayout(modeButtons);
    modeRows->addWidget(c_.onlyChannelMode);

    auto* middle = new QVBoxLayout;
    middle->setSpacing(8);
    middle->addLayout(switches);
    middle->addWidget(scan);
    middle->addWidget(workMode);
    middle->addStretch();

    auto* frequencyMode = new QGroupBox(tr("Frequency Mode"), this);
    c_.rxFrequency = MakeEdit(frequencyMode, 11);
    c_.decode = MakeCombo(frequencyMode);
    c_.encode = MakeCombo(frequencyMode);
    c_.step = MakeCombo(frequencyMode);
    c_.bandwidth = MakeCombo(frequencyMode);
    c_.power = MakeCombo(frequencyMode);
    c_.duplex = MakeCombo(frequencyMode);
    c_.offsetFrequency = MakeEdit(frequencyMode, 11);
    auto* modeForm = MakeForm();
    modeForm->addRow(FieldLabel(field::kRxFrequency), c_.rxFrequency);
    modeForm->addRow(FieldLabel(field::kDecode), c_.decode);
    modeForm->addRow(FieldLabel(field::kEncode), c_.encode);
    modeForm->addRow(FieldLabel(field::kStep), c_.step);
    modeForm->addRow(FieldLabel(field::kBandwidth), c_.bandwidth);
    modeForm->addRow(FieldLabel(field::kPower), c_.power);
    modeForm->addRow(FieldLabel(field::kDuplex), c_.duplex);
    modeForm->addRow(FieldLabel(field::kOffsetFrequency), c_.offsetFrequency);
    frequencyMode->setLayout(modeForm);

    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    right->addWidget(frequencyMode);
    right->addStretch();

    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(12, 12, 12, 12);
    columns->setSpacing(18);  // nested layouts keep their own, closer spacing
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);
}

void COptionView::FillFixedLists() {
    FillChoices(c_.tot, kTotList);
    FillChoices(c_.squelch, kSquelchList);
    FillChoices(c_.vox, kVoxList);
    FillChoices(c_.backLight, kBackLightList);
    FillChoices(c_.display, kDisplayList);
    FillChoices(c_.pttId, kPttIdList);
    c_.dtmfCode->setMaxLength(kDtmfCodeEditLength);
    FillChoices(c_.pf3, kPf3List);
    c_.lowerLimit->setMaxLength(kLimitEditLength);
    c_.upperLimit->setMaxLength(kLimitEditLength);
    FillChoices(c_.scanMode, kScanModeList);
    c_.rxFrequency->setMaxLength(kRxFrequencyEditLength);
    for (QComboBox* tones : {c_.decode, c_.encode}) {
        tones->clear();
        for (const std::string& tone : ToneList()) {
            tones->addItem(ToneShown(tone));
        }
    }
    FillChoices(c_.power, kPowerList);
    FillChoices(c_.bandwidth, kBandwidthList);
    FillChoices(c_.duplex, kDuplexList);
    FillChoices(c_.step, kStepList);
    c_.offsetFrequency->setMaxLength(kOffsetEditLength);
}

void COptionView::LoadFromImage() {
    ShowValues(DecodeOptions(ImageBytes(), Data().limits));
    // What the controls show, not what was decoded: a control that cannot
    // hold a stored value shows something else, and that is no edit.
    shown_ = ReadValues();
}

void COptionView::SaveToImage() {
    Image& image = ImageBytes();
    const OptionValues current = ReadValues();
    Image shownEncoded = image;
    EncodeOptions(shown_, shownEncoded);
    Image edited = image;
    EncodeOptions(current, edited);
    KeepUnchangedFields(image, shownEncoded, edited);
    image = edited;
    shown_ = current;
}

void COptionView::ShowValues(const OptionValues& values) {
    RebuildPriorityChannels(values.priorityChannels, values.priorityChannel);
    Select(c_.squelch, values.squelch);
    Select(c_.vox, values.vox);
    Select(c_.tot, values.tot);
    Select(c_.backLight, values.backLight);
    Select(c_.display, values.display);
    Select(c_.pttId, values.pttId);
    c_.dtmfCode->setText(Text(values.dtmfCode));
    Select(c_.pf3, values.pf3);
    c_.lowerLimit->setText(Text(values.lowerLimit));
    c_.upperLimit->setText(Text(values.upperLimit));
    (values.frequencyMode ? c_.frequencyMode : c_.channelMode)->setChecked(true);
    c_.onlyChannelMode->setChecked(values.onlyChannelMode);
    c_.beep->setChecked(values.beep);
    c_.save->setChecked(values.save);
    c_.manual->setChecked(values.manual);
    c_.channelEmbedEnable->setChecked(values.channelEmbedEnable);
    Select(c_.scanMode, values.scanMode);
    c_.priorityScan->setChecked(values.priorityScan);
    c_.rxFrequency->setText(Text(values.rxFrequency));
    Select(c_.decode, values.decodeTone);
    Select(c_.encode, values.encodeTone);
    Select(c_.power, values.power);
    Select(c_.bandwidth, values.bandwidth);
    Select(c_.step, values.step);
    Select(c_.duplex, values.duplex);
    c_.offsetFrequency->setText(Text(values.offsetFrequency));
    ApplyWorkModeEnabling();
}

OptionValues COptionView::ReadValues() const {
    OptionValues values;
    values.squelch = c_.squelch->currentIndex();
    values.vox = c_.vox->currentIndex();
    values.tot = c_.tot->currentIndex();
    values.backLight = c_.backLight->currentIndex();
    values.display = c_.display->currentIndex();
    values.pttId = c_.pttId->currentIndex();
    values.dtmfCode = c_.dtmfCode->text().toStdString();
    values.pf3 = c_.pf3->currentIndex();
    values.lowerLimit = c_.lowerLimit->text().toStdString();
    values.upperLimit = c_.upperLimit->text().toStdString();
    values.frequencyMode = c_.frequencyMode->isChecked();
    values.onlyChannelMode = c_.onlyChannelMode->isChecked();
    values.beep = c_.beep->isChecked();
    values.save = c_.save->isChecked();
    values.manual = c_.manual->isChecked();
    values.channelEmbedEnable = c_.channelEmbedEnable->isChecked();
    values.scanMode = c_.scanMode->currentIndex();
    for (int i = 0; i < c_.priorityChannel->count(); ++i) {
        values.priorityChannels.push_back(c_.priorityChannel->itemText(i).toStdString());
    }
    values.priorityChannel = c_.priorityChannel->currentIndex();
    values.priorityScan = c_.priorityScan->isChecked();
    values.rxFrequency = c_.rxFrequency->text().toStdString();
    values.decodeTone = c_.decode->currentIndex();
    values.encodeTone = c_.encode->currentIndex();
    values.power = c_.power->currentIndex();
    values.bandwidth = c_.bandwidth->currentIndex();
    values.step = c_.step->currentIndex();
    values.duplex = c_.duplex->currentIndex();
    values.offsetFrequency = c_.offsetFrequency->text().toStdString();
    return values;
}

void COptionView::RebuildPriorityChannels(const std::vector<std::string>& channels, int selection) {
    Fill(c_.priorityChannel, channels);
    Select(c_.priorityChannel, selection);
}

// "Only Channel Mode" pins the work mode to "Channel"; unchecking it frees the
// buttons again without touching their state.
void COptionView::ApplyWorkModeEnabling() {
    const bool only = c_.onlyChannelMode->isChecked();
    if (only) {
        c_.channelMode->setChecked(true);
    }
    c_.frequencyMode->setEnabled(!only);
    c_.channelMode->setEnabled(!only);
}

void COptionView::CommitFrequencyText(FormLineEdit* edit) {
    if (const auto shown = SnappedFrequencyText(edit->text().toStdString())) {
        edit->setText(Text(*shown));
        return;
    }
    // More than the field can hold: the stored value stays.
    const OptionValues stored = DecodeOptions(ImageBytes(), Data().limits);
    edit->setText(Text(edit == c_.rxFrequency ? stored.rxFrequency : stored.offsetFrequency));
}

void COptionView::CommitFrequencyRange() {
    // The question takes the focus from the other limit edit, which would
    // commit (and store the edit being asked about) once more.
    if (committingRange_) {
        return;
    }
    const QScopedValueRollback guard(committingRange_, true);
    const QScopedValueRollback pause(fieldStepsPaused_, true);
    const FrequencyRangeEdits edits{c_.lowerLimit->text().toStdString(),
                                    c_.upperLimit->text().toStdString(),
                                    c_.rxFrequency->text().toStdString()};
    const int lost = ChannelsLostByRangeCommit(edits, Data());
    if (lost > 0 &&
        QMessageBox::question(
            this, ProgramTitle(),
            tr("The new frequency range clears %1 channel(s) in use.\nContinue?").arg(lost),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) != QMessageBox::Ok) {
        const OptionValues stored = DecodeOptions(ImageBytes(), Data().limits);
        c_.lowerLimit->setText(Text(stored.lowerLimit));
        c_.upperLimit->setText(Text(stored.upperLimit));
        return;
    }
    // The erased channels and the new limits are one step.
    const QString name = lost > 0 ? tr("Narrow frequency range") : tr("Change frequency range");
    const QString chosen = c_.priorityChannel->currentText();
    Frame().History().Apply(name, [this, &edits, &chosen](RadioData& data) {
        const FrequencyRangeEdits shown = ht57::CommitFrequencyRange(edits, data);
        c_.lowerLimit->setText(Text(shown.lowerLimit));
        c_.upperLimit->setText(Text(shown.upperLimit));
        c_.rxFrequency->setText(Text(shown.rxFrequency));
        // Channels outside the new limits are gone: the Priority Channel list
        // must not go on offering them. The chosen channel stays chosen if it
        // survived.
        RebuildPriorityChannels(DecodeOptions(data.image, data.limits).priorityChannels, 0);
        if (const int index = c_.priorityChannel->findText(chosen); index >= 0) {
            c_.priorityChannel->setCurrentIndex(index);
        }
        SaveToImage();
    });
    Frame().ShowFrequencyLimits();

    if (Frame().IsViewOpen(ViewKind::ChannelInfo)) {
        Frame().RefreshView(ViewKind::ChannelInfo);
    }
}

}  // namespace ht57
