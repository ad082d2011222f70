#pragma once
// A grid of text cells addressed as (col, row), the way every table of the analyser is described:
// row 0 and column 0 can be fixed (they stay in place while the rest scrolls), each column has a
// width and each row a height, and the whole grid can select by rows. Cells are plain text; a
// write that does not change a cell costs no repaint.
#include <QTableView>

#include <functional>
#include <vector>

class QAbstractButton;
class StringGridModel;

class StringGrid : public QTableView {
    Q_OBJECT
  public:
    StringGrid(int colCount, int rowCount, QWidget* parent);
    ~StringGrid() override;

    int ColCount() const { return cols_; }
    int RowCount() const { return rows_; }

    // Cells[col][row]. Reading outside the grid gives an empty text; writing there does nothing.
    QString cell(int col, int row) const;
    // Returns true when the cell's text changed.
    bool setCell(int col, int row, const QString& text);
    void clearCells();

    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    void setFixedRows(int n);  // 0 or 1
    void setFixedCols(int n);  // 0 or 1

    void setColWidth(int col, int width);
    int colWidth(int col) const;
    void setRowHeights(int height);

    // The current cell (Delphi's Col/Row). Selecting a fixed cell keeps the grid's selection
    // where it was but still records the position.
    void selectCell(int col, int row);
    int Col() const { return col_; }
    int Row() const { return row_; }
    void setRowSelect(bool wholeRows);

    // The cell under a point of the grid's own coordinates; -1 for a coordinate past the last
    // row or column.
    void MouseToCell(QPoint pos, int& col, int& row) const;

    // The grid's hint; shown as a tool-tip only when ShowHint is on.
    void setHint(const QString& hint, bool showHint);
    const QString& Hint() const { return hint_; }

    // Mouse button released over the grid, with the cell under the pointer (-1 past the end).
    std::function<void(Qt::MouseButton button, int col, int row)> OnMouseUp;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void applyLayout();
    int headerHeight() const;

    int cols_;
    int rows_;
    int fixedRows_ = 1;
    int fixedCols_ = 1;
    int col_ = 0;
    int row_ = 0;
    int rowHeight_ = 18;
    std::vector<int> widths_;
    QString hint_;
    StringGridModel* model_;
    QAbstractButton* corner_ = nullptr;  // draws cell (0,0)
};
