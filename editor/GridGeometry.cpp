#include "GridGeometry.h"

#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace editor {

QPoint GridGeometry::cellAt(QPoint pos) const
{
    const int x = pos.x() + offset;
    if (x < 0 || pos.y() < 0 || columnWidth <= 0 || rowHeight <= 0)
        return {-1, -1};
    const int column = x / columnWidth, row = pos.y() / rowHeight;
    return column < columns && row < rows ? QPoint(column, row) : QPoint(-1, -1);
}

QRect GridGeometry::cellRect(int column, int row) const
{
    return {column * columnWidth - offset, row * rowHeight, columnWidth - 1, rowHeight - 1};
}

QRect GridGeometry::blockRect(const QRect &cells) const
{
    return {cellRect(cells.left(), cells.top()).topLeft(), cellRect(cells.right(), cells.bottom()).bottomRight()};
}

std::pair<int, int> GridGeometry::columnsBetween(int left, int right) const
{
    if (columns <= 0 || columnWidth <= 0 || right < left)
        return {0, -1};
    const int first = std::max((left + offset) / columnWidth, 0);
    const int last = std::min((right + offset) / columnWidth, columns - 1);
    return {first, last};
}

QRect rangeOf(QPoint current, QPoint corner, bool wholeColumns, int rows)
{
    // Not QRect::normalized(): on Qt 6 it shifts swapped corners by one cell.
    QRect cells(QPoint(std::min(current.x(), corner.x()), std::min(current.y(), corner.y())),
                QPoint(std::max(current.x(), corner.x()), std::max(current.y(), corner.y())));
    if (wholeColumns) {
        cells.setTop(0);
        cells.setBottom(rows - 1);
    }
    return cells;
}

std::optional<QPoint> shiftedCorner(int key, QPoint corner, int lastColumn)
{
    switch (key) {
    case Qt::Key_Left:
        return corner + QPoint(-1, 0);
    case Qt::Key_Right:
        return corner + QPoint(1, 0);
    case Qt::Key_Up:
        return corner + QPoint(0, -1);
    case Qt::Key_Down:
        return corner + QPoint(0, 1);
    case Qt::Key_Home:
        return QPoint(0, corner.y());
    case Qt::Key_End:
        return QPoint(lastColumn, corner.y());
    default:
        return std::nullopt;
    }
}

std::optional<QPoint> dragCorner(const GridGeometry &geometry, QSize viewport, QPoint pos)
{
    const QPoint inside(std::clamp(pos.x(), 0, viewport.width() - 1), std::clamp(pos.y(), 0, viewport.height() - 1));
    QPoint cell = geometry.cellAt(inside);
    if (cell.x() < 0)
        return std::nullopt;
    if (pos.x() >= viewport.width())
        cell.rx() += 1;
    else if (pos.x() < 0)
        cell.rx() -= 1;
    return cell;
}

void setGridSections(QTableView &table)
{
    for (QHeaderView *header : {table.horizontalHeader(), table.verticalHeader()}) {
        header->hide();
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    table.horizontalHeader()->setDefaultSectionSize(GridColumnWidth);
    table.horizontalHeader()->setMinimumSectionSize(GridColumnWidth);
    table.verticalHeader()->setDefaultSectionSize(GridRowHeight);
    table.verticalHeader()->setMinimumSectionSize(GridRowHeight);
    table.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table.setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
}

QColor washed(const QColor &colour, const QColor &highlight)
{
    auto mix = [](int c, int w) { return (c * 3 + w + 2) / 4; };
    return QColor(mix(colour.red(), highlight.red()), mix(colour.green(), highlight.green()),
                  mix(colour.blue(), highlight.blue()));
}

} // namespace editor
