// Moving, copying and deleting whole glowshows.
#include "Unit1.h"

#include <QAction>
#include <QListWidget>

namespace editor {

void TMForm::AGlowMoveDown()
{
    const int c = Document.CurrentGlowshow;
    if (!DocumentLoaded || c + 1 >= int(Document.Glowshows.size()))
        return;
    pushEdit(model::SwapGlowshows{c, c}, uiText("StepMoveGlowshow"));
    Document.CurrentGlowshow = std::uint8_t(c + 1);
    selectListRow(ListBox1, c + 1);
    execute(AUpdateListAction);
    ListBox1Click();
}

void TMForm::AGlowMoveUp()
{
    const int c = Document.CurrentGlowshow;
    if (!DocumentLoaded || c < 1 || c >= int(Document.Glowshows.size()))
        return;
    pushEdit(model::SwapGlowshows{c - 1, c}, uiText("StepMoveGlowshow"));
    Document.CurrentGlowshow = std::uint8_t(c - 1);
    selectListRow(ListBox1, c - 1);
    execute(AUpdateListAction);
    ListBox1Click();
}

void TMForm::AGlowCopy()
{
    if (!DocumentLoaded || !Document.canAddGlowshow() || !Document.current())
        return;
    model::TGlowshow copy;
    model::CopyGlowshow(*Document.current(), copy);
    pushEdit(model::InsertGlowshow{int(Document.Glowshows.size()), std::move(copy)}, stepName(AGlowCopyAction));
    execute(AUpdateListAction);
    ListBox1Click();
}

void TMForm::ADelGlow()
{
    const int n = int(Document.Glowshows.size());
    const int c = Document.CurrentGlowshow;
    // The document never becomes empty through deletion.
    if (!DocumentLoaded || n < 2 || c >= n)
        return;
    DocumentLoaded = false;
    pushEdit(model::removeGlowshow(c), stepName(ADelGlowAction));
    if (c >= n - 1) {
        Document.CurrentGlowshow = std::uint8_t(n - 2);
        selectListRow(ListBox1, n - 2);
    }
    DocumentLoaded = true;
    execute(AUpdateListAction);
    ListBox1Click();
}

} // namespace editor
