#include "views/ChannelGridCommands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <algorithm>
#include <array>

#include "model/ChannelClipboard.h"
#include "model/ChannelRows.h"
#include "model/RadioData.h"
#include "views/CChInfoView.h"
#include "views/ChannelGridDialogs.h"
#include "views/FieldLabel.h"
#include "views/FlexGrid.h"

namespace ht57 {
namespace {

constexpr std::array<ChannelColumn, kChannelColumnCount> kAllColumns{
    ChannelColumn::RxFrequency, ChannelColumn::TxFrequency, ChannelColumn::RxTone,
    ChannelColumn::TxTone,      ChannelColumn::BusyLock,    ChannelColumn::Power,
    ChannelColumn::Bandwidth,   ChannelColumn::Name};

struct SortEntry {
    const char* text;
    SortKey key;
};
constexpr std::array<SortEntry, 3> kSorts{
    {{QT_TRANSLATE_NOOP("ht57::ChannelGridCommands", "Sort by &Rx Freq"), SortKey::RxFrequency},
     {QT_TRANSLATE_NOOP("ht57::ChannelGridCommands", "Sort by &Name"), SortKey::Name},
     {QT_TRANSLATE_NOOP("ht57::ChannelGridCommands", "Sort by T&one"), SortKey::Tone}}};

// Ctrl+Shift and the entry's letter; Ctrl alone belongs to the File and
// Program commands (Ctrl+N, Ctrl+R) and Ctrl+Shift+Z is Redo.
QKeySequence SortShortcut(SortKey key) {
    switch (key) {
        case SortKey::RxFrequency:
            return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R);
        case SortKey::Name:
            return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N);
        case SortKey::Tone:
            return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O);
    }
    return {};
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ChannelGridCommands::ChannelGridCommands(CChInfoView& view, FlexGrid& grid, RadioData& data)
    : QObject(&view), view_(view), grid_(grid), data_(data) {
    AddAction(tr("Cu&t Cells"), QKeySequence::Cut, [this] { Cut(); });
    AddAction(tr("&Copy Cells"), QKeySequence::Copy, [this] { Copy(); });
    AddAction(tr("&Paste Cells"), QKeySequence::Paste, [this] { Paste(); });
    AddSeparator();
    AddAction(tr("&Insert Channel"), QKeySequence(Qt::Key_Insert), [this] { InsertChannel(); });
    AddAction(tr("&Delete Channels"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
              [this] { DeleteChannels(); });
    AddAction(tr("C&lear"), QKeySequence(Qt::Key_Delete), [this] { Clear(); });
    AddSeparator();
    AddAction(tr("Mo&ve Up"), QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { Move(-1); });
    AddAction(tr("Move Do&wn"), QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { Move(1); });
    AddSeparator();
    AddAction(tr("&Fill..."), QKeySequence(Qt::CTRL | Qt::Key_L), [this] { Fill(); });
    AddAction(tr("Rep&eater Shift..."), QKeySequence(Qt::CTRL | Qt::Key_T),
              [this] { RepeaterShift(); });
    AddAction(tr("Fi&nd..."), QKeySequence::Find, [this] { Find(); });
    AddAction(tr("Find Ne&xt"), QKeySequence(Qt::Key_F3), [this] { FindNext(); });
    auto* sort = new QMenu(tr("&Sort Channels"), &view_);
    for (const SortEntry& entry : kSorts) {
        const SortKey key = entry.key;
        sort->addAction(MakeAction(tr(entry.text), SortShortcut(key), [this, key] { Sort(key); }));
    }
    menuActions_.push_back(sort->menuAction());
    AddSeparator();  // ends the commands where another menu's entries follow
    MakeAction({}, QKeySequence(Qt::SHIFT | Qt::Key_F10), [this] { ShowMenuAtCurrentCell(); });
}

QAction* ChannelGridCommands::MakeAction(const QString& text, const QKeySequence& key,
                                         std::function<void()> run) {
    auto* action = new QAction(text, &view_);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, std::move(run));
    view_.addAction(action);
    return action;
}

