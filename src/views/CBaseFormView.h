#pragma once

#include <QWidget>

#include "app/FrameServices.h"
#include "model/RadioData.h"

namespace ht57 {

// Common base of the editing views. A view shows one area of the radio image
// in its controls; the controls are the only place an unsaved edit lives, and
// the image is brought up to date only by SaveToImage.
//
// Who calls what:
// - InitialUpdate (once, by the child frame after it has taken the view):
//   FillFixedLists, then LoadFromImage.
// - The child frame becoming active: LoadFromImage; stopping being active,
//   closing or being destroyed: SaveToImage (the frame first moves the focus
//   to the view, so an editor still open commits into its control).
// - The main frame's Commit views / Load views and refreshes after another
//   view changed the image under this one.
//
// A view must not call SaveToImage from its destructor: the child frame has
// already stored it by then.
class CBaseFormView : public QWidget {
    Q_OBJECT

public:
    CBaseFormView(RadioData& data, FrameServices& frame, QWidget* parent = nullptr);
    ~CBaseFormView() override;

    // Decodes the view's area of the image into its controls.
    virtual void LoadFromImage() = 0;

    // Encodes the controls into the view's area of the image: copy the area
    // out, change only the bits the controls own, write the area back whole.
    virtual void SaveToImage() = 0;

    // Fixed lists first (combo entries, length limits, spin ranges), then the
    // image, then the field connections that store each edit. Called once.
    void InitialUpdate();

    // LoadFromImage, then the view's own store at once, before anything is
    // edited. A view stores some untouched values in a form of its own (an
    // empty channel as the cleared record); settled here, that is no edit of
    // the person's, so no undo step and no modified document, and the next
    // store changes only what was edited.
    void LoadSettled();

    // SaveToImage as one named undo step; no step when nothing changed.
    void StoreAsStep(const QString& name);

    // The view's own editing commands, which the main window's Edit menu
    // lists while the view is open (the same actions, keys and all); empty
    // for views without any.
    virtual QList<QAction*> EditMenuActions() const { return {}; }

protected:
    virtual void FillFixedLists() {}
    // Commits whatever in-place editor is still open.
    virtual void FinishEditing() {}

    // Makes every committed field edit its own undo step: leaving a form edit,
    // picking a list entry, clicking a check box or option button stores the
    // view as "Edit <view> <field>". Views whose edits are not plain fields
    // connect their own.
    virtual void ConnectFieldSteps();
    // The name a field's undo steps carry: its label or button text.
    QString FieldName(const QWidget* field) const;

    // While set, StoreAsStep does nothing: a commit that stores as a step of
    // its own is under way.
    bool fieldStepsPaused_ = false;

    RadioData& Data() const { return data_; }
    Image& ImageBytes() const { return data_.image; }
    FrameServices& Frame() const { return frame_; }

private:
    RadioData& data_;
    FrameServices& frame_;
    // Tearing the children down moves the focus; by then the view cannot store.
    QList<QMetaObject::Connection> fieldSteps_;
    // A store that reloads the view (the channel grid) comes back here.
    bool settling_ = false;
};

}  // namespace ht57
