#pragma once

#include <functional>
#include <vector>

#include "model/FmCodec.h"
#include "views/CBaseFormView.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;

namespace ht57 {

class FlexGrid;

// The 16 FM broadcast presets as a two-column grid (channel 0 to 15,
// frequency in MHz) with one in-place editor.
class CFmView : public CBaseFormView {
    Q_OBJECT

public:
    CFmView(RadioData& data, FrameServices& frame, QWidget* parent = nullptr);
    ~CFmView() override;

    // Neither operation commits an editor still open; it commits into its
    // cell when it loses the focus.
    void LoadFromImage() override;
    void SaveToImage() override;

    FlexGrid& Grid() const { return *grid_; }

protected:
    void FillFixedLists() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BeginEdit();
    void Commit();
    bool FilterKey(QObject* watched, const QKeyEvent& key);
    FmTexts GridTexts() const;
    std::vector<int> SelectedPresets() const;
    void Copy();
    void Paste();
    void Clear();
    // One undo step: the grid is stored, `change` edits the preset texts, the
    // grid shows the outcome.
    void ApplyFmChange(const QString& name, const std::function<void(FmTexts&)>& change);

    QLabel* range_;
    FlexGrid* grid_;
    QLineEdit* editor_;
    QMenu* menu_;
    int editRow_ = 0;
    int editCol_ = 0;
};

}  // namespace ht57
