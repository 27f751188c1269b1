// EditGrid's mouse and keys: the right button and Space switch cells, the left button and Shift
// span the range, the menu key opens the grid's commands.
#include "EditGridView.h"

#include "EditorDocument.h"
#include "EditorTexts.h"
#include "ErrorBox.h"
#include "model/Edits.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

namespace editor {

bool EditGridView::switchable(QPoint cell) const
{
    return cell.x() >= 0 && cell.x() < mModel->columnCount() && cell.y() >= 0 && cell.y() < ElementRows &&
           !mHidden(cell.y() + 1);
}

// Off (0, 0, 0) turns on as (15, 15, 15), anything else turns off: on/off elements show bit 0 of
// blue, and a full-colour element becomes white or black. A right drag's first switch opens its
// step, so that a drag over cells without entries leaves none.
void EditGridView::toggleCell(QPoint cell, bool dragging)
{
    const model::TDocument &doc = mDocument.content();
    const model::TGlowshow *g = doc.current();
    const auto element = std::uint8_t(cell.y() + 1);
    model::Colour colour;
    if (!g || !model::cellColour(*g, cell.x(), element, colour))
        return;
    const std::uint8_t v = colour == model::Colour{} ? 15 : 0;
    if (dragging && !mRightDragStep) {
        mRightDragStep = true;
        mDocument.history().beginStep(editorText(mTexts, "StepToggleCells"));
    }
    runGuarded(this, [&] {
        mDocument.push(model::SetCellColour{doc.CurrentGlowshow, cell.x(), element, {v, v, v}},
                       editorText(mTexts, "StepToggleCells"));
    });
}

void EditGridView::endRightDrag()
{
    if (std::exchange(mRightDragStep, false))
        mDocument.history().endStep();
}

void EditGridView::mousePressEvent(QMouseEvent *event)
{
    const QPoint cell = geometry().cellAt(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        // The right button never moves the current cell; a whole drag is one step.
        endRightDrag(); // a release this grid never saw
        LastMouseCell = cell;
        if (switchable(cell))
            toggleCell(cell, true);
        event->accept();
        return;
    }
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
    if (event->buttons() & Qt::RightButton) {
        // Each cell a right drag enters switches once; only the right button alone drags.
        const QPoint cell = geometry().cellAt(event->position().toPoint());
        if (event->buttons() == Qt::RightButton && event->modifiers() == Qt::NoModifier && cell != LastMouseCell) {
            if (switchable(cell))
                toggleCell(cell, true);
            LastMouseCell = cell;
        }
        event->accept();
        return;
    }
    // A left drag spans the range; it never moves the current cell.
    if (mDragging && (event->buttons() & Qt::LeftButton)) {
        if (const auto corner = dragCorner(geometry(), viewport()->size(), event->position().toPoint()))
            extendRange(*corner);
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void EditGridView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        endRightDrag();
        event->accept();
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
        // Space switches the current cell as a right click does, one step of its own.
        const QPoint cell(current.column(), current.row());
        if (switchable(cell))
            toggleCell(cell, false);
        event->accept();
        return;
    }
    if (current.isValid() && event->modifiers() == Qt::ShiftModifier) {
        const QPoint corner = mCorner.x() < 0 ? QPoint(current.column(), current.row()) : mCorner;
        if (const auto to = shiftedCorner(event->key(), corner, mModel->columnCount() - 1)) {
            extendRange(*to);
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

// The right button switches cells, so the menu opens from the keyboard only.
void EditGridView::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    if (event->reason() == QContextMenuEvent::Keyboard)
        execGridMenu(this, mFillMenu, event->globalPos());
}

} // namespace editor
