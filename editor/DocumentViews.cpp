// The views that span pages follow the document's signals here; each page follows the rest
// itself. Commands change the document and nothing else.
#include "Unit1.h"

#include "EditPage.h"
#include "ErrorBox.h"
#include "GlowshowPage.h"

namespace editor {

void TMForm::connectDocument()
{
    auto guarded = [this](auto show) {
        return [this, show](auto... arguments) { runGuarded(this, [&] { show(arguments...); }); };
    };
    // The labels first: the options page finds the identifier by its label.
    connect(&mDocument, &EditorDocument::glowshowChanged, this, guarded([this](int g) {
        relabelLists();
        if (g == Document.CurrentGlowshow) {
            mEdit->showGlowshowProperties();
            mEdit->showCurrentCell();
        }
    }));
    for (auto signal :
         {&EditorDocument::glowshowInserted, &EditorDocument::glowshowRemoved, &EditorDocument::glowshowsSwapped})
        connect(&mDocument, signal, this, guarded([this](int) { showGlowshowList(); }));
    connect(&mDocument, &EditorDocument::documentReplaced, this, guarded([this] { showReplacedDocument(); }));
    connect(&history().stack(), &QUndoStack::cleanChanged, this, [this] { updateWindowTitle(); });
}

void TMForm::showGlowshowList()
{
    mEdit->glowshows->selectLine(Document.CurrentGlowshow);
    execute("AUpdateList");
    showChosenGlowshow(true);
}

} // namespace editor
