#include "frame/NavigationTree.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

#include "frame/ReadPicture.h"
#include "frame/ViewKindTable.h"

// The tree images are compiled into the frame library; a static library
// needs its resources registered by hand.
static void InitFrameResources() {
    Q_INIT_RESOURCE(frame);
}

namespace ht57 {
namespace {

constexpr int kCodeRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kCellSize = 16;

}  // namespace

NavigationTree::NavigationTree(QWidget* parent) : QTreeWidget(parent) {
    InitFrameResources();
    strip_ = ReadPicture(QStringLiteral(":/frame/tree.png"), "png");
    setColumnCount(1);
    header()->hide();
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(kCellSize, kCellSize));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setExpandsOnDoubleClick(true);

    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { SetImage(item, kCollapsedImage); });
    connect(this, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { SetImage(item, kExpandedImage); });
}

void NavigationTree::Build(const QString& rootText) {
    auto* root = new QTreeWidgetItem(this, QStringList{rootText});
    SetImage(root, kItemImage);
    for (const ViewKindInfo& info : kViewKindTable) {
        auto* item = new QTreeWidgetItem(root, QStringList{ViewText(info.treeText)});
        item->setData(0, kCodeRole, info.treeCode);
        SetImage(item, kItemImage);
    }
    // Expanding by code keeps the root's first image; only the user's
    // expanding and collapsing switch it.
    const QSignalBlocker blocker(this);
    root->setExpanded(true);
}

void NavigationTree::Clear() {
    clear();
}

void NavigationTree::SelectCode(int code) {
    QTreeWidgetItem* root = Root();
    for (int i = 0; root != nullptr && i < root->childCount(); ++i) {
        if (ItemCode(root->child(i)) == code) {
            setCurrentItem(root->child(i));
            return;
        }
    }
}

std::optional<int> NavigationTree::ItemCode(const QTreeWidgetItem* item) {
    if (item == nullptr) {
        return std::nullopt;
    }
    const QVariant code = item->data(0, kCodeRole);
    if (!code.isValid()) {
        return std::nullopt;
    }
    return code.toInt();
}

int NavigationTree::ImageIndex(const QTreeWidgetItem* item) {
    return item->data(0, kImageRole).toInt();
}

void NavigationTree::SetImage(QTreeWidgetItem* item, int index) {
    item->setData(0, kImageRole, index);
    const QPixmap cell = strip_.copy(index * kCellSize, 0, kCellSize, kCellSize);
    item->setIcon(0, QIcon(cell));
}

QRect NavigationTree::HitRect(const QTreeWidgetItem* item) const {
    const QModelIndex index = indexFromItem(item);
    if (!index.isValid()) {
        return {};
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.text = item->text(0);
    option.icon = item->icon(0);
    option.features |= QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
    option.decorationSize = iconSize();
    const QRect icon = style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, this);
    const QRect text = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
    // The text rectangle runs to the column's end; only the label counts.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int labelWidth = fontMetrics().horizontalAdvance(option.text) + 2 * margin;
    const QRect label(text.left(), text.top(), std::min(labelWidth, text.width()), text.height());
    return icon.united(label).intersected(option.rect);
}

void NavigationTree::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint position = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(position);
    if (item == nullptr || !HitRect(item).contains(position)) {
        return;
    }
    if (const auto code = ItemCode(item)) {
        emit ItemCodeClicked(*code);
    }
}

void NavigationTree::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        if (const auto code = ItemCode(currentItem())) {
            emit ItemCodeClicked(*code);
            return;
        }
    }
    QTreeWidget::keyPressEvent(event);
}

}  // namespace ht57
