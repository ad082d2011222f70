#include "link/StringGrid.h"

#include "link/CellText.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

// The fixed row is drawn by the horizontal header, the fixed column by the vertical header and
// cell (0,0) by the corner button, so they stay put while the body scrolls.
class StringGridModel : public QAbstractTableModel {
  public:
    StringGridModel(int cols, int rows, QObject* parent)
        : QAbstractTableModel(parent),
          cols_(cols),
          rows_(rows),
          cells_(static_cast<std::size_t>(cols * rows)) {}

    int fixedRows = 1;
    int fixedCols = 1;

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : rows_ - fixedRows;
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : cols_ - fixedCols;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole) return {};
        return at(index.column() + fixedCols, index.row() + fixedRows);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
        if (role != Qt::DisplayRole) return {};
        if (orientation == Qt::Horizontal)
            return fixedRows ? at(section + fixedCols, 0) : QString();
        return fixedCols ? at(0, section + fixedRows) : QString();
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    const QString& at(int col, int row) const {
        return cells_[static_cast<std::size_t>(row * cols_ + col)];
    }
    bool inside(int col, int row) const {
        return col >= 0 && row >= 0 && col < cols_ && row < rows_;
    }

    // Changes a cell and tells the views of a body cell; a fixed cell is the grid's to repaint.
    bool set(int col, int row, const QString& text) {
        QString& cell = cells_[static_cast<std::size_t>(row * cols_ + col)];
        if (cell == text) return false;
        cell = text;
        if (row >= fixedRows && col >= fixedCols) {
            const QModelIndex i = index(row - fixedRows, col - fixedCols);
            emit dataChanged(i, i, {Qt::DisplayRole});
        }
        return true;
    }
    void clearAll() {
        beginResetModel();
        for (QString& c : cells_) c.clear();
        endResetModel();
    }
    void setFixed(int rows, int cols) {
        beginResetModel();
        fixedRows = rows;
        fixedCols = cols;
        endResetModel();
    }

  private:
    int cols_;
    int rows_;
    std::vector<QString> cells_;
};

// Draws a cell's text with a one-pixel margin: the default margins would not leave room for two
// hex digits in the narrow columns of the raw-traffic grids.
class TightCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        if (selected) p->fillRect(option.rect, option.palette.highlight());
        p->setPen(selected ? option.palette.highlightedText().color()
                           : option.palette.text().color());
        p->setFont(option.font);
        drawCellText(*p, option.rect.adjusted(2, 0, -1, 0), index.data(Qt::DisplayRole).toString());
    }
};

// Fixed cells drawn plainly (button face, a dark line right and below, the text): the style's own
// header sections are gradients, and the count column repaints with every frame.
class FixedCellsHeader : public QHeaderView {
  public:
    FixedCellsHeader(Qt::Orientation o, QWidget* parent) : QHeaderView(o, parent) {}

    // Sizes are the grid's own, never measured from the texts: a changed count cell must not
    // make the view lay out every section's text again.
    QSize sizeHint() const override {
        return orientation() == Qt::Horizontal ? QSize(length(), height())
                                               : QSize(width(), length());
    }

  protected:
    QSize sectionSizeFromContents(int logicalIndex) const override {
        const int size = sectionSize(logicalIndex);
        return orientation() == Qt::Horizontal ? QSize(size, height()) : QSize(width(), size);
    }

    void paintSection(QPainter* p, const QRect& rect, int logicalIndex) const override {
        if (!rect.isValid()) return;
        p->fillRect(rect, palette().button());
        p->setPen(palette().dark().color());
        p->drawLine(rect.topRight(), rect.bottomRight());
        p->drawLine(rect.bottomLeft(), rect.bottomRight());
        p->setPen(palette().buttonText().color());
        drawCellText(*p, rect.adjusted(2, 0, -1, 0),
                     model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString());
    }
};

StringGrid::StringGrid(int colCount, int rowCount, QWidget* parent)
    : QTableView(parent),
      cols_(colCount),
      rows_(rowCount),
      widths_(static_cast<std::size_t>(colCount), 64),
      model_(new StringGridModel(colCount, rowCount, this)) {
    setHorizontalHeader(new FixedCellsHeader(Qt::Horizontal, this));
    setVerticalHeader(new FixedCellsHeader(Qt::Vertical, this));
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    // Two hex digits must fit a 20-pixel column: clip, never replace them by an ellipsis.
    setTextElideMode(Qt::ElideNone);
    setItemDelegate(new TightCellDelegate(this));
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
        h->setSectionResizeMode(QHeaderView::Fixed);
        h->setMinimumSectionSize(1);
        h->setHighlightSections(false);
        h->setSectionsClickable(false);
        h->setFont(small);
        h->setTextElideMode(Qt::ElideNone);
        h->viewport()->installEventFilter(this);
    }
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    viewport()->installEventFilter(this);
    corner_ = findChild<QAbstractButton*>();
    if (corner_) corner_->installEventFilter(this);
    applyLayout();
}

