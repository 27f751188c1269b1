// Selecting cells of EditGrid and elements of SlotGrid, shown on the pages beside them; the
// grids paint and edit themselves.
#include "Unit1.h"

#include "GridWidgets.h"
#include "SelectedFramePage.h"
#include "SetupPage.h"
#include "SlotOperationsPage.h"

#include <QAction>
#include <QCheckBox>
#include <QTabWidget>

namespace editor {

bool TMForm::isElementHidden(int element) const
{
    return element >= 1 && element <= profiles::ElementCount &&
           CurrentProfile.ElementColors[element] == profiles::NotOnModel && mSetup->CheckBox2->isChecked();
}

void TMForm::redrawCell(int column, int row)
{
    EditGrid->redrawCell(column, row);
}

void TMForm::EditGridSelectCell(int column, int row)
{
    const int selectedFrame = PageControl2->indexOf(mSelectedFrame);
    if (!mDocument.isLoaded() || column < 0 || row < 0 || row >= ElementRows || isElementHidden(row + 1)) {
        PageControl2->setTabVisible(selectedFrame, false);
        Document.SelectionEmpty = 1;
        return;
    }
    PageControl2->setTabVisible(PageControl2->indexOf(mSlotOperations), true);
    PageControl2->setTabVisible(selectedFrame, true);
    SlotGridSelectCell(row, false);
    PageControl2->setCurrentIndex(selectedFrame);

    Document.CurrentFrame = std::uint8_t(std::min(column, 255));
    Document.CurrentEntry = Document.FindEntry(std::uint8_t(row + 1), Document.CurrentFrame);
    // A position the arrays do not hold is treated as no entry.
    const model::TGlowshow *g = Document.current();
    if (Document.CurrentEntry != model::NoEntry && g &&
        !(g->Kind == model::KindNormal ? Document.entryAt(Document.CurrentFrame, Document.CurrentEntry) != nullptr
                                       : Document.stepAt(Document.CurrentEntry, Document.CurrentFrame) != nullptr))
        Document.CurrentEntry = model::NoEntry;

    AAddNewFrameAction->setEnabled(false);
    execute(Document.CurrentEntry != model::NoEntry ? AMakeSelectAction : AMakeEmptyAction);
}

void TMForm::SlotGridSelectCell(int row, bool bringForward)
{
    if (!mDocument.isLoaded() || row < 0 || row >= ElementRows)
        return;
    const int slotOperations = PageControl2->indexOf(mSlotOperations);
    PageControl2->setTabVisible(slotOperations, true);
    if (bringForward)
        PageControl2->setCurrentIndex(slotOperations);
    mSlotOperations->showElement(row);
}

} // namespace editor
