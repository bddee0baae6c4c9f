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
            RowHeaderMouse(event);
        } else {
            return QTableView::eventFilter(watched, event);
        }
        emit MousePressed(press->button(), press->modifiers(), at);
        return true;
    }
    if ((event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonRelease) &&
        watched == verticalHeader()->viewport()) {
        return RowHeaderMouse(event);
    }
    return QTableView::eventFilter(watched, event);
}

void FlexGrid::EnableRangeSelection() {
    rangeSelection_ = true;
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    dropMarker_ = new QWidget(this);
    dropMarker_->setObjectName(QStringLiteral("dropMarker"));
    dropMarker_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dropMarker_->setAutoFillBackground(true);
    dropMarker_->setBackgroundRole(QPalette::Highlight);
    dropMarker_->hide();
}

// A line across the grid where dragged rows would land: above the row under
// the mouse when dragging up, below it when dragging down, none inside the
// selection itself.
void FlexGrid::ShowDropMarker(int row) {
    const std::vector<int> rows = SelectedRows();
    QHeaderView* header = verticalHeader();
    int y = -1;
    if (row > 0 && !rows.empty() && row < rows.front()) {
        y = header->sectionViewportPosition(row - 1);
    } else if (row > 0 && !rows.empty() && row > rows.back()) {
        y = header->sectionViewportPosition(row - 1) + header->sectionSize(row - 1);
    }
    if (y < 0) {
        dropMarker_->hide();
        return;
    }
    const int left = header->geometry().left();
    const QRect area = viewport()->geometry();
    dropMarker_->setGeometry(left, area.top() + y - 1, area.right() + 1 - left, 2);
    dropMarker_->raise();
    dropMarker_->show();
}

bool FlexGrid::IsRowSelected(int row) const {
    return row > 0 && selectionModel()->isRowSelected(row - 1, {});
}

std::vector<int> FlexGrid::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        rows.push_back(index.row() + 1);
    }
    if (rows.empty() && Row() > 0) {
        rows.push_back(Row());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

std::vector<int> FlexGrid::SelectedCols() const {
    std::vector<int> cols;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        cols.push_back(index.column() + 1);
    }
    if (cols.empty() && Col() > 0) {
        cols.push_back(Col());
    }
    std::sort(cols.begin(), cols.end());
    cols.erase(std::unique(cols.begin(), cols.end()), cols.end());
    return cols;
}

void FlexGrid::SelectRows(int first, int last) {
    const int top = std::max(std::min(first, last), 1);
    const int bottom = std::min(std::max(first, last), rows_ - 1);
    if (top > bottom) {
        return;
    }
    const int col = std::max(Col(), 1);
    selectionModel()->setCurrentIndex(model_->index(first - 1, col - 1),
                                      QItemSelectionModel::NoUpdate);
    selectionModel()->select(
        QItemSelection(model_->index(top - 1, 0), model_->index(bottom - 1, cols_ - 2)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// Row headers select whole rows; pressing one inside the selection and
// letting go over another row moves the selected rows there.
bool FlexGrid::RowHeaderMouse(QEvent* event) {
    if (!rangeSelection_) {
        return event->type() != QEvent::MouseMove;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int row = verticalHeader()->logicalIndexAt(mouse->position().toPoint()) + 1;
    if (event->type() == QEvent::MouseButtonPress) {
        // A right click keeps a selection it falls in, for the menu to act on.
        if (mouse->button() == Qt::RightButton && row >= 1 && !IsRowSelected(row)) {
            setFocus(Qt::MouseFocusReason);
            SelectRows(row, row);
            anchorRow_ = row;
        }
        if (mouse->button() != Qt::LeftButton || row < 1) {
            return true;
        }
        setFocus(Qt::MouseFocusReason);
        const int col = std::max(Col(), 1);
        if (mouse->modifiers() & Qt::ShiftModifier) {
            SelectRows(anchorRow_, row);
        } else if (mouse->modifiers() & Qt::ControlModifier) {
            selectionModel()->setCurrentIndex(model_->index(row - 1, col - 1),
                                              QItemSelectionModel::NoUpdate);
            selectionModel()->select(model_->index(row - 1, 0),
                                     QItemSelectionModel::Toggle | QItemSelectionModel::Rows);
            anchorRow_ = row;
        } else if (IsRowSelected(row)) {
            dragRow_ = row;
        } else {
            SelectRows(row, row);
            anchorRow_ = row;
        }
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        if (dragRow_ > 0 && row > 0 && row != dragRow_ && !dragging_) {
            dragging_ = true;
            verticalHeader()->viewport()->setCursor(Qt::DragMoveCursor);
        }
        if (dragging_) {
            ShowDropMarker(row);
        }
        return dragRow_ > 0;
    }
    // Release.
    const int pressed = dragRow_;
    const bool dragged = dragging_;
    dragRow_ = 0;
    dragging_ = false;
    verticalHeader()->viewport()->unsetCursor();
    dropMarker_->hide();
    if (pressed == 0) {
        return true;
    }
    if (!dragged || row < 1) {
        if (!dragged) {
            SelectRows(pressed, pressed);
            anchorRow_ = pressed;
        }
        return true;
    }
    const std::vector<int> rows = SelectedRows();
    if (row < rows.front()) {
        emit RowsDropped(rows, row);
    } else if (row > rows.back()) {
        emit RowsDropped(rows, row + 1);
    }
    return true;
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
