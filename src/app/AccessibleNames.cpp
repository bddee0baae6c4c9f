#include "app/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>

namespace ht57 {
namespace {

// A caption as a name: no mnemonic marker, no colon the layout adds.
QString Spoken(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A))) {
        text.chop(1);
    }
    return text.trimmed();
}

// Text that names something, not a separator such as "---".
bool Names(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// Parts of a compound widget (a drop-down's or spin box's edit, a view's
// headers and scroll bars) are announced with the widget they belong to.
bool IsPart(const QWidget& widget) {
    const QWidget* parent = widget.parentWidget();
    if (parent == nullptr) {
        return false;
    }
    if (qobject_cast<const QComboBox*>(parent) != nullptr ||
        qobject_cast<const QAbstractSpinBox*>(parent) != nullptr ||
        qobject_cast<const QHeaderView*>(&widget) != nullptr) {
        return true;
    }
    return qobject_cast<const QScrollBar*>(&widget) != nullptr &&
           parent->objectName().startsWith(QLatin1String("qt_scrollarea_"));
}

bool IsControl(const QWidget& widget) {
    if (IsPart(widget)) {
        return false;
    }
    return qobject_cast<const QAbstractButton*>(&widget) != nullptr ||
           qobject_cast<const QLineEdit*>(&widget) != nullptr ||
           qobject_cast<const QComboBox*>(&widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(&widget) != nullptr ||
           qobject_cast<const QAbstractSlider*>(&widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(&widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(&widget) != nullptr ||
           qobject_cast<const QTextEdit*>(&widget) != nullptr;
}

struct Place {
    QLayout* layout = nullptr;
    int index = -1;
};

Place FindIn(QLayout* layout, const QWidget* widget) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget) {
            return {layout, i};
        }
        if (item->layout() != nullptr) {
            if (const Place place = FindIn(item->layout(), widget); place.layout != nullptr) {
                return place;
            }
        }
    }
    return {};
}

// The widget left of `widget` in its grid row, or before it in its row or
// column of widgets.
QWidget* WidgetBefore(const QWidget& widget) {
    const QWidget* parent = widget.parentWidget();
    if (parent == nullptr || parent->layout() == nullptr) {
        return nullptr;
    }
    const Place place = FindIn(parent->layout(), &widget);
    if (auto* grid = qobject_cast<QGridLayout*>(place.layout)) {
        int row = 0;
        int col = 0;
        int rowSpan = 0;
        int colSpan = 0;
        grid->getItemPosition(place.index, &row, &col, &rowSpan, &colSpan);
        for (int c = col - 1; c >= 0; --c) {
            if (QLayoutItem* item = grid->itemAtPosition(row, c); item && item->widget()) {
                return item->widget();
            }
        }
        return nullptr;
    }
    if (qobject_cast<QBoxLayout*>(place.layout) != nullptr) {
        for (int i = place.index - 1; i >= 0; --i) {
            if (QWidget* before = place.layout->itemAt(i)->widget()) {
                return before;
            }
        }
    }
    return nullptr;
}

QLabel* BuddyLabel(const QWidget& control) {
    for (QLabel* label : control.window()->findChildren<QLabel*>()) {
        if (label->buddy() == &control) {
            return label;
        }
    }
    return nullptr;
}

QLabel* FormLabel(const QWidget& control) {
    const QWidget* parent = control.parentWidget();
    if (parent == nullptr) {
        return nullptr;
    }
    for (QFormLayout* form : parent->findChildren<QFormLayout*>()) {
        if (auto* label =
                qobject_cast<QLabel*>(form->labelForField(const_cast<QWidget*>(&control)))) {
            return label;
        }
    }
    return nullptr;
}

// The label that names `control`, or nullptr.
QLabel* LabelFor(const QWidget& control) {
    if (QLabel* label = BuddyLabel(control)) {
        return label;
    }
    if (QLabel* label = FormLabel(control)) {
        return label;
    }
    auto* label = qobject_cast<QLabel*>(WidgetBefore(control));
    return label != nullptr && Names(label->text()) ? label : nullptr;
}

QString ButtonName(const QAbstractButton& button) {
    if (!button.toolTip().isEmpty()) {
        return button.toolTip();
    }
    if (const auto* tool = qobject_cast<const QToolButton*>(&button)) {
        if (const QAction* action = tool->defaultAction()) {
            return action->iconText();
        }
    }
    return {};
}

// The title of the nearest group box, dock or titled widget holding it.
QString HolderTitle(const QWidget& control) {
    for (const QWidget* holder = control.parentWidget(); holder != nullptr;
         holder = holder->parentWidget()) {
        if (const auto* group = qobject_cast<const QGroupBox*>(holder)) {
            if (!group->title().isEmpty()) {
                return group->title();
            }
        }
        if (!holder->windowTitle().isEmpty()) {
            return holder->windowTitle();
        }
    }
    return {};
}

class AccessibleNamer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) {
            return false;
        }
        auto* widget = static_cast<QWidget*>(watched);
        if (auto* box = qobject_cast<QMessageBox*>(widget)) {
            const QString detail = box->informativeText();
            box->setAccessibleDescription(detail.isEmpty() ? box->text()
                                                           : box->text() + u'\n' + detail);
        }
        if (widget->isWindow() || qobject_cast<QMdiSubWindow*>(widget) != nullptr) {
            NameControls(*widget);
        }
        return false;
    }
};

}  // namespace

QString LabelBeside(const QWidget& control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        if (!button->text().isEmpty()) {
            // A toolbar button's text carries its shortcut after a tab.
            return Spoken(button->text().section(QLatin1Char('\t'), 0, 0));
        }
        if (const QString name = ButtonName(*button); !name.isEmpty()) {
            return Spoken(name);
        }
    }
    if (const QLabel* label = LabelFor(control)) {
        return Spoken(label->text());
    }
    if (const auto* check = qobject_cast<const QAbstractButton*>(WidgetBefore(control))) {
        // "Place from channel N" [spin box]
        return Spoken(check->text());
    }
    return Spoken(HolderTitle(control));
}

void NameControls(QWidget& root) {
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* widget : widgets) {
        if (!widget->accessibleName().isEmpty() || !IsControl(*widget)) {
            continue;
        }
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        if (button != nullptr && !button->text().isEmpty() &&
            !button->text().contains(QLatin1Char('\t'))) {
            continue;  // its text is its name, and follows it when it changes
        }
        if (QLabel* label = LabelFor(*widget); label != nullptr && label->buddy() == nullptr) {
            label->setBuddy(widget);
        }
        widget->setAccessibleName(LabelBeside(*widget));
    }
}

void InstallAccessibleNames(QApplication& app) {
    app.installEventFilter(new AccessibleNamer(&app));
}

}  // namespace ht57
