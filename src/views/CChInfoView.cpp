#include "views/CChInfoView.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QVBoxLayout>
#include <array>
#include <vector>

#include "model/ChannelEdit.h"
#include "model/ChannelFieldEdit.h"
#include "model/Tones.h"
#include "views/ChannelGridCommands.h"
#include "views/EditorKeys.h"
#include "views/FieldLabel.h"
#include "views/FlexGrid.h"

namespace ht57 {
namespace {

constexpr int kGridRows = region::kChannelCount + 1;
constexpr int kGridCols = kChannelColumnCount + 1;
constexpr int kLastRow = region::kChannelCount;
constexpr int kLastCol = kChannelColumnCount;

// Column widths in twips; column 0 holds the channel number.
constexpr std::array<int, kGridCols> kColumnTwips{500,  1400, 1400, 1100, 1100,
                                                  2000, 1000, 1000, 1500};

ChannelColumn ColumnOf(int col) {
    return static_cast<ChannelColumn>(col);
}

// The model's texts of the busy lock, power and bandwidth columns; empty for
// the columns that take free text.
std::vector<const char*> ListTexts(ChannelColumn column) {
    switch (column) {
        case ChannelColumn::BusyLock:
            return {kBusyLockTexts.begin(), kBusyLockTexts.end()};
        case ChannelColumn::Power:
            return {kPowerTexts.begin(), kPowerTexts.end()};
        case ChannelColumn::Bandwidth:
            return {kBandwidthTexts.begin(), kBandwidthTexts.end()};
        default:
            return {};
    }
}

// Entries of the list chooser, as the grid shows them.
QStringList ListEntries(ChannelColumn column) {
    QStringList entries;
    for (const char* text : ListTexts(column)) {
        entries << ModelText(text);
    }
    return entries;
}

// A list column's cell shows its entry translated; the row keeps the model's.
QString CellShown(ChannelColumn column, const std::string& text) {
    if (column == ChannelColumn::RxTone || column == ChannelColumn::TxTone) {
        return ToneShown(text);
    }
    for (const char* entry : ListTexts(column)) {
        if (text == entry) {
            return ModelText(entry);
        }
    }
    return QString::fromStdString(text);
}

std::string CellStored(ChannelColumn column, const QString& shown) {
    if ((column == ChannelColumn::RxTone || column == ChannelColumn::TxTone) &&
        shown == ToneShown(ToneText(0))) {
        return std::string(ToneText(0));
    }
    for (const char* entry : ListTexts(column)) {
        if (shown == ModelText(entry)) {
            return entry;
        }
    }
    return shown.toStdString();
}

// The drop-down's own popup (or an editor's context menu) takes the focus
// for a moment without ending the edit; the list inside the popup takes it
// once more after the popup has opened.
bool IgnoredFocusLoss(const QEvent* event) {
    return static_cast<const QFocusEvent*>(event)->reason() == Qt::PopupFocusReason ||
           QApplication::activePopupWidget() != nullptr;
}

// Text of more than one cell: a tab or a line break inside it.
bool IsTableText(const QString& text) {
    return text.trimmed().contains(QLatin1Char('\t')) || text.trimmed().contains(QLatin1Char('\n'));
}

}  // namespace

CChInfoView::CChInfoView(RadioData& data, FrameServices& frame, QWidget* parent)
    : CBaseFormView(data, frame, parent),
      grid_(new FlexGrid(this)),
      frequencyEditor_(new QLineEdit(this)),
      toneChooser_(new QComboBox(this)),
      listChooser_(new QComboBox(this)),
      nameEditor_(new QLineEdit(this)),
      commands_(new ChannelGridCommands(*this, *grid_, data)) {
    setWindowTitle(tr("Channel Infomation"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 22, 24, 22);
    layout->addWidget(grid_);

    frequencyEditor_->setObjectName(QStringLiteral("frequencyEditor"));
    toneChooser_->setObjectName(QStringLiteral("toneChooser"));
    listChooser_->setObjectName(QStringLiteral("listChooser"));
    nameEditor_->setObjectName(QStringLiteral("nameEditor"));
    grid_->setObjectName(QStringLiteral("channelGrid"));

    frequencyEditor_->setFrame(false);
    nameEditor_->setFrame(false);
    frequencyEditor_->setValidator(new CharacterRuleValidator(
        [](char32_t c) {
            return IsFrequencyKey(c) ? std::optional<char>(static_cast<char>(c)) : std::nullopt;
        },
        frequencyEditor_));
    nameEditor_->setValidator(new CharacterRuleValidator(&NameKey, nameEditor_));

    for (QWidget* editor : std::initializer_list<QWidget*>{frequencyEditor_, toneChooser_,
                                                           listChooser_, nameEditor_}) {
        editor->hide();
        editor->installEventFilter(this);
    }
    grid_->installEventFilter(this);
    connect(grid_, &FlexGrid::MousePressed, this, &CChInfoView::OnGridMousePressed);
    connect(grid_, &FlexGrid::Scrolled, this, &CChInfoView::CloseEditors);

    grid_->EnableRangeSelection();
    connect(grid_, &FlexGrid::RowsDropped, commands_, &ChannelGridCommands::MoveRowsBefore);
    for (QWidget* source :
         std::initializer_list<QWidget*>{grid_, grid_->verticalHeader(), frequencyEditor_,
                                         toneChooser_, listChooser_, nameEditor_}) {
        source->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(source, &QWidget::customContextMenuRequested, this,
                [this, source](const QPoint& position) { ShowContextMenu(*source, position); });
    }
}

QList<QAction*> CChInfoView::EditMenuActions() const {
    return commands_->MenuActions();
}

void CChInfoView::ShowContextMenu(QWidget& source, const QPoint& position) {
    auto* lineEdit = qobject_cast<QLineEdit*>(&source);
    if (&source == grid_) {
        CloseEditors();
        commands_->ShowMenu(grid_->viewport()->mapToGlobal(position));
    } else if (QHeaderView* rows = grid_->verticalHeader(); &source == rows) {
        CloseEditors();
        commands_->ShowMenu(rows->viewport()->mapToGlobal(position));
    } else if (lineEdit != nullptr) {
        // The editor's own entries act on its text; the grid's on the cells.
        commands_->ShowMenu(source.mapToGlobal(position), lineEdit->createStandardContextMenu());
    } else {
        commands_->ShowMenu(source.mapToGlobal(position));
    }
}

bool CChInfoView::ApplyChannelChange(const QString& name,
                                     const std::function<void(RadioData&)>& change) {
    if (!CloseEditors()) {
        return false;
    }
    const bool changed = Frame().History().Apply(name, [&](RadioData& data) {
        StoreRows(data.image);
        change(data);
    });
    LoadFromImage();
    return changed;
}

Image CChInfoView::GridImage() {
    CommitOpenEditors();
    Image image = ImageBytes();
    StoreRows(image);
    return image;
}

void CChInfoView::StoreRows(Image& image) const {
    for (int row = 1; row <= kLastRow; ++row) {
        // Every cell was checked as it was committed; a row the edit rule
        // refuses now stays as the image has it.
        static_cast<void>(StoreChannelTexts(image, Data().limits, row, RowTexts(row)));
    }
}

CChInfoView::~CChInfoView() {
    // Children outlive this part of the object; their last focus changes must
    // not reach the handlers any more.
    for (QObject* watched : std::initializer_list<QObject*>{frequencyEditor_, toneChooser_,
                                                            listChooser_, nameEditor_, grid_}) {
        watched->removeEventFilter(this);
    }
    grid_->disconnect(this);
}

void CChInfoView::FillFixedLists() {
    grid_->SetRows(kGridRows);
    grid_->SetCols(kGridCols);
    for (int col = 0; col < kGridCols; ++col) {
        const std::string_view title = col == 0 ? std::string_view{} : ColumnTitle(ColumnOf(col));
        grid_->SetTextMatrix(0, col, ModelText(title));
        grid_->SetColWidth(col, kColumnTwips[static_cast<std::size_t>(col)]);
        grid_->SetColAlignment(col, Qt::AlignCenter);
    }
    // The busy lock column stays in the grid, loaded and stored, but unseen.
    const int busyLock = static_cast<int>(ChannelColumn::BusyLock);
    grid_->SetColWidth(busyLock, 0);
    grid_->SetColAlignment(busyLock, Qt::AlignLeft | Qt::AlignVCenter);
    for (int row = 1; row < kGridRows; ++row) {
        grid_->SetTextMatrix(row, 0, QString::number(row));
    }
    grid_->SetCurrentCell(1, 1);

    nameEditor_->setMaxLength(static_cast<int>(record::kNameLength));
    toneChooser_->clear();
    for (const std::string& tone : ToneList()) {
        toneChooser_->addItem(ToneShown(tone));
    }
}

void CChInfoView::LoadFromImage() {
    // The name editor too: a name left open over a reloaded row would land
    // in whatever the row has become.
    CommitOpenEditors();
    for (int row = 1; row <= kLastRow; ++row) {
        ShowRow(row, DecodeChannelAt(ImageBytes(), row, Data().limits));
    }
}

void CChInfoView::SaveToImage() {
    // The name editor commits here as well, so a name typed and saved at once
    // (Ctrl+S while still typing) reaches the image.
    CommitOpenEditors();
    StoreRows(ImageBytes());
    Frame().RefreshView(ViewKind::ChannelInfo);
}

bool CChInfoView::CommitOpenEditors() {
    CommitTone();
    CommitList();
    const bool frequency = CommitFrequency();
    CommitName();
    return frequency;
}

bool CChInfoView::CloseEditors() {
    grid_->setFocus(Qt::OtherFocusReason);
    return CommitOpenEditors();
}

void CChInfoView::OnGridMousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (button != Qt::LeftButton || grid_->MouseRow() < 1 || grid_->MouseCol() < 1) {
        if (button == Qt::LeftButton && grid_->MouseCol() == 0) {
            CloseEditors();  // a row header selects the row
        }
        return;
    }
    // Shift or Ctrl extends the selection; only a plain click edits a cell.
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier)) {
        CloseEditors();
        return;
    }
    BeginEdit();
}

