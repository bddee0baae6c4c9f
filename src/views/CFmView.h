#pragma once

#include "views/CBaseFormView.h"

class QKeyEvent;
class QLabel;
class QLineEdit;

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

    QLabel* range_;
    FlexGrid* grid_;
    QLineEdit* editor_;
    int editRow_ = 0;
    int editCol_ = 0;
};

}  // namespace ht57
