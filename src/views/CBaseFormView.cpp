#include "views/CBaseFormView.h"

namespace ht57 {

CBaseFormView::CBaseFormView(RadioData& data, FrameServices& frame, QWidget* parent)
    : QWidget(parent), data_(data), frame_(frame) {
    // Lets the child frame park the focus on the view itself, which makes an
    // editor inside it lose the focus and commit.
    setFocusPolicy(Qt::StrongFocus);
}

void CBaseFormView::InitialUpdate() {
    FillFixedLists();
    LoadFromImage();
}

}  // namespace ht57
