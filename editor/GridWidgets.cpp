#include "GridWidgets.h"

#include <algorithm>

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>

namespace editor {

Qt::ItemFlags EditGridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QVariant EditGridModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::AccessibleTextRole || !mCellText || !index.isValid() || index.column() >= mColumns)
        return {};
    return mCellText(index.row(), index.column());
}

QVariant EditGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const int count = orientation == Qt::Horizontal ? mColumns : ElementRows;
    if ((role != Qt::DisplayRole && role != Qt::AccessibleTextRole) || !mHeaderText || section < 0 || section >= count)
        return {};
    return mHeaderText(orientation, section);
}

void EditGridModel::setTexts(CellText cell, HeaderText header)
{
    mCellText = std::move(cell);
    mHeaderText = std::move(header);
}

void EditGridModel::setColumns(int columns)
{
    if (columns == mColumns)
        return;
    // Columns are added or removed at the end, so a current cell that still exists stays.
    if (columns > mColumns) {
        beginInsertColumns({}, mColumns, columns - 1);
        mColumns = columns;
        endInsertColumns();
    } else {
        beginRemoveColumns({}, columns, mColumns - 1);
        mColumns = columns;
        endRemoveColumns();
    }
}

EditGridView::EditGridView(QWidget *parent) : QTableView(parent), mModel(new EditGridModel(this))
{
    setModel(mModel);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(GridColumnWidth);
    horizontalHeader()->setMinimumSectionSize(GridColumnWidth);
    verticalHeader()->setDefaultSectionSize(GridRowHeight);
    verticalHeader()->setMinimumSectionSize(GridRowHeight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
}

QPoint EditGridView::cellAt(const QPoint &pos) const
{
    const QModelIndex index = indexAt(pos);
    return index.isValid() ? QPoint(index.column(), index.row()) : QPoint(-1, -1);
}

void EditGridView::setColumns(int columns)
{
    mModel->setColumns(columns);
}

QRect EditGridView::range() const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return {};
    const QPoint anchor(current.column(), current.row());
    const QPoint corner = mCorner.x() < 0 ? anchor : mCorner;
    QRect cells = QRect(anchor, corner).normalized();
    if (mWholeColumns) {
        cells.setTop(0);
        cells.setBottom(ElementRows - 1);
    }
    return cells;
}

void EditGridView::selectColumns(int column)
{
    if (!currentIndex().isValid())
        return;
    extendRange(QPoint(column, currentIndex().row()));
    mWholeColumns = true;
    viewport()->update();
    emit rangeChanged();
}

void EditGridView::extendRange(QPoint corner)
{
    const int columns = mModel->columnCount();
    if (!currentIndex().isValid() || columns == 0)
        return;
    corner = QPoint(std::clamp(corner.x(), 0, columns - 1), std::clamp(corner.y(), 0, ElementRows - 1));
    if (corner == mCorner && !mWholeColumns)
        return;
    mCorner = corner;
    mWholeColumns = false;
    scrollTo(mModel->index(corner.y(), corner.x()));
    viewport()->update();
    emit rangeChanged();
}

void EditGridView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    mCorner = current.isValid() ? QPoint(current.column(), current.row()) : QPoint(-1, -1);
    mWholeColumns = false;
    viewport()->update();
    emit rangeChanged();
}

void EditGridView::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), event->modifiers(), event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    const QPoint cell = cellAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier) && currentIndex().isValid()) {
        if (cell.x() >= 0)
            extendRange(cell);
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
    mDragging = event->button() == Qt::LeftButton && cell.x() >= 0;
}

void EditGridView::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->buttons(), event->modifiers(), event->position().toPoint());
    if (event->buttons() & Qt::RightButton) {
        event->accept();
        return;
    }
    // A left drag spans the range; it never moves the current cell.
    if (mDragging && (event->buttons() & Qt::LeftButton)) {
        const QPoint pos = event->position().toPoint();
        const QPoint inside(std::clamp(pos.x(), 0, viewport()->width() - 1),
                            std::clamp(pos.y(), 0, viewport()->height() - 1));
        QPoint cell = cellAt(inside);
        if (cell.x() >= 0 && pos.x() >= viewport()->width())
            cell.rx() += 1; // past the right edge: scroll on
        else if (cell.x() >= 0 && pos.x() < 0)
            cell.rx() -= 1;
        if (cell.x() >= 0 || cell.y() >= 0)
            extendRange(QPoint(cell.x() < 0 ? mCorner.x() : cell.x(), cell.y() < 0 ? mCorner.y() : cell.y()));
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void EditGridView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        emit mouseReleased(event->button());
        return;
    }
    if (event->button() == Qt::LeftButton)
        mDragging = false;
    QTableView::mouseReleaseEvent(event);
}

