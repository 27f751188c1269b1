// Moving, copying and deleting whole glowshows. The current glowshow follows the one moved
// (the document keeps its position on it), and the list shows the change by itself.
#include "Unit1.h"

#include <QAction>

namespace editor {

void TMForm::AGlowMoveDown()
{
    const int c = Document.CurrentGlowshow;
    if (!DocumentLoaded || c + 1 >= int(Document.Glowshows.size()))
        return;
    pushEdit(model::SwapGlowshows{c, c}, uiText("StepMoveGlowshow"));
}

void TMForm::AGlowMoveUp()
{
    const int c = Document.CurrentGlowshow;
    if (!DocumentLoaded || c < 1 || c >= int(Document.Glowshows.size()))
        return;
    pushEdit(model::SwapGlowshows{c - 1, c}, uiText("StepMoveGlowshow"));
}

void TMForm::AGlowCopy()
{
    if (!DocumentLoaded || !Document.canAddGlowshow() || !Document.current())
        return;
    model::TGlowshow copy;
    model::CopyGlowshow(*Document.current(), copy);
    pushEdit(model::InsertGlowshow{int(Document.Glowshows.size()), std::move(copy)}, stepName(AGlowCopyAction));
}

void TMForm::ADelGlow()
{
    const int n = int(Document.Glowshows.size());
    const int c = Document.CurrentGlowshow;
    // The document never becomes empty through deletion.
    if (!DocumentLoaded || n < 2 || c >= n)
        return;
    pushEdit(model::removeGlowshow(c), stepName(ADelGlowAction));
}

} // namespace editor
