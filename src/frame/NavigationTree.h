#pragma once

#include <QPixmap>
#include <QTreeWidget>
#include <optional>
#include <string>

namespace ht57 {

// The tree on the "Tree Bar": a root item named after the model and one item
// per editing view, each carrying its item code. A click on an item's label
// or icon asks for its view, even when the item is already selected; clicks
// beside the label, on the indent or the expand button, and on the root ask
// for nothing.
class NavigationTree : public QTreeWidget {
    Q_OBJECT

public:
    static constexpr int kItemImage = 0;
    static constexpr int kExpandedImage = 16;
    static constexpr int kCollapsedImage = 17;

    explicit NavigationTree(QWidget* parent = nullptr);

    // Root with `rootText`, then the five view items, root expanded.
    void Build(const QString& rootText);
    void Clear();
    // Highlights the item with that code; selecting opens nothing.
    void SelectCode(int code);

    QTreeWidgetItem* Root() const { return topLevelItem(0); }
    // The item code, nullopt for the root (it carries none).
    static std::optional<int> ItemCode(const QTreeWidgetItem* item);
    // Index into the tree's image strip the item shows.
    static int ImageIndex(const QTreeWidgetItem* item);

    // The area that counts as a click on the item: its icon and its label.
    QRect HitRect(const QTreeWidgetItem* item) const;

signals:
    void ItemCodeClicked(int code);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Enter or Space on an item asks for its view, as a click on it does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetImage(QTreeWidgetItem* item, int index);

    QPixmap strip_;
};

}  // namespace ht57
