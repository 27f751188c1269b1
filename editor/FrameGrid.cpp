// The colour table: painting cells, selecting cells and elements, durations, right-button toggling.
#include "Unit1.h"

#include "GridWidgets.h"
#include "preview/CellColour.h"
#include "preview/QtDrawingSurface.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <functional>

#include <utility>

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
    const QModelIndex index = EditGrid->model()->index(row, column);
    if (index.isValid())
        EditGrid->viewport()->repaint(EditGrid->visualRect(index));
}

void TMForm::EditGridDrawCell(QPainter *painter, const QRect &rect, int column, int row)
{
    static const QBrush empty = preview::emptyCellBrush();
    const bool washed = EditGrid->inWash(column, row);
    if (!DocumentLoaded)
        return;
    const model::TGlowshow *g = Document.current();
    const int element = row + 1;
    const std::optional<std::uint32_t> colour =
        g && element >= 1 && element <= profiles::ElementCount
            ? preview::cellScreenColour(*g, element, column, CurrentProfile.ElementColors[element],
                                        isElementHidden(element))
            : std::nullopt;
    if (colour) {
        const QColor shown = QColor::fromRgb(preview::screenColourToRgb(*colour));
        painter->fillRect(rect, washed ? EditGrid->washed(shown) : shown);
    } else if (washed) {
        // Rebuilt only when the wash colour changes (a new palette).
        static QRgb washedFor = 0;
        static QBrush washedEmpty;
        if (washedEmpty.style() == Qt::NoBrush || washedFor != EditGrid->washed(Qt::black).rgb()) {
            washedFor = EditGrid->washed(Qt::black).rgb();
            washedEmpty = preview::emptyCellBrush([this](QColor c) { return EditGrid->washed(c); });
        }
        painter->fillRect(rect, washedEmpty);
    } else {
        painter->fillRect(rect, empty);
    }
}

void TMForm::EditGridTopLeftChanged()
{
    FrameGrid->horizontalScrollBar()->setValue(EditGrid->horizontalScrollBar()->value());
    SlotGrid->verticalScrollBar()->setValue(EditGrid->verticalScrollBar()->value());
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

QString TMForm::FrameGridSetEditText(int column, int row, const QString &text)
{
    if (!DocumentLoaded || row != 1)
        return text;
    model::TGlowshow *g = Document.current();
    bool valid = false;
    qlonglong v = text.toLongLong(&valid);
    QString shown = text;
    if (valid && v > 65535) {
        shown = QStringLiteral("65535");
        v = 65535;
    } else if (valid && v < 0) {
        // The field is unsigned: a negative duration is corrected like a too large one.
        shown = QStringLiteral("0");
        v = 0;
    }
    if (!valid || !g || g->Kind == model::KindRhythm) {
        shown.clear();
        v = 0;
    }
    if (text.isEmpty())
        return shown;
    if (g && g->Kind == model::KindNormal && column >= 0 && column < int(g->Frames.size()) &&
        g->Frames[std::size_t(column)].Duration != v)
        pushEdit(model::SetFrameDuration{Document.CurrentGlowshow, column, std::uint16_t(v)}, uiText("StepDuration"),
                 MergeDuration);
    if (QTableWidgetItem *item = FrameGrid->item(1, column)) {
        const QSignalBlocker block(FrameGrid);
        item->setText(shown);
    }
    return shown;
}

void TMForm::toggleCell(int column, int row)
{
    const std::uint8_t entry = Document.CurrentEntry, frame = Document.CurrentFrame, element = Document.CurrentElement;
    Document.CurrentFrame = std::uint8_t(std::min(column, 255));
    Document.CurrentEntry = Document.FindEntry(std::uint8_t(row + 1), Document.CurrentFrame);
    Document.CurrentElement = std::uint8_t(row + 1);
    if (Document.CurrentEntry != model::NoEntry) {
        // A whole right-drag is one step.
        if (!mRightDragStep) {
            mRightDragStep = true;
            mHistory->beginStep(uiText("StepToggleCells"));
        }
        execute(AMakeOn_OffAction);
    }
    Document.CurrentEntry = entry;
    Document.CurrentFrame = frame;
    Document.CurrentElement = element;
}

void TMForm::EditGridMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint pos)
{
    if (!DocumentLoaded || button != Qt::RightButton)
        return;
    const QPoint cell = EditGrid->cellAt(pos);
    LastMouseCell = cell;
    if (cell.x() >= 0 && cell.y() >= 0 && cell.y() < ElementRows && !isElementHidden(cell.y() + 1))
        toggleCell(cell.x(), cell.y());
}

void TMForm::EditGridMouseUp(Qt::MouseButton button)
{
    if (button == Qt::RightButton && std::exchange(mRightDragStep, false))
        mHistory->endStep();
}

void TMForm::EditGridMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos)
{
    if (!DocumentLoaded || buttons != Qt::RightButton || modifiers != Qt::NoModifier)
        return;
    const QPoint cell = EditGrid->cellAt(pos);
    if (cell == LastMouseCell)
        return;
    if (cell.x() >= 0 && cell.y() >= 0 && cell.y() < ElementRows && !isElementHidden(cell.y() + 1))
        toggleCell(cell.x(), cell.y());
    LastMouseCell = cell;
}

} // namespace editor