void EditGridView::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        emit toggleRequested(current.column(), current.row());
        event->accept();
        return;
    }
    if (current.isValid() && event->modifiers() == Qt::ShiftModifier) {
        const QPoint corner = mCorner.x() < 0 ? QPoint(current.column(), current.row()) : mCorner;
        const int last = mModel->columnCount() - 1;
        QPoint to(-1, -1);
        switch (event->key()) {
        case Qt::Key_Left:
            to = corner + QPoint(-1, 0);
            break;
        case Qt::Key_Right:
            to = corner + QPoint(1, 0);
            break;
        case Qt::Key_Up:
            to = corner + QPoint(0, -1);
            break;
        case Qt::Key_Down:
            to = corner + QPoint(0, 1);
            break;
        case Qt::Key_Home:
            to = QPoint(0, corner.y());
            break;
        case Qt::Key_End:
            to = QPoint(last, corner.y());
            break;
        default:
            break;
        }
        if (to.x() != -1 || to.y() != -1) {
            extendRange(to);
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

QRect EditGridView::cellsRect(const QRect &cells) const
{
    const int left = columnViewportPosition(cells.left());
    const int top = rowViewportPosition(cells.top());
    const int right = columnViewportPosition(cells.right()) + columnWidth(cells.right()) - 1;
    const int bottom = rowViewportPosition(cells.bottom()) + rowHeight(cells.bottom()) - 1;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

namespace {

void outline(QPainter &painter, const QRect &r, const QColor &colour)
{
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
}

} // namespace

QColor EditGridView::washed(const QColor &colour) const
{
    // A quarter of the highlight over the colour: the colour stays readable.
    const QColor h = palette().color(QPalette::Highlight);
    auto mix = [](int c, int w) { return (c * 3 + w + 2) / 4; };
    return QColor(mix(colour.red(), h.red()), mix(colour.green(), h.green()), mix(colour.blue(), h.blue()));
}

// The range's cells are washed by the cell painter (inWash); here it gets a solid edge. The
// current cell gets black, white and black rings, one of which stands out on any colour.
void EditGridView::paintRange(QPainter &painter) const
{
    const QRect cells = range();
    if (!cells.isValid() || cells.right() >= mModel->columnCount())
        return;
    const QColor highlight = palette().color(QPalette::Highlight);
    const QModelIndex current = currentIndex();
    if (cells.width() > 1 || cells.height() > 1) {
        outline(painter, cellsRect(cells).adjusted(-1, -1, 1, 1), highlight);
    }
    const QRect mark = cellsRect(QRect(current.column(), current.row(), 1, 1));
    outline(painter, mark, Qt::black);
    outline(painter, mark.adjusted(1, 1, -1, -1), Qt::white);
    outline(painter, mark.adjusted(2, 2, -2, -2), Qt::black);
}

void EditGridView::paintEvent(QPaintEvent *event)
{
    const QRect dirty = event->rect();
    QPainter painter(viewport());
    painter.setClipRect(dirty);
    const int columns = mPaintCell ? mModel->columnCount() : 0;
    mPaintRange = range();
    mPaintCurrent = currentIndex().isValid() ? QPoint(currentIndex().column(), currentIndex().row()) : QPoint(-1, -1);
    const int bottom = rowViewportPosition(ElementRows - 1) + rowHeight(ElementRows - 1);
    int right = 0;
    if (columns > 0) {
        const int first = std::max(columnAt(dirty.left()), 0);
        int last = columnAt(dirty.right());
        if (last < 0)
            last = columns - 1;
        right = columnViewportPosition(columns - 1) + columnWidth(columns - 1);
        const int left = columnViewportPosition(first);
        const int end = columnViewportPosition(last) + columnWidth(last);

        // The right and bottom pixel of every cell is grid line, as the table view draws it.
        // Lines and cells are small fills: one fill of the whole area would be split across
        // threads and cost more than all the cells.
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QColor lines = QColor::fromRgba(QRgb(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
        for (int row = 0; row < ElementRows; ++row) {
            const int y = rowViewportPosition(row);
            const int height = rowHeight(row) - 1;
            painter.fillRect(QRect(left, y + height, end - left, 1), lines);
        }
        for (int column = first; column <= last; ++column) {
            const int x = columnViewportPosition(column);
            const int width = columnWidth(column) - 1;
            painter.fillRect(QRect(x + width, 0, 1, bottom), lines);
            for (int row = 0; row < ElementRows; ++row)
                mPaintCell(&painter, QRect(x, rowViewportPosition(row), width, rowHeight(row) - 1), column, row);
        }
    }
    if (columns > 0)
        paintRange(painter);
    // The viewport does not fill its background (it is opaque), so what the cells leave.
    const QBrush background = viewport()->palette().brush(viewport()->backgroundRole());
    painter.fillRect(QRect(QPoint(right, dirty.top()), dirty.bottomRight()).intersected(dirty), background);
    painter.fillRect(QRect(QPoint(dirty.left(), bottom), dirty.bottomRight()).intersected(dirty), background);
    emit painted();
}

QWidget *FrameGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    auto *edit = new QLineEdit(parent);
    edit->setFrame(false);
    const int column = index.column();
    const int row = index.row();
    connect(edit, &QLineEdit::textEdited, edit, [this, edit, column, row](const QString &text) {
        const QString shown = mOnEdit(column, row, text);
        if (shown != text)
            edit->setText(shown);
    });
    return edit;
}

} // namespace editor
