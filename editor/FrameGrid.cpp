// Selecting cells of EditGrid and elements of SlotGrid; the grids paint and edit themselves.
#include "Unit1.h"

#include "GridWidgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>

namespace editor {

bool TMForm::IsEditableCell(int column, int row) const
{
    return DocumentLoaded && column >= 0 && row >= 0 && row < ElementRows;
}

bool TMForm::isElementHidden(int element) const
{
    return element >= 1 && element <= profiles::ElementCount &&
           CurrentProfile.ElementColors[element] == profiles::NotOnModel && CheckBox2->isChecked();
}

void TMForm::redrawCell(int column, int row)
{
    EditGrid->redrawCell(column, row);
}

void TMForm::EditGridSelectCell(int column, int row)
{
    const int selectedFrame = PageControl2->indexOf(TabSheet2);
    if (!IsEditableCell(column, row) || isElementHidden(row + 1)) {
        PageControl2->setTabVisible(selectedFrame, false);
        Document.SelectionEmpty = 1;
        return;
    }
    PageControl2->setTabVisible(PageControl2->indexOf(TabSheet1), true);
    PageControl2->setTabVisible(selectedFrame, true);
    UpdatingControls = true;
    SlotGridSelectCell(0, row);
    UpdatingControls = false;
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
    if (Document.CurrentEntry != model::NoEntry) {
        execute(AMakeSelectAction);
        ElName->setText(SlotGrid->item(row, 0)->text());
    } else {
        execute(AMakeEmptyAction);
    }
}

void TMForm::SlotGridSelectCell(int, int row)
{
    if (!DocumentLoaded || row < 0 || row >= ElementRows)
        return;
    const int slotOperations = PageControl2->indexOf(TabSheet1);
    PageControl2->setTabVisible(slotOperations, true);
    if (!UpdatingControls)
        PageControl2->setCurrentIndex(slotOperations);
    ElName->setText(SlotGrid->item(row, 0)->text());
    Document.CurrentElement = std::uint8_t(row + 1);
    Document.CopyTargetElement = std::uint8_t(row + 1);
    {
        const QSignalBlocker block(ComboBox3);
        ComboBox3->setCurrentIndex(row < ComboBox3->count() ? row : -1);
    }

    const model::TGlowshow *g = Document.current();
    const std::uint8_t channel = Document.FindEntry(Document.CurrentElement, 0);
    const bool frequencies = g && g->Kind == model::KindRhythm && channel < g->Channels.size();
    SpinEdit3->setEnabled(frequencies);
    SpinEdit4->setEnabled(frequencies);
    const QSignalBlocker b3(SpinEdit3), b4(SpinEdit4);
    SpinEdit3->setValue(frequencies ? g->Channels[channel].UpperFrequency : 0);
    SpinEdit4->setValue(frequencies ? g->Channels[channel].LowerFrequency : 0);
}

void TMForm::ComboBox3Change()
{
    const int index = ComboBox3->currentIndex();
    if (index >= 0 && index < ElementRows)
        Document.CopyTargetElement = std::uint8_t(index + 1);
}

} // namespace editor