void CChInfoView::BeginEdit() {
    if (!CommitOpenEditors()) {
        return;  // the refused cell stays in edit
    }
    const int row = grid_->Row();
    if (row < 1 || grid_->Col() < 1) {
        return;
    }
    const ChannelTexts texts = RowTexts(row);
    const ChannelColumn column = EditColumn(texts, ColumnOf(grid_->Col()));
    const int col = static_cast<int>(column);
    if (col != grid_->Col()) {
        grid_->SetCol(col);
    }
    grid_->EnsureCellVisible(row, col);
    editRow_ = row;
    editCol_ = col;
    const QString cell = grid_->TextMatrix(row, col);

    switch (column) {
        case ChannelColumn::RxFrequency:
        case ChannelColumn::TxFrequency:
        case ChannelColumn::Name: {
            QLineEdit& editor = column == ChannelColumn::Name ? *nameEditor_ : *frequencyEditor_;
            editor.setText(cell);
            PlaceEditor(editor);
            editor.setFocus(Qt::OtherFocusReason);
            editor.selectAll();
            break;
        }
        case ChannelColumn::RxTone:
        case ChannelColumn::TxTone: {
            const int index = toneChooser_->findText(cell, Qt::MatchStartsWith);
            toneChooser_->setCurrentIndex(index < 0 ? 0 : index);
            PlaceEditor(*toneChooser_);
            toneChooser_->setFocus(Qt::OtherFocusReason);
            break;
        }
        case ChannelColumn::BusyLock:
        case ChannelColumn::Power:
        case ChannelColumn::Bandwidth:
            listChooser_->clear();
            listChooser_->addItems(ListEntries(column));
            listChooser_->setCurrentIndex(
                listChooser_->findText(cell, Qt::MatchExactly | Qt::MatchCaseSensitive));
            PlaceEditor(*listChooser_);
            listChooser_->setFocus(Qt::OtherFocusReason);
            break;
    }
}

