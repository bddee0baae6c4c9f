#include "views/FlexGrid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <algorithm>

namespace ht57 {

// The whole grid's texts, row 0 and column 0 included; the item view sees
// only the scrolling part and takes the fixed row and column as its headers.
class FlexGridModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Resize(int rows, int cols) {
        beginResetModel();
        std::vector<QString> cells(static_cast<std::size_t>(rows * cols));
        for (int r = 0; r < std::min(rows, rows_); ++r) {
            for (int c = 0; c < std::min(cols, cols_); ++c) {
                cells[static_cast<std::size_t>(r * cols + c)] = Cell(r, c);
            }
        }
        cells_ = std::move(cells);
        alignments_.resize(static_cast<std::size_t>(cols), Qt::AlignLeft | Qt::AlignVCenter);
        rows_ = rows;
        cols_ = cols;
        endResetModel();
    }

    const QString& Cell(int row, int col) const {
        return cells_[static_cast<std::size_t>(row * cols_ + col)];
    }

    void SetCell(int row, int col, const QString& text) {
        QString& cell = cells_[static_cast<std::size_t>(row * cols_ + col)];
        if (cell == text) {
            return;
        }
        cell = text;
        Changed(row, col, col);
    }

    void SetRow(int row, int firstCol, const QStringList& texts) {
        const int lastCol = std::min(cols_ - 1, firstCol + static_cast<int>(texts.size()) - 1);
        for (int c = firstCol; c <= lastCol; ++c) {
            cells_[static_cast<std::size_t>(row * cols_ + c)] = texts[c - firstCol];
        }
        if (firstCol <= lastCol) {
            Changed(row, firstCol, lastCol);
        }
    }

    void SetAlignment(int col, Qt::Alignment alignment) {
        alignments_[static_cast<std::size_t>(col)] = alignment;
        if (rows_ > 1 && col > 0) {
            emit dataChanged(index(0, col - 1), index(rows_ - 2, col - 1), {Qt::TextAlignmentRole});
        }
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : std::max(rows_ - 1, 0);
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : std::max(cols_ - 1, 0);
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole) {
            return Cell(index.row() + 1, index.column() + 1);
        }
        if (role == Qt::TextAlignmentRole) {
            return QVariant::fromValue(alignments_[static_cast<std::size_t>(index.column() + 1)]);
        }
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole) {
            return {};
        }
        return orientation == Qt::Horizontal ? Cell(0, section + 1) : Cell(section + 1, 0);
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

private:
    void Changed(int row, int firstCol, int lastCol) {
        if (row == 0) {
            emit headerDataChanged(Qt::Horizontal, std::max(firstCol - 1, 0), lastCol - 1);
            return;
        }
        if (firstCol == 0) {
            emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
            if (lastCol == 0) {
                return;
            }
            firstCol = 1;
        }
        emit dataChanged(index(row - 1, firstCol - 1), index(row - 1, lastCol - 1),
                         {Qt::DisplayRole});
    }

    int rows_ = 0;
    int cols_ = 0;
    std::vector<QString> cells_;
    std::vector<Qt::Alignment> alignments_;
};

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent), model_(new FlexGridModel(this)) {
    model_->Resize(rows_, cols_);
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setDefaultAlignment(Qt::AlignCenter);
        header->viewport()->installEventFilter(this);
    }
    verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 2);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setFixedHeight(fontMetrics().height() + 8);
    corner_ = findChild<QAbstractButton*>();
    if (corner_ != nullptr) {
        corner_->installEventFilter(this);
    }
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &FlexGrid::Scrolled);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &FlexGrid::Scrolled);
}

void FlexGrid::SetRows(int rows) {
    rows_ = std::max(rows, 1);
    model_->Resize(rows_, cols_);
    SetCurrentCell(1, 1);
}

void FlexGrid::SetCols(int cols) {
    cols_ = std::max(cols, 1);
    model_->Resize(rows_, cols_);
    SetCurrentCell(1, 1);
}

void FlexGrid::SetTextMatrix(int row, int col, const QString& text) {
    if (row >= 0 && row < rows_ && col >= 0 && col < cols_) {
        model_->SetCell(row, col, text);
        if (row == 0 && col == 0 && corner_ != nullptr) {
            corner_->update();
        }
    }
}

QString FlexGrid::TextMatrix(int row, int col) const {
    if (row >= 0 && row < rows_ && col >= 0 && col < cols_) {
        return model_->Cell(row, col);
    }
    return {};
}

