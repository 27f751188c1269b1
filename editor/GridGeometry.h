#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

class QTableView;

#include <optional>
#include <utility>

namespace editor {

inline constexpr int ElementRows = 6;
inline constexpr int GridColumnWidth = 36;
inline constexpr int GridRowHeight = 20;

// Where the cells of a grid lie in its viewport. All cells have one size; the right and bottom
// pixel of each is grid line, as the table views draw it. `offset` is how far the grid is
// scrolled to the left, in pixels.
struct GridGeometry {
    int columns = 0;
    int rows = ElementRows;
    int offset = 0;
    int columnWidth = GridColumnWidth;
    int rowHeight = GridRowHeight;

    // The cell under a viewport position as (column, row); (-1, -1) off the cells.
    QPoint cellAt(QPoint pos) const;
    // The inside of a cell, without its grid lines.
    QRect cellRect(int column, int row) const;
    // The inside of a block of cells (x columns, y rows): the lines between them are in it,
    // the lines around it are not.
    QRect blockRect(const QRect &cells) const;
    // The first and last column that the viewport's pixels left..right show part of; first >
    // last when they show none.
    std::pair<int, int> columnsBetween(int left, int right) const;
    // The bottom of the last row's line, and the right of the last column's.
    int height() const { return rows * rowHeight; }
    int right() const { return columns * columnWidth - offset; }
};

// The range in cells (x columns, y rows) from the current cell to the far corner; whole
// columns reach over every row.
QRect rangeOf(QPoint current, QPoint corner, bool wholeColumns, int rows = ElementRows);

// The far corner that Shift with an arrow, Home or End moves to; nullopt for any other key.
std::optional<QPoint> shiftedCorner(int key, QPoint corner, int lastColumn);

// The far corner a left drag at `pos` gives: the cell under the pointer, held to the viewport,
// and one column on while the pointer is past the left or right edge, so that the range
// scrolls on. nullopt where the pointer is beside the cells.
std::optional<QPoint> dragCorner(const GridGeometry &geometry, QSize viewport, QPoint pos);

// Gives a table the grids' look: no headers, no scroll bars, fixed columns of GridColumnWidth
// and rows of GridRowHeight, so that the three grids line up.
void setGridSections(QTableView &table);

// A quarter of the highlight over the colour: the range shows and its colours stay readable.
QColor washed(const QColor &colour, const QColor &highlight);

} // namespace editor
