#pragma once

#include <QMdiSubWindow>
#include <filesystem>
#include <memory>

#include "views/CBaseFormView.h"

namespace ht57 {

// The window around one editing view. It stores the view into the image when
// it closes or goes (the focus is moved to the view first, so an editor still
// open commits into its control) and reloads it on request.
class CMyChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    CMyChildFrame(std::unique_ptr<CBaseFormView> view, const QString& caption,
                  const std::filesystem::path& iconFile, QWidget* parent = nullptr);
    ~CMyChildFrame() override;

    CBaseFormView* View() const { return view_; }

    // The view's initial update, then the frame fitted around the form.
    void InitialUpdate();

    // The size the whole form wants, but no larger than `area`; the form
    // scrolls inside a smaller window.
    void FitInto(const QSize& area);

    // The view reloads its area from the image.
    void Refresh();

    // Moves the focus to the view when it sits inside an editor of this
    // frame, so pending edits commit; then the view stores.
    void StoreView();

    // Stores without touching the focus: used when the frame stops being
    // the active one, where the focus is already on its way elsewhere.
    void StoreViewQuietly();
    // What an undo step of the view's stored edits is called.
    QString StepName() const;

    // True once the window has been closed; it is deleted a little later and
    // stores nothing more.
    bool IsClosed() const { return closed_; }

signals:
    void Closed(ht57::CMyChildFrame* frame);
    // First thing the destructor does; the frame's view still exists.
    void Destroying(ht57::CMyChildFrame* frame);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CBaseFormView* view_ = nullptr;
    bool closed_ = false;
};

}  // namespace ht57