void CChInfoView::PlaceEditor(QWidget& editor) {
    const QRect cell = grid_->CellRect(editRow_, editCol_);
    editor.setGeometry(QRect(grid_->mapTo(this, cell.topLeft()), cell.size()));
    // A screen reader names the editor after its column.
    editor.setAccessibleName(grid_->TextMatrix(0, editCol_));
    editor.raise();
    editor.show();
}

void CChInfoView::HideEditor(QWidget& editor) {
    // Also when the window is inactive: it must not get the hidden editor
    // back as its focus widget when it is activated again.
    const bool hadFocus = window()->focusWidget() == &editor;
    editor.hide();
    if (hadFocus) {
        grid_->setFocus(Qt::OtherFocusReason);
    }
}

bool CChInfoView::CommitFrequency() {
    if (frequencyEditor_->isHidden()) {
        return true;
    }
    const std::string text = frequencyEditor_->text().toStdString();
    const DataSnapshot before = EditHistory::Take(Data());
    const FrequencyCommit commit = CommitFrequencyEdit(
        ImageBytes(), Data().limits, editRow_, RowTexts(editRow_), ColumnOf(editCol_), text);
    if (!commit.result) {
        RefuseEdit(*frequencyEditor_, commit.result.message);
        return false;
    }
    HideEditor(*frequencyEditor_);
    ShowRow(editRow_, commit.row);
    StoreEditedRow(before);
    return true;
}

