#include "GridWidgets.h"

#include <algorithm>

#include <QHeaderView>
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

void EditGridView::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), event->modifiers(), event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void EditGridView::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->buttons(), event->modifiers(), event->position().toPoint());
    if (event->buttons() & Qt::RightButton) {
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
    QTableView::mouseReleaseEvent(event);
}

void EditGridView::paintEvent(QPaintEvent *event)
{
    const QRect dirty = event->rect();
    QPainter painter(viewport());
    painter.setClipRect(dirty);
    const int columns = mPaintCell ? mModel->columnCount() : 0;
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
