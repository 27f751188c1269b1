#pragma once

#include "GridGeometry.h"
#include "GridMenu.h"

#include <QAbstractTableModel>
#include <QTableView>

#include <functional>

namespace model {
struct TGlowshow;
}
namespace profiles {
struct TProfile;
}
namespace settings {
struct LanguageTexts;
}

namespace editor {

class EditorDocument;

// The columns the grids show for a glowshow: its frames or steps, one empty column for a
// glowshow without any (as the frame count shows 1), none for a glowshow of another kind or none.
int shownColumns(const model::TGlowshow *g);

// The colour table holds nothing itself: every cell is painted from the document.
class EditGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : ElementRows; }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : mColumns; }
    QVariant data(const QModelIndex &, int) const override { return {}; }
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Removing the current cell's column forgets the cell (without a signal) rather than let
    // the view move to a neighbour the user never chose.
    void setColumns(int columns);
    // Redraws one cell at once.
    void redrawCell(int column, int row);

private:
    int mColumns = 0;
};

// EditGrid: the colours of the shown glowshow, one row per element and one column per frame or
// step. It paints its cells itself in one pass (the item view machinery per cell costs ten
// times the painting), repaints the columns the document says changed, and switches cells on
// and off with the right button and Space, each press or drag one step.
//
// A range of cells runs from the current cell to a far corner that Shift+click, a left drag
// and Shift+arrows move; the current cell stays where it is. Moving the current cell any
// other way makes the range that one cell again.
class EditGridView : public QTableView {
    Q_OBJECT
public:
    // `hidden` tells whether an element (1..6) is hidden now; `texts` names the steps.
    EditGridView(EditorDocument &document, const profiles::TProfile &profile, const settings::LanguageTexts &texts,
                 std::function<bool(int element)> hidden, QWidget *parent = nullptr);

    // Removing the current cell's column forgets the cell (without a signal) rather than let
    // the view move to a neighbour the user never chose.
    void setColumns(int columns);
    // Redraws one cell at once.
    void redrawCell(int column, int row);
    // The menu that the keyboard's menu key opens over the grid.
    void setMenuFiller(GridMenuFiller fill) { mFillMenu = std::move(fill); }

    // The range in cells (x columns, y rows); empty while no cell is current.
    QRect range() const;
    // True while the range was chosen as whole columns (by their numbers in FrameGrid).
    bool wholeColumns() const { return mWholeColumns && range().isValid(); }
    // Whole columns from the current cell's column to `column`.
    void selectColumns(int column);
    // Sets the range's far corner (clamped to the grid); the current cell is its other corner.
    void extendRange(QPoint corner);
    GridGeometry geometry() const;

signals:
    void rangeChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void EditGridDrawCell(QPainter &painter, const QRect &rect, int column, int row, bool inWash) const;
    void paintRange(QPainter &painter, const GridGeometry &geometry) const;
    void repaintColumns(int glowshow, int first, int last);
    // The columns of the current glowshow came or went, or the document is new.
    void showColumns();
    // True for a cell that right clicks and Space may switch: in the grid, element not hidden.
    bool switchable(QPoint cell) const;
    // Switches a cell's entry between off and on; a cell without an entry stays as it is.
    void toggleCell(QPoint cell, bool dragging);
    void endRightDrag();

    EditorDocument &mDocument;
    const profiles::TProfile &mProfile;
    const settings::LanguageTexts &mTexts;
    std::function<bool(int)> mHidden;
    EditGridModel *mModel;
    GridMenuFiller mFillMenu;
    QPoint mCorner{-1, -1};
    bool mWholeColumns = false;
    bool mDragging = false;       // a left drag spans the range
    bool mRightDragStep = false;  // a right drag's toggles are gathered into one step
    QPoint LastMouseCell{-1, -1}; // the cell the right button last saw
};

} // namespace editor