void CChInfoView::RefuseEdit(QLineEdit& editor, const std::string& why) {
    // Every commit of the same refused text (focus loss, then the click that
    // caused it) is refused; the reason is shown once.
    if (refusalShowing_) {
        return;
    }
    refusalShowing_ = true;
    QMetaObject::invokeMethod(
        this,
        [this, &editor, message = QString::fromStdString(why)] {
            QMessageBox box(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
            box.setObjectName(QStringLiteral("channelEditRefused"));
            box.exec();
            refusalShowing_ = false;
            if (editor.isVisible()) {
                editor.setFocus(Qt::OtherFocusReason);
                editor.selectAll();
            }
        },
        Qt::QueuedConnection);
}

void CChInfoView::CommitTone() {
    if (toneChooser_->isHidden()) {
        return;
    }
    const std::string text = CellStored(ColumnOf(editCol_), toneChooser_->currentText());
    HideEditor(*toneChooser_);
    const DataSnapshot before = EditHistory::Take(Data());
    SetEditedCell(CommitToneEdit(RowTexts(editRow_), text));
    StoreEditedRow(before);
}

void CChInfoView::CommitList() {
    if (listChooser_->isHidden()) {
        return;
    }
    const std::string text = CellStored(ColumnOf(editCol_), listChooser_->currentText());
    HideEditor(*listChooser_);
    const DataSnapshot before = EditHistory::Take(Data());
    SetEditedCell(CommitListEdit(RowTexts(editRow_), text));
    StoreEditedRow(before);
}

void CChInfoView::CommitName() {
    if (nameEditor_->isHidden()) {
        return;
    }
    const std::string text = nameEditor_->text().toStdString();
    HideEditor(*nameEditor_);
    const DataSnapshot before = EditHistory::Take(Data());
    SetEditedCell(text);
    StoreEditedRow(before);
}

void CChInfoView::StoreEditedRow(const DataSnapshot& before) {
    // An empty row was written by the commit itself (or is untouched).
    if (const ChannelTexts row = RowTexts(editRow_); !row.rxFrequency.empty()) {
        static_cast<void>(StoreChannelTexts(ImageBytes(), Data().limits, editRow_, row));
    }
    Frame().History().Record(
        tr("Edit channel %1 %2").arg(editRow_).arg(ModelText(ColumnTitle(ColumnOf(editCol_)))),
        before);
}

void CChInfoView::CancelEdit(QWidget& editor) {
    HideEditor(editor);
}

void CChInfoView::SetEditedCell(const std::string& text) {
    grid_->SetTextMatrix(editRow_, editCol_, CellShown(ColumnOf(editCol_), text));
}

ChannelTexts CChInfoView::RowTexts(int row) const {
    ChannelTexts texts;
    for (int col = 1; col <= kLastCol; ++col) {
        ColumnText(texts, ColumnOf(col)) = CellStored(ColumnOf(col), grid_->TextMatrix(row, col));
    }
    return texts;
}

void CChInfoView::ShowRow(int row, const ChannelTexts& texts) {
    QStringList cells;
    for (int col = 1; col <= kLastCol; ++col) {
        cells << CellShown(ColumnOf(col), ColumnText(texts, ColumnOf(col)));
    }
    grid_->SetRowTexts(row, 1, cells);
}

bool CChInfoView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !IgnoredFocusLoss(event)) {
        if (watched == frequencyEditor_) {
            CommitFrequency();
        } else if (watched == toneChooser_) {
            CommitTone();
        } else if (watched == listChooser_) {
            CommitList();
        } else if (watched == nameEditor_) {
            CommitName();
        }
    } else if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == grid_) {
            return FilterGridKey(key);
        }
        return FilterEditorKey(watched, key);
    }
    return CBaseFormView::eventFilter(watched, event);
}

