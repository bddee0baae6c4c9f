#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "model/ChannelRows.h"
#include "model/ChannelTable.h"

class QAction;
class QKeySequence;
class QMenu;
class QWidget;

namespace ht57 {

class CChInfoView;
class FlexGrid;
struct RadioData;

// The channel grid's editing commands: clipboard, insert, delete, clear,
// move, sort, fill, repeater shift and find. Each is one action with its key,
// made once and shared by the cell and row-header menus and the main
// window's Edit menu; each change is one undo step. The work itself is the
// model's; this maps the grid's selection onto it.
class ChannelGridCommands : public QObject {
    Q_OBJECT

public:
    ChannelGridCommands(CChInfoView& view, FlexGrid& grid, RadioData& data);

    // The grid's right-click menu; `editorMenu` (an editor's own entries)
    // comes first when given, and the menu takes it over.
    void ShowMenu(const QPoint& globalPosition, QMenu* editorMenu = nullptr);
    // Every command's action in menu order, separators included, the sort
    // commands as one submenu; they live as long as the view.
    QList<QAction*> MenuActions() const { return menuActions_; }

    void Copy();
    void Cut();
    void Paste();
    void InsertChannel();
    void DeleteChannels();
    void Clear();
    void Move(int delta);
    void MoveRowsBefore(const std::vector<int>& rows, int before);
    void Sort(SortKey key);
    void Fill();
    void RepeaterShift();
    void Find();
    void FindNext();

private:
    QAction* MakeAction(const QString& text, const QKeySequence& key, std::function<void()> run);
    void AddAction(const QString& text, const QKeySequence& key, std::function<void()> run);
    void AddSeparator();
    // The menu key for keyboards without one: the menu at the current cell.
    void ShowMenuAtCurrentCell();
    std::vector<int> Channels() const;
    std::vector<ChannelColumn> Columns() const;
    void SelectChannels(const std::vector<int>& channels);
    void Tell(const QString& title, const QString& text, const QString& details = {});

    CChInfoView& view_;
    FlexGrid& grid_;
    RadioData& data_;
    QList<QAction*> menuActions_;
    QString findText_;
};

}  // namespace ht57
