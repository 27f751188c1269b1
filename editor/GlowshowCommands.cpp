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
    std::swap(Document.Glowshows[std::size_t(c)], Document.Glowshows[std::size_t(c + 1)]);
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
    std::swap(Document.Glowshows[std::size_t(c)], Document.Glowshows[std::size_t(c - 1)]);
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
    Document.Glowshows.push_back(std::move(copy));
    Document.GlowFile.GlowshowCount = std::uint8_t(Document.Glowshows.size());
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
    Document.Glowshows.erase(Document.Glowshows.begin() + c);
    Document.GlowFile.GlowshowCount = std::uint8_t(Document.Glowshows.size());
    if (c >= n - 1) {
        Document.CurrentGlowshow = std::uint8_t(n - 2);
        selectListRow(ListBox1, n - 2);
    }
    DocumentLoaded = true;
    execute(AUpdateListAction);
    ListBox1Click();
}

} // namespace editor