void ChannelGridCommands::AddAction(const QString& text, const QKeySequence& key,
                                    std::function<void()> run) {
    menuActions_.push_back(MakeAction(text, key, std::move(run)));
}

void ChannelGridCommands::AddSeparator() {
    auto* separator = new QAction(&view_);
    separator->setSeparator(true);
    menuActions_.push_back(separator);
}

void ChannelGridCommands::ShowMenuAtCurrentCell() {
    view_.CloseEditors();
    const QRect cell = grid_.CellRect(grid_.Row(), std::max(grid_.Col(), 1));
    ShowMenu(grid_.mapToGlobal(cell.isEmpty() ? QPoint() : cell.bottomLeft()));
}

void ChannelGridCommands::ShowMenu(const QPoint& globalPosition, QMenu* editorMenu) {
    QMenu* menu = editorMenu != nullptr ? editorMenu : new QMenu(&view_);
    menu->setObjectName(QStringLiteral("channelGridMenu"));
    if (editorMenu != nullptr) {
        editorMenu->setParent(&view_, editorMenu->windowFlags());
        menu->addSeparator();
    }
    menu->addActions(menuActions_.mid(0, menuActions_.size() - 1));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPosition);
}

std::vector<int> ChannelGridCommands::Channels() const {
    return grid_.SelectedRows();
}

std::vector<ChannelColumn> ChannelGridCommands::Columns() const {
    const std::vector<int> rows = Channels();
    if (std::all_of(rows.begin(), rows.end(),
                    [this](int row) { return grid_.IsRowSelected(row); })) {
        return {kAllColumns.begin(), kAllColumns.end()};
    }
    std::vector<ChannelColumn> columns;
    for (const int col : grid_.SelectedCols()) {
        columns.push_back(static_cast<ChannelColumn>(col));
    }
    return columns;
}

