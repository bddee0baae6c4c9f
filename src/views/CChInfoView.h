#pragma once

#include <QPoint>
#include <functional>

#include "model/ChannelTable.h"
#include "views/CBaseFormView.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;

namespace ht57 {

class ChannelGridCommands;
class FlexGrid;

// The 128 memory channels as a grid, one row per channel, edited through four
// in-place editors placed over the current cell: a frequency edit (Rx/Tx
// Freq), a tone drop-down (Rx/Tx Tone), a list drop-down (Busy Lock, Power,
// Bandwidth) and a name edit. Each committed cell goes into the image at once
// as an undo step of its own; Escape cancels the open editor.
class CChInfoView : public CBaseFormView {
    Q_OBJECT

public:
    CChInfoView(RadioData& data, FrameServices& frame, QWidget* parent = nullptr);
    ~CChInfoView() override;

    void LoadFromImage() override;
    void SaveToImage() override;
    QList<QAction*> EditMenuActions() const override;

    FlexGrid& Grid() const { return *grid_; }
    ChannelGridCommands& Commands() const { return *commands_; }

    // One undo step: the open editor commits, the grid's rows are stored,
    // `change` runs on the data set and the grid shows the outcome.
    bool ApplyChannelChange(const QString& name, const std::function<void(RadioData&)>& change);
    // The image as it would be with the grid's rows stored.
    Image GridImage();
    // Focus to the grid; whatever editor was open is committed and closed.
    // False when the edit rule refused the open cell, which stays in edit.
    bool CloseEditors();

protected:
    void FillFixedLists() override;
    // Each committed cell is its own step (StoreEditedRow).
    void ConnectFieldSteps() override {}
    void FinishEditing() override { CommitOpenEditors(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BeginEdit();
    bool CommitFrequency();
    void CommitTone();
    void CommitList();
    void CommitName();
    bool CommitOpenEditors();
    // The cell stays in edit with the text typed; the reason is shown.
    void RefuseEdit(QLineEdit& editor, const std::string& why);
    void StoreRows(Image& image) const;
    void ShowContextMenu(QWidget& source, const QPoint& position);
    // The edited row into the image as one named undo step.
    void StoreEditedRow(const DataSnapshot& before);
    // Escape: the editor goes, the cell keeps what it had.
    void CancelEdit(QWidget& editor);

    void OnGridMousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // A character typed over the current cell opens its editor with it.
    bool TypeIntoCell(QKeyEvent* key);
    bool FilterEditorKey(QObject* editor, QKeyEvent* key);
    bool FilterGridKey(QKeyEvent* key);
    void MoveCurrentCell(int key);

    void PlaceEditor(QWidget& editor);
    void HideEditor(QWidget& editor);
    ChannelTexts RowTexts(int row) const;
    void ShowRow(int row, const ChannelTexts& texts);
    void SetEditedCell(const std::string& text);

    FlexGrid* grid_;
    QLineEdit* frequencyEditor_;
    QComboBox* toneChooser_;
    QComboBox* listChooser_;
    QLineEdit* nameEditor_;
    ChannelGridCommands* commands_;
    // The cell the open editor belongs to.
    int editRow_ = 0;
    int editCol_ = 0;
    bool refusalShowing_ = false;
};

}  // namespace ht57