StringGrid::~StringGrid() = default;

QString StringGrid::cell(int col, int row) const {
    return model_->inside(col, row) ? model_->at(col, row) : QString();
}

bool StringGrid::setCell(int col, int row, const QString& text) {
    if (!model_->inside(col, row)) return false;
    if (!model_->set(col, row, text)) return false;
    // A fixed cell only repaints its section. Told through the model, the view would lay out
    // all its rows again, and a count cell changes with every frame.
    if (row < fixedRows_ && col >= fixedCols_) {
        horizontalHeader()->headerDataChanged(Qt::Horizontal, col - fixedCols_, col - fixedCols_);
    } else if (col < fixedCols_ && row >= fixedRows_) {
        verticalHeader()->headerDataChanged(Qt::Vertical, row - fixedRows_, row - fixedRows_);
    } else if (col < fixedCols_ && row < fixedRows_ && corner_) {
        corner_->update();
    }
    return true;
}

void StringGrid::clearCells() {
    model_->clearAll();
    applyLayout();
}

void StringGrid::setFixedRows(int n) {
    if (n == fixedRows_) return;
    fixedRows_ = n;
    model_->setFixed(fixedRows_, fixedCols_);
    applyLayout();
}

void StringGrid::setFixedCols(int n) {
    if (n == fixedCols_) return;
    fixedCols_ = n;
    model_->setFixed(fixedRows_, fixedCols_);
    applyLayout();
}

void StringGrid::setColWidth(int col, int width) {
    if (col < 0 || col >= cols_) return;
    widths_[static_cast<std::size_t>(col)] = width;
    applyLayout();
}

int StringGrid::colWidth(int col) const {
    return col >= 0 && col < cols_ ? widths_[static_cast<std::size_t>(col)] : 0;
}

void StringGrid::setRowHeights(int height) {
    rowHeight_ = height;
    applyLayout();
}

void StringGrid::selectCell(int col, int row) {
    col_ = col;
    row_ = row;
    const QModelIndex i = model_->index(row - fixedRows_, std::max(0, col - fixedCols_));
    if (i.isValid()) {
        setCurrentIndex(i);
        scrollTo(i);
    }
}

void StringGrid::setRowSelect(bool wholeRows) {
    setSelectionBehavior(wholeRows ? QAbstractItemView::SelectRows
                                   : QAbstractItemView::SelectItems);
}

int StringGrid::headerHeight() const {
    return fixedRows_ ? rowHeight_ : 0;
}

void StringGrid::MouseToCell(QPoint pos, int& col, int& row) const {
    const int left = frameWidth();
    const int top = frameWidth();
    const int fixedW = fixedCols_ ? widths_[0] : 0;
    const int fixedH = headerHeight();
    const int x = pos.x() - left;
    const int y = pos.y() - top;
    if (fixedRows_ && y >= 0 && y < fixedH) {
        row = 0;
    } else {
        const int r = rowAt(y - fixedH);
        row = r < 0 ? -1 : r + fixedRows_;
    }
    if (fixedCols_ && x >= 0 && x < fixedW) {
        col = 0;
    } else {
        const int c = columnAt(x - fixedW);
        col = c < 0 ? -1 : c + fixedCols_;
    }
}

void StringGrid::setHint(const QString& hint, bool showHint) {
    hint_ = hint;
    setToolTip(showHint ? hint : QString());
}

bool StringGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == corner_ && event->type() == QEvent::Paint) {
        QPainter p(corner_);
        p.fillRect(corner_->rect(), palette().button());
        p.setPen(palette().mid().color());
        p.drawRect(corner_->rect().adjusted(0, 0, -1, -1));
        p.setPen(palette().buttonText().color());
        p.setFont(font());
        drawCellText(p, corner_->rect().adjusted(3, 0, 0, 0), model_->at(0, 0));
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && OnMouseUp) {
        auto* me = static_cast<QMouseEvent*>(event);
        auto* w = static_cast<QWidget*>(watched);
        int col = -1;
        int row = -1;
        MouseToCell(w->mapTo(this, me->position().toPoint()), col, row);
        OnMouseUp(me->button(), col, row);
    }
    return QTableView::eventFilter(watched, event);
}

void StringGrid::applyLayout() {
    QHeaderView* h = horizontalHeader();
    QHeaderView* v = verticalHeader();
    h->setVisible(fixedRows_ > 0);
    v->setVisible(fixedCols_ > 0);
    h->setFixedHeight(rowHeight_);
    v->setDefaultSectionSize(rowHeight_);
    v->setMinimumSectionSize(1);
    if (fixedCols_) v->setFixedWidth(widths_[0]);
    for (int c = fixedCols_; c < cols_; ++c) {
        h->resizeSection(c - fixedCols_, widths_[static_cast<std::size_t>(c)]);
    }
}