void ChannelGridCommands::SelectChannels(const std::vector<int>& channels) {
    if (channels.empty()) {
        return;
    }
    grid_.SelectRows(channels.front(), channels.front());
    for (const int n : channels) {
        grid_.selectionModel()->select(grid_.model()->index(n - 1, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    grid_.EnsureCellVisible(channels.front(), std::max(grid_.Col(), 1));
}

void ChannelGridCommands::Tell(const QString& title, const QString& text, const QString& details) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, &view_);
    box.setObjectName(QStringLiteral("channelGridMessage"));
    box.setInformativeText(details);
    box.exec();
}

void ChannelGridCommands::Copy() {
    const std::string text =
        CopyChannelText(view_.GridImage(), data_.limits, Channels(), Columns());
    QApplication::clipboard()->setText(Text(text));
}

void ChannelGridCommands::Cut() {
    Copy();
    Clear();
}

void ChannelGridCommands::Paste() {
    const std::vector<int> channels = Channels();
    const std::vector<ChannelColumn> columns = Columns();
    if (channels.empty() || columns.empty()) {
        return;
    }
    const std::string text = QApplication::clipboard()->text().toStdString();
    const int channel = channels.front();
    const ChannelColumn column = columns.front();
    Result result;
    PasteReport report;
    view_.ApplyChannelChange(tr("Paste"), [&](RadioData& data) {
        result = PasteChannelText(text, channel, column, data.limits, data.image, report);
    });
    QStringList lines;
    for (const std::string& issue : report.issues) {
        lines << Text(issue);
    }
    if (!result) {
        // A channel list none of whose rows could be stored says why.
        Tell(tr("Paste"), Text(result.message), lines.join(QLatin1Char('\n')));
        return;
    }
    if (report.firstChannel > 0) {
        grid_.SelectRows(report.firstChannel, report.lastChannel);
    }
    if (!lines.isEmpty()) {
        Tell(tr("Paste"),
             tr("%1 of %2 rows pasted. Not stored as written:").arg(report.stored).arg(report.rows),
             lines.join(QLatin1Char('\n')));
    }
}

void ChannelGridCommands::InsertChannel() {
    const std::vector<int> channels = Channels();
    if (channels.empty()) {
        return;
    }
    const int channel = channels.front();
    Result result;
    view_.ApplyChannelChange(tr("Insert Channel"), [&](RadioData& data) {
        result = InsertEmptyChannel(data.image, data.limits, channel);
    });
    if (!result) {
        Tell(tr("Insert Channel"), Text(result.message));
        return;
    }
    SelectChannels({channel});
}

void ChannelGridCommands::DeleteChannels() {
    const std::vector<int> channels = Channels();
    if (channels.empty()) {
        return;
    }
    view_.ApplyChannelChange(tr("Delete Channels"),
                             [&](RadioData& data) { ht57::DeleteChannels(data.image, channels); });
    SelectChannels({channels.front()});
}

void ChannelGridCommands::Clear() {
    const std::vector<int> channels = Channels();
    const std::vector<ChannelColumn> columns = Columns();
    view_.ApplyChannelChange(tr("Clear"), [&](RadioData& data) {
        ClearChannelCells(data.image, data.limits, channels, columns);
    });
}

void ChannelGridCommands::Move(int delta) {
    const std::vector<int> channels = Channels();
    std::vector<int> moved;
    view_.ApplyChannelChange(delta < 0 ? tr("Move Up") : tr("Move Down"), [&](RadioData& data) {
        moved = MoveChannels(data.image, channels, delta);
    });
    SelectChannels(moved);
}

void ChannelGridCommands::MoveRowsBefore(const std::vector<int>& rows, int before) {
    std::vector<int> moved;
    view_.ApplyChannelChange(tr("Move Channels"), [&](RadioData& data) {
        moved = MoveChannelsBefore(data.image, rows, before);
    });
    SelectChannels(moved);
}

void ChannelGridCommands::Sort(SortKey key) {
    const auto entry = std::find_if(kSorts.begin(), kSorts.end(),
                                    [key](const SortEntry& e) { return e.key == key; });
    view_.ApplyChannelChange(tr(entry->text).remove(QLatin1Char('&')),
                             [&](RadioData& data) { SortChannels(data.image, data.limits, key); });
}

void ChannelGridCommands::Fill() {
    const std::optional<FillChoice> choice = AskFill(&view_);
    if (!choice) {
        return;
    }
    const std::vector<int> channels = Channels();
    Result result;
    int changed = 0;
    view_.ApplyChannelChange(
        tr("Fill %1").arg(ModelText(ColumnTitle(choice->column))), [&](RadioData& data) {
            result = FillChannels(data.image, data.limits, channels, choice->column,
                                  choice->value.toStdString(), changed);
        });
    if (!result) {
        Tell(tr("Fill"), Text(result.message));
    }
}

void ChannelGridCommands::RepeaterShift() {
    const std::optional<ShiftChoice> choice = AskRepeaterShift(&view_);
    if (!choice) {
        return;
    }
    const std::vector<int> channels = Channels();
    Result result;
    int changed = 0;
    view_.ApplyChannelChange(tr("Repeater Shift"), [&](RadioData& data) {
        result = SetRepeaterShift(data.image, data.limits, channels,
                                  choice->offsetMHz.toStdString(), choice->plus, changed);
    });
    if (!result) {
        Tell(tr("Repeater Shift"), Text(result.message));
    }
}

void ChannelGridCommands::Find() {
    bool ok = false;
    const QString text =
        QInputDialog::getText(&view_, tr("Find Channel"), tr("Name or frequency (MHz):"),
                              QLineEdit::Normal, findText_, &ok);
    if (ok && !text.trimmed().isEmpty()) {
        findText_ = text.trimmed();
        FindNext();
    }
}

void ChannelGridCommands::FindNext() {
    if (findText_.isEmpty()) {
        Find();
        return;
    }
    const int found =
        FindChannel(view_.GridImage(), data_.limits, findText_.toStdString(), grid_.Row());
    if (found == 0) {
        Tell(tr("Find Channel"), tr("No channel matches \"%1\".").arg(findText_));
        return;
    }
    grid_.SetCurrentCell(found, std::max(grid_.Col(), 1));
    grid_.EnsureCellVisible(found, grid_.Col());
}

}  // namespace ht57
