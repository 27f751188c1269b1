// Adding, removing, clearing and copying one element's entries.
#include "Unit1.h"

#include "GridWidgets.h"
#include "model/FrameOperations.h"

#include <QTableWidget>

namespace editor {

void TMForm::reselectCurrentCell()
{
    const QModelIndex current = EditGrid->currentIndex();
    if (!current.isValid())
        return;
    redrawCell(current.column(), current.row());
    EditGridSelectCell(current.column(), current.row());
}

void TMForm::AAddNewFrame()
{
    model::TGlowshow *g = Document.current();
    if (!g)
        return;
    if (g->Kind == model::KindRhythm) {
        // A rhythm element lives in every step or in none.
        execute(AAddAllFramesAction);
        return;
    }
    model::addEntry(*g, Document.CurrentFrame, Document.CurrentElement);
    reselectCurrentCell();
}

void TMForm::ADelFrame()
{
    if (model::TGlowshow *g = Document.current())
        model::removeEntry(*g, Document.CurrentFrame, Document.CurrentElement);
    reselectCurrentCell();
}

void TMForm::AAddAllFrames()
{
    model::TGlowshow *g = Document.current();
    if (!DocumentLoaded || !g)
        return;
    model::addElementToAllFrames(*g, Document.CurrentElement);
    const int row = SlotGrid->currentRow();
    SlotGridSelectCell(0, row >= 0 ? row : Document.CurrentElement - 1);
    EditGrid->viewport()->update();
}

void TMForm::ADelAllFrames()
{
    model::TGlowshow *g = Document.current();
    if (!DocumentLoaded || !g)
        return;
    model::removeElementFromAllFrames(*g, Document.CurrentElement);
    EditGrid->viewport()->update();
}

void TMForm::AClearAllFrames()
{
    model::TGlowshow *g = Document.current();
    if (!DocumentLoaded || !g)
        return;
    model::clearElementInAllFrames(*g, Document.CurrentElement);
    EditGrid->viewport()->update();
}

void TMForm::ACopyAllFrames()
{
    model::TGlowshow *g = Document.current();
    if (!DocumentLoaded || !g)
        return;
    model::copyElementInAllFrames(*g, Document.CurrentElement, Document.CopyTargetElement);
    EditGrid->viewport()->update();
}

} // namespace editor
