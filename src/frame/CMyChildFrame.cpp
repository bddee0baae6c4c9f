#include "frame/CMyChildFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMenu>
#include <QScrollArea>
#include <QStyle>

#include "app/PathText.h"

namespace ht57 {
namespace {

// Scrolls the form when the window is smaller than the form wants, and asks
// for the whole form otherwise (QScrollArea's own hint stops at a few dozen
// lines of text).
class FormScroller : public QScrollArea {
public:
    explicit FormScroller(QWidget* parent) : QScrollArea(parent) {
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
    }

    QSize sizeHint() const override {
        return widget() != nullptr ? widget()->sizeHint().expandedTo(widget()->minimumSize())
                                   : QScrollArea::sizeHint();
    }
};

}  // namespace

CMyChildFrame::CMyChildFrame(std::unique_ptr<CBaseFormView> view, const QString& caption,
                             const std::filesystem::path& iconFile, QWidget* parent)
    : QMdiSubWindow(parent), view_(view.release()) {
    setAttribute(Qt::WA_DeleteOnClose);
    // A form larger than the space it gets (large fonts, a small screen, a
    // tiled window) scrolls instead of being cut off.
    auto* scroller = new FormScroller(this);
    scroller->setWidget(view_);
    setWidget(scroller);
    setWindowTitle(caption);
    // The window menu's own shortcuts (Ctrl+W closes on some desktops) would
    // take Write's and Ctrl+F4 from the main window.
    if (QMenu* menu = systemMenu()) {
        for (QAction* action : menu->actions()) {
            action->setShortcuts({});
        }
    }
    const QIcon icon(PathToQString(iconFile));
    if (!icon.isNull() && !icon.availableSizes().isEmpty()) {
        setWindowIcon(icon);
    }
}

CMyChildFrame::~CMyChildFrame() {
    // Announced while this is still a CMyChildFrame: by the time
    // QObject::destroyed fires only a QObject is left to compare against.
    emit Destroying(this);
    // The view is still whole here (children go in ~QWidget), so a frame
    // deleted without being closed still hands its last edits to the image.
    StoreViewQuietly();
}

void CMyChildFrame::InitialUpdate() {
    view_->InitialUpdate();
    adjustSize();
}

void CMyChildFrame::FitInto(const QSize& area) {
    adjustSize();
    const QSize whole = size();
    QSize fitted = whole.boundedTo(area);
    // A cut side brings a scroll bar in along the other side; that side then
    // needs the bar's room as well, or it is cut and scrolls too.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (fitted.width() < whole.width()) {
        fitted.rheight() += bar;
    }
    if (fitted.height() < whole.height()) {
        fitted.rwidth() += bar;
    }
    resize(fitted.boundedTo(area));
}

void CMyChildFrame::Refresh() {
    if (view_ != nullptr) {
        view_->LoadSettled();
    }
}

void CMyChildFrame::StoreView() {
    if (view_ == nullptr || closed_) {
        return;
    }
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && focus != view_ && view_->isAncestorOf(focus)) {
        view_->setFocus(Qt::OtherFocusReason);
    }
    view_->StoreAsStep(StepName());
}

void CMyChildFrame::StoreViewQuietly() {
    if (view_ != nullptr && !closed_) {
        view_->StoreAsStep(StepName());
    }
}

QString CMyChildFrame::StepName() const {
    return tr("Edit %1").arg(windowTitle());
}

void CMyChildFrame::closeEvent(QCloseEvent* event) {
    StoreView();
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted()) {
        // Deletion follows later; whatever the image becomes meanwhile (New,
        // Open) must not be overwritten by this view again.
        closed_ = true;
        emit Closed(this);
    }
}

}  // namespace ht57
