#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <vector>

namespace ht57 {

class FlexGridModel;

// A spreadsheet-like grid with one fixed header row and one fixed number
// column, addressed by (row, column) over the whole grid: row 0 holds the
// column titles and column 0 the row labels. Cell editing is not built in;
// views place their own editors over CellRect and listen to MousePressed.
// Widths are given in twips and converted at the screen's resolution.
class FlexGrid : public QTableView {
    Q_OBJECT

public:
    explicit FlexGrid(QWidget* parent = nullptr);

    void SetRows(int rows);
    void SetCols(int cols);
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }

    // Cell (row, col) anywhere in the grid, headers included.
    void SetTextMatrix(int row, int col, const QString& text);
    QString TextMatrix(int row, int col) const;
    // Row `row` from column `firstCol` on, in one update.
    void SetRowTexts(int row, int firstCol, const QStringList& texts);

    // Column titles of row 0 from "title0|title1|...".
    void SetFormatString(const QString& format);

    // 0 hides the column; its cells stay and are read and written as usual.
    void SetColWidth(int col, int twips);
    int ColWidthPixels(int col) const;
    void SetColAlignment(int col, Qt::Alignment alignment);

    // The current cell, never in the fixed row or column.
    int Row() const;
    int Col() const;
    void SetCurrentCell(int row, int col);
    void SetRow(int row) { SetCurrentCell(row, Col()); }
    void SetCol(int col) { SetCurrentCell(Row(), col); }

    // Row and column under the mouse at the last button press; 0 on the
    // fixed row or column and -1 outside any cell.
    int MouseRow() const { return mouseRow_; }
    int MouseCol() const { return mouseCol_; }

    // The cell's rectangle inside its grid lines, in the grid's own
    // coordinates; empty for a fixed or hidden cell.
    QRect CellRect(int row, int col) const;
    void EnsureCellVisible(int row, int col);

    static int TwipsToPixels(int twips, int dotsPerInch);

    // Lets the user select ranges of cells (Shift/Ctrl+click, Shift+arrows)
    // and whole rows by their row header, and drag selected row headers to
    // another place (RowsDropped). Off by default: one cell at a time.
    void EnableRangeSelection();
    // Rows (columns) holding a selected cell, or the current cell's when
    // nothing is selected; ascending, never the fixed row or column.
    std::vector<int> SelectedRows() const;
    std::vector<int> SelectedCols() const;
    bool IsRowSelected(int row) const;
    // Selects rows first to last, whole, and makes `first` current.
    void SelectRows(int first, int last);

    QSize sizeHint() const override;

signals:
    void MousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void Scrolled();
    // Selected row headers were dragged and dropped: the rows are to stand
    // before grid row `before` (Rows() for after the last).
    void RowsDropped(const std::vector<int>& rows, int before);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyboardSearch(const QString& search) override;

private:
    void PaintCorner(QWidget* corner);
    bool RowHeaderMouse(QEvent* event);
    void ShowDropMarker(int row);
    bool eventFilter(QObject* watched, QEvent* event) override;

    FlexGridModel* model_;
    QWidget* corner_ = nullptr;
    int fixedColPixels_ = 0;
    int rows_ = 2;
    int cols_ = 2;
    int mouseRow_ = -1;
    int mouseCol_ = -1;
    bool rangeSelection_ = false;
    int anchorRow_ = 1;
    int dragRow_ = 0;  // row header pressed inside the selection
    bool dragging_ = false;
    QWidget* dropMarker_ = nullptr;  // made with range selection
};

}  // namespace ht57
