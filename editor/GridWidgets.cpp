#include "GridWidgets.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

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

void CellPaintDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    mPaint(painter, option.rect, index.column(), index.row());
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
        return;
    }
    QTableView::mouseReleaseEvent(event);
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
