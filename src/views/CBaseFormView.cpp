#include "views/CBaseFormView.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

#include "views/FormLineEdit.h"

namespace ht57 {

CBaseFormView::CBaseFormView(RadioData& data, FrameServices& frame, QWidget* parent)
    : QWidget(parent), data_(data), frame_(frame) {
    // Lets the child frame park the focus on the view itself, which makes an
    // editor inside it lose the focus and commit.
    setFocusPolicy(Qt::StrongFocus);
}

CBaseFormView::~CBaseFormView() {
    for (const QMetaObject::Connection& connection : fieldSteps_) {
        disconnect(connection);
    }
}

void CBaseFormView::InitialUpdate() {
    FillFixedLists();
    LoadSettled();
    ConnectFieldSteps();
}

void CBaseFormView::LoadSettled() {
    LoadFromImage();
    if (settling_) {
        return;
    }
    settling_ = true;
    SaveToImage();
    settling_ = false;
}

void CBaseFormView::StoreAsStep(const QString& name) {
    if (fieldStepsPaused_) {
        return;
    }
    // An open editor's commit is a step of its own, before the store.
    FinishEditing();
    const DataSnapshot before = EditHistory::Take(data_);
    SaveToImage();
    frame_.History().Record(name, before);
}

void CBaseFormView::ConnectFieldSteps() {
    // Connected after the view's own handlers, so a commit rule (a range, a
    // frequency) has run before the view is stored.
    const auto step = [this](QWidget* field) {
        return
            [this, field] { StoreAsStep(tr("Edit %1 %2").arg(windowTitle(), FieldName(field))); };
    };
    for (FormLineEdit* edit : findChildren<FormLineEdit*>()) {
        fieldSteps_ << connect(edit, &FormLineEdit::FocusLost, this, step(edit));
    }
    for (QComboBox* combo : findChildren<QComboBox*>()) {
        fieldSteps_ << connect(combo, &QComboBox::activated, this, step(combo));
    }
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        if (button->isCheckable()) {
            fieldSteps_ << connect(button, &QAbstractButton::clicked, this, step(button));
        }
    }
}

QString CBaseFormView::FieldName(const QWidget* field) const {
    if (const auto* button = qobject_cast<const QAbstractButton*>(field)) {
        return button->text().remove(QLatin1Char('&'));
    }
    for (const QFormLayout* form : findChildren<QFormLayout*>()) {
        if (const auto* label =
                qobject_cast<QLabel*>(form->labelForField(const_cast<QWidget*>(field)))) {
            return label->text();
        }
    }
    if (const QWidget* group = field->parentWidget(); group != nullptr && group != this) {
        return group->windowTitle().isEmpty() ? group->property("title").toString()
                                              : group->windowTitle();
    }
    return field->objectName();
}

}  // namespace ht57
