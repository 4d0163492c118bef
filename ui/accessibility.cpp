#include "accessibility.h"

#include <QCoreApplication>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <vector>

#include "board_picture.h"
#include "tile_pictures.h"

namespace qlx {

namespace {

const char* const kCountsProperty = "qlxCounts";

int columns(const BoardPicture* b) { return b && b->game() ? b->game()->numCols : 0; }
int rows(const BoardPicture* b) { return b && b->game() ? b->game()->numRows : 0; }

// One cell of the board. Cells have no object of their own: each is made
// once by its table, registered, and dropped with it.
class BoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardCell(BoardPicture* board, int c, int r) : board_(board), c_(c), r_(r) {}

    bool isValid() const override { return c_ < columns(board_) && r_ < rows(board_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(board_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return cellName(*board_->game(), *cellAt(*board_->game(), c_, r_));
        //: What a screen reader says of a cell of the board after its name: its row and column, counted from 1 at
        //: the top left.
        if (t == QAccessible::Description) return BoardPicture::tr("row %1, column %2").arg(r_ + 1).arg(c_ + 1);
        return {};
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect square = squareOf(*board_->game(), *cellAt(*board_->game(), c_, r_));
        return QRect(board_->mapToGlobal(square.topLeft()), square.size());
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        const std::optional<Cell>& cursor = board_ ? board_->cursor() : std::nullopt;
        // Only while the board itself has the focus: not while a dialog is open.
        s.focused = board_ && board_->hasFocus() && cursor && cursor->c == c_ && cursor->r == r_;
        s.invisible = !board_ || !board_->isVisible();
        s.disabled = !board_ || !board_->isEnabled();
        s.readOnly = board_ && board_->isFrozen();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return c_; }
    int rowIndex() const override { return r_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<BoardPicture> board_;
    int c_, r_;
};

// The board: a table of numRows x numCols cells, row by row from the top.
class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardTable(BoardPicture* board) : QAccessibleWidget(board, QAccessible::Table) {}
    ~BoardTable() override { dropCells(); }

    BoardPicture* board() const { return static_cast<BoardPicture*>(widget()); }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        //: What a screen reader calls the board, a table of cells.
        if (t == QAccessible::Name) return BoardPicture::tr("Board");
        //: What a screen reader says of the board once the game is over.
        if (t == QAccessible::Description && board()->isFrozen()) return BoardPicture::tr("Game over");
        if (t == QAccessible::Description && board()->flow() && board()->flow()->dealNumber()) {
            //: What a screen reader says of the board during a game: the number of the deal in play (digits 0-9,
            //: as the player types it in Game > Play Deal Number...).
            return BoardPicture::tr("Deal number %1").arg(*board()->flow()->dealNumber());
        }
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return columnCount() * rowCount(); }
    QAccessibleInterface* child(int index) const override {
        const int cols = columnCount();
        return index >= 0 && index < childCount() ? cellAt(index / cols, index % cols) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        if (!cell || child->parent() != this) return -1;
        return cell->rowIndex() * columnCount() + cell->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint p = board()->mapFromGlobal(QPoint(x, y));
        const std::optional<Cell> cell = board()->game() ? cellAtPoint(*board()->game(), p.x(), p.y()) : std::nullopt;
        return cell ? cellAt(cell->r, cell->c) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const std::optional<Cell>& cursor = board()->cursor();
        return cursor ? cellAt(cursor->r, cursor->c) : nullptr;
    }

    int columnCount() const override { return columns(board()); }
    int rowCount() const override { return rows(board()); }
    QAccessibleInterface* cellAt(int row, int column) const override {
        const int cols = columnCount();
        if (row < 0 || column < 0 || row >= rowCount() || column >= cols) return nullptr;
        if (cols != cellColumns_ || rowCount() != cellRows_) dropCells();  // a new grid size: new cells
        cellColumns_ = cols;
        cellRows_ = rowCount();
        cells_.resize(static_cast<std::size_t>(cols * cellRows_), 0);
        QAccessible::Id& id = cells_[static_cast<std::size_t>(row * cols + column)];
        if (!id) id = QAccessible::registerAccessibleInterface(new BoardCell(board(), column, row));
        return QAccessible::accessibleInterface(id);
    }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    //: What a screen reader calls a column of the board, counted from 1 at the left.
    QString columnDescription(int column) const override { return BoardPicture::tr("column %1").arg(column + 1); }
    //: What a screen reader calls a row of the board, counted from 1 at the top.
    QString rowDescription(int row) const override { return BoardPicture::tr("row %1").arg(row + 1); }
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    void dropCells() const {
        for (QAccessible::Id id : cells_)
            if (id) QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }
    mutable std::vector<QAccessible::Id> cells_;
    mutable int cellColumns_ = 0;
    mutable int cellRows_ = 0;
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("qlx::BoardPicture")) return new BoardTable(static_cast<BoardPicture*>(object));
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = (QAccessible::installFactory(factory), true);
    (void)installed;
}

QString cellName(const GameState& s, Cell cell) {
    const int16_t kind = s.board[cell.index];
    //: What a screen reader calls a cell of the board with no tile.
    if (!isTile(kind)) return BoardPicture::tr("empty", "a cell with no tile");
    const QString name = QCoreApplication::translate("qlx::TileKinds", tileKindName(s.options.tileSet, kind));
    const GroupView group = groupAt(s, cell);
    //: What a screen reader says of a tile that has no like tile beside it; %1 names the tile, e.g. "crab".
    if (group.points == 0) return BoardPicture::tr("%1, no group").arg(name);
    //: What a screen reader says of a tile of a group: %1 names the tile (e.g. "crab"), %2 is how many tiles the
    //: group has (never fewer than 2) and %n the points it scores (never fewer than 3).
    return BoardPicture::tr("%1, group of %2, %n points", nullptr, group.points)
        .arg(name, QString::number(group.cells.size()));
}

void notifyCursorMoved(BoardPicture* board) {
    const std::optional<Cell>& cursor = board->cursor();
    QAccessibleEvent focus(board, QAccessible::Focus);
    if (!cursor) {
        QAccessible::updateAccessibility(&focus);  // the board itself, with no cell in focus
        return;
    }
    const int index = cursor->r * board->game()->numCols + cursor->c;
    focus.setChild(index);
    QAccessible::updateAccessibility(&focus);
    QAccessibleEvent name(board, QAccessible::NameChanged);
    name.setChild(index);
    QAccessible::updateAccessibility(&name);
}

void nameCount(QLabel* label, const QString& counts) {
    label->setProperty(kCountsProperty, counts);
    readCount(label);
}

// The accessible name is set whole, so that a screen reader reads the
// number as well; setting it tells assistive technology.
void readCount(QLabel* label) {
    const QVariant counts = label->property(kCountsProperty);
    if (!counts.isValid()) return;
    const QString value = label->text().simplified();
    label->setAccessibleName(value.isEmpty() ? counts.toString() : counts.toString() + QLatin1Char(' ') + value);
}

}  // namespace qlx
