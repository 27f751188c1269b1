// Which view follows which of the document's signals. Commands change the document and
// nothing else; every view below redraws what the change touched.
#include "Unit1.h"

#include "ErrorBox.h"
#include "GlowshowPage.h"
#include "GridWidgets.h"
#include "SelectedFramePage.h"
#include "SlotOperationsPage.h"

#include <QTabWidget>
#include <QTableWidget>

namespace editor {

void TMForm::connectDocument()
{
    auto guarded = [this](auto show) {
        return [this, show](auto... arguments) { runGuarded(this, [&] { show(arguments...); }); };
    };
    auto current = [this](int glowshow) { return glowshow == Document.CurrentGlowshow; };

    connect(&mDocument, &EditorDocument::cellsChanged, this, guarded([this, current](int g, int first, int last) {
        if (current(g))
            showCells(first, last);
    }));
    connect(&mDocument, &EditorDocument::columnsChanged, this, guarded([this, current](int g) {
        if (current(g))
            showColumns();
    }));
    connect(&mDocument, &EditorDocument::glowshowChanged, this, guarded([this, current](int g) {
        relabelLists();
        if (current(g)) {
            showGlowshowProperties();
            showCurrentCell();
        }
    }));
    for (auto signal :
         {&EditorDocument::glowshowInserted, &EditorDocument::glowshowRemoved, &EditorDocument::glowshowsSwapped})
        connect(&mDocument, signal, this, guarded([this](int) { showGlowshowList(); }));
    connect(&mDocument, &EditorDocument::documentReplaced, this, guarded([this] { showReplacedDocument(); }));

    // The device view shows the current column of the current glowshow.
    for (auto signal : {&EditorDocument::columnsChanged, &EditorDocument::glowshowChanged})
        connect(&mDocument, signal, this, [this](int) { scheduleLiveView(); });
    connect(&mDocument, &EditorDocument::cellsChanged, this, [this] { scheduleLiveView(); });
    connect(EditGrid->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { scheduleLiveView(); });
}

void TMForm::showColumns()
{
    const model::TGlowshow *g = Document.current();
    if (!g)
        return;
    mGlowshows->showFrameCount();
    dropStaleSelection();
    showCurrentCell();
}

void TMForm::showCells(int firstColumn, int lastColumn)
{
    const QModelIndex current = EditGrid->currentIndex();
    if (current.isValid() && current.column() >= firstColumn && current.column() <= lastColumn)
        showCurrentCell();
}

void TMForm::showCurrentCell()
{
    // Selecting the cell or element again reads it anew; the user stays on the page they are on.
    const int page = PageControl2->currentIndex();
    const QModelIndex current = EditGrid->currentIndex();
    if (current.isValid() && PageControl2->isTabVisible(PageControl2->indexOf(mSelectedFrame))) {
        EditGridSelectCell(current.column(), current.row());
    } else if (PageControl2->isTabVisible(PageControl2->indexOf(mSlotOperations))) {
        SlotGridSelectCell(Document.CurrentElement - 1, false);
    } else {
        return;
    }
    if (PageControl2->isTabVisible(page))
        PageControl2->setCurrentIndex(page);
}

void TMForm::showGlowshowList()
{
    mGlowshows->selectLine(Document.CurrentGlowshow);
    execute(AUpdateListAction);
    showChosenGlowshow(true);
}

} // namespace editor