bool CChInfoView::FilterEditorKey(QObject* editor, QKeyEvent* key) {
    if (key->key() == Qt::Key_Escape) {
        CancelEdit(*static_cast<QWidget*>(editor));
        return true;
    }
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const std::optional<char32_t> control = TypedCharacter(*key);
    if (key->matches(QKeySequence::Paste) && IsTableText(QGuiApplication::clipboard()->text())) {
        commands_->Paste();  // rows from a spreadsheet go to the grid, not into one cell
        return true;
    }
    if ((key->modifiers() & Qt::ControlModifier) ||
        (control && *control < 0x20 && *control != U'\b' && !enter)) {
        return false;  // Ctrl+C, Ctrl+V...: the editor's own commands
    }
    if (editor == frequencyEditor_) {
        if (enter) {
            const bool empty = frequencyEditor_->text().isEmpty();
            if (!CloseEditors()) {
                return true;
            }
            MoveCurrentCell(empty ? Qt::Key_Down : Qt::Key_Right);
            return true;
        }
        const std::optional<char32_t> typed = TypedCharacter(*key);
        return typed && !IsFrequencyKey(*typed);
    }
    // Without a mouse Enter is the way out of a name or a tone: the cell
    // stores and stays current.
    if (enter && (editor == nameEditor_ || editor == toneChooser_)) {
        CloseEditors();
        return true;
    }
    if (editor == nameEditor_) {
        const std::optional<char32_t> typed = TypedCharacter(*key);
        if (!typed) {
            return false;
        }
        const std::optional<char> taken = NameKey(*typed);
        if (!taken) {
            return true;
        }
        if (static_cast<char32_t>(*taken) != *typed) {
            nameEditor_->insert(QString(QLatin1Char(*taken)));
            return true;
        }
        return false;
    }
    if (editor == listChooser_ && enter) {
        CloseEditors();
        MoveCurrentCell(Qt::Key_Right);
        return true;
    }
    return false;
}

bool CChInfoView::FilterGridKey(QKeyEvent* key) {
    const int row = grid_->Row();
    const int col = grid_->Col();
    switch (key->key()) {
        case Qt::Key_Right:
            if (col == kLastCol && row != kLastRow) {
                grid_->SetCurrentCell(row + 1, 1);
                return true;
            }
            return false;
        case Qt::Key_Left:
            if (col == 1 && row != 1) {
                grid_->SetCurrentCell(row - 1, kLastCol);
                return true;
            }
            return false;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F2:
            BeginEdit();
            return true;
        default:
            return TypeIntoCell(key);
    }
}

bool CChInfoView::TypeIntoCell(QKeyEvent* key) {
    // Ctrl and Alt keys are commands and menus; Shift only types capitals.
    const std::optional<char32_t> typed = TypedCharacter(*key);
    if (!typed || *typed < 0x20 || *typed == 0x7F ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        return false;
    }
    BeginEdit();
    // The editor selected its text as it opened, so the key replaces it as
    // in a spreadsheet, passing the editor's own character rules; a drop-down
    // takes it as a search for the entry that begins with it.
    for (QWidget* editor : std::initializer_list<QWidget*>{frequencyEditor_, toneChooser_,
                                                           listChooser_, nameEditor_}) {
        if (!editor->isHidden()) {
            QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
            QCoreApplication::sendEvent(editor, &again);
        }
    }
    return true;
}

void CChInfoView::MoveCurrentCell(int key) {
    // Through the grid's own key handling, so the wrap rules apply as to a
    // key the user pressed.
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(grid_, &press);
}

}  // namespace ht57