void FlexGrid::SetRowTexts(int row, int firstCol, const QStringList& texts) {
    if (row >= 0 && row < rows_ && firstCol >= 0 && firstCol < cols_) {
        model_->SetRow(row, firstCol, texts);
    }
}

void FlexGrid::SetFormatString(const QString& format) {
    const QStringList titles = format.split(QLatin1Char('|'));
    for (int col = 0; col < std::min<int>(static_cast<int>(titles.size()), cols_); ++col) {
        SetTextMatrix(0, col, titles[col]);
    }
}

int FlexGrid::TwipsToPixels(int twips, int dotsPerInch) {
    return (twips * dotsPerInch + 720) / 1440;
}

void FlexGrid::SetColWidth(int col, int twips) {
    if (col < 0 || col >= cols_) {
        return;
    }
    const int pixels = TwipsToPixels(std::max(twips, 0), logicalDpiX());
    if (col == 0) {
        fixedColPixels_ = pixels;
        verticalHeader()->setVisible(pixels > 0);
        verticalHeader()->setFixedWidth(pixels);
    } else {
        setColumnHidden(col - 1, pixels == 0);
        if (pixels > 0) {
            setColumnWidth(col - 1, pixels);
        }
    }
    updateGeometry();
}

int FlexGrid::ColWidthPixels(int col) const {
    if (col == 0) {
        return fixedColPixels_;
    }
    return isColumnHidden(col - 1) ? 0 : columnWidth(col - 1);
}

void FlexGrid::SetColAlignment(int col, Qt::Alignment alignment) {
    if (col >= 0 && col < cols_) {
        model_->SetAlignment(col, alignment);
    }
}

int FlexGrid::Row() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

int FlexGrid::Col() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() + 1 : 0;
}

void FlexGrid::SetCurrentCell(int row, int col) {
    const QModelIndex index = model_->index(row - 1, col - 1);
    if (index.isValid()) {
        setCurrentIndex(index);
    }
}

QRect FlexGrid::CellRect(int row, int col) const {
    const QModelIndex index = model_->index(row - 1, col - 1);
    if (!index.isValid() || isColumnHidden(col - 1)) {
        return {};
    }
    return visualRect(index).translated(viewport()->pos());
}

void FlexGrid::EnsureCellVisible(int row, int col) {
    const QModelIndex index = model_->index(row - 1, col - 1);
    if (index.isValid()) {
        scrollTo(index);
    }
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    mouseRow_ = index.isValid() ? index.row() + 1 : -1;
    mouseCol_ = index.isValid() ? index.column() + 1 : -1;
    QTableView::mousePressEvent(event);
    emit MousePressed(event->button(), event->modifiers(), event->position().toPoint());
}

void FlexGrid::keyboardSearch(const QString&) {
    // Typing does not jump between cells; the views' editors take the keys.
}

bool FlexGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == corner_) {
        PaintCorner(corner_);
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const QPoint at = press->position().toPoint();
        if (watched == horizontalHeader()->viewport()) {
            mouseRow_ = 0;
            mouseCol_ = horizontalHeader()->logicalIndexAt(at) + 1;
        } else if (watched == verticalHeader()->viewport()) {
            mouseRow_ = verticalHeader()->logicalIndexAt(at) + 1;
            mouseCol_ = 0;
        } else {
            return QTableView::eventFilter(watched, event);
        }
        emit MousePressed(press->button(), press->modifiers(), at);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void FlexGrid::PaintCorner(QWidget* corner) {
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.state |= QStyle::State_Enabled | QStyle::State_Raised;
    option.palette.setCurrentColorGroup(QPalette::Active);
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = model_->Cell(0, 0);
    option.textAlignment = Qt::AlignCenter;
    QPainter painter(corner);
    style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
}

QSize FlexGrid::sizeHint() const {
    // Every column, and up to 16 rows; a scroll bar only where rows are left over.
    constexpr int kShownRows = 16;
    const int rows = std::min(rows_ - 1, kShownRows);
    int width = 2 * frameWidth() + ColWidthPixels(0);
    if (rows_ - 1 > kShownRows) {
        width += verticalScrollBar()->sizeHint().width();
    }
    for (int col = 1; col < cols_; ++col) {
        width += ColWidthPixels(col);
    }
    const int height = 2 * frameWidth() + horizontalHeader()->height() +
                       rows * verticalHeader()->defaultSectionSize();
    return {width, height};
}

}  // namespace ht57
