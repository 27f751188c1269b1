#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>

namespace editor {

inline constexpr int ElementRows = 6;
inline constexpr int GridColumnWidth = 36;
inline constexpr int GridRowHeight = 20;

// The colour table holds nothing itself: every cell is painted from the document.
class EditGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : ElementRows; }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : mColumns; }
    // Only texts for assistive technology: the cells are painted, not displayed.
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    void setColumns(int columns);
    using CellText = std::function<QString(int row, int column)>;
    using HeaderText = std::function<QString(Qt::Orientation, int section)>;
    void setTexts(CellText cell, HeaderText header);

private:
    int mColumns = 0;
    CellText mCellText;
    HeaderText mHeaderText;
};

// The owner-drawn grid: reports right-button presses and moves to the window, and keeps
// the right button from moving the current cell. It paints its cells and grid lines itself in
// one pass; the item view machinery per cell costs ten times the painting.
//
// A range of cells runs from the current cell to a far corner that Shift+click, a left drag
// and Shift+arrows move; the current cell stays where it is. Moving the current cell any
// other way makes the range that one cell again.
class EditGridView : public QTableView {
    Q_OBJECT
public:
    // Paints one cell: (painter, cell rectangle inside the grid lines, column, row).
    using PaintCell = std::function<void(QPainter *, const QRect &, int, int)>;

    explicit EditGridView(QWidget *parent = nullptr);
    void setCellPainter(PaintCell paint) { mPaintCell = std::move(paint); }
    // The cell under a viewport position; column -1 (and row -1) where there is none.
    QPoint cellAt(const QPoint &pos) const;
    void setColumns(int columns);
    EditGridModel *gridModel() const { return mModel; }

    // The range in cells (x columns, y rows); empty while no cell is current.
    QRect range() const;
    // True while the range was chosen as whole columns (by their numbers in FrameGrid).
    bool wholeColumns() const { return mWholeColumns && range().isValid(); }
    // Whole columns from the current cell's column to `column`.
    void selectColumns(int column);
    // Sets the range's far corner (clamped to the grid); the current cell is its other corner.
    void extendRange(QPoint corner);
    // Cells of a range other than the current one are washed with the highlight colour. The
    // cell painter mixes the wash into its own colours, so that painting stays one opaque pass
    // (blending a translucent layer over every pixel cost four times the cells).
    bool inWash(int column, int row) const
    {
        return mPaintRange.contains(column, row) && QPoint(column, row) != mPaintCurrent &&
               (mPaintRange.width() > 1 || mPaintRange.height() > 1);
    }
    QColor washed(const QColor &colour) const;

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseReleased(Qt::MouseButton button);
    // After every paint: what the grid shows may have changed.
    void painted();
    void rangeChanged();
    // Space on the current cell: switch it on or off as the right button does.
    void toggleRequested(int column, int row);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The viewport rectangle of a block of cells, inside the grid lines around it.
    QRect cellsRect(const QRect &cells) const;
    void paintRange(QPainter &painter) const;

    EditGridModel *mModel;
    PaintCell mPaintCell;
    QPoint mCorner{-1, -1};
    QRect mPaintRange; // range() while painting
    QPoint mPaintCurrent;
    bool mWholeColumns = false;
    bool mDragging = false;
};

// FrameGrid's editor: reports every change of the typed text, and lets the handler
// correct it at once (returning the text the cell must show).
class FrameGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using TextEdited = std::function<QString(int column, int row, const QString &text)>;
    FrameGridDelegate(TextEdited onEdit, QObject *parent) : QStyledItemDelegate(parent), mOnEdit(std::move(onEdit)) {}
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    TextEdited mOnEdit;
};

} // namespace editor
