#include "TimelineCommands.h"

#include "Clipboard.h"
#include "ControlText.h"
#include "ErrorBox.h"
#include "GridWidgets.h"
#include "Unit1.h"

#include "EditPage.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace editor {

namespace {

QString dialogStepName(const QAction *action)
{
    return stepName(action).remove(QStringLiteral("..."));
}

} // namespace

TimelineCommands::TimelineCommands(TMForm &form) : QObject(&form), mForm(form)
{
    // Object name "A" + key; the key names the caption in the language files.
    const struct {
        QAction *TimelineCommands::*action;
        const char *key;
        void (TimelineCommands::*handler)();
    } commands[] = {
        {&TimelineCommands::AInsertFrameBefore, "InsertFrameBefore", &TimelineCommands::insertBefore},
        {&TimelineCommands::AInsertFrameAfter, "InsertFrameAfter", &TimelineCommands::insertAfter},
        {&TimelineCommands::ADuplicateFrames, "DuplicateFrames", &TimelineCommands::duplicate},
        {&TimelineCommands::ADeleteFrames, "DeleteFrames", &TimelineCommands::remove},
        {&TimelineCommands::AMoveFramesLeft, "MoveFramesLeft", &TimelineCommands::moveLeft},
        {&TimelineCommands::AMoveFramesRight, "MoveFramesRight", &TimelineCommands::moveRight},
        {&TimelineCommands::ACut, "Cut", &TimelineCommands::cut},
        {&TimelineCommands::ACopy, "Copy", &TimelineCommands::copy},
        {&TimelineCommands::APaste, "Paste", &TimelineCommands::paste},
        {&TimelineCommands::AFillRange, "FillRange", &TimelineCommands::fill},
        {&TimelineCommands::AFadeRange, "FadeRange", &TimelineCommands::fade},
        {&TimelineCommands::ASetDurations, "SetDurations", &TimelineCommands::setDurations},
        {&TimelineCommands::AEffects, "Effects", &TimelineCommands::effects},
    };
    for (const auto &c : commands)
        this->*c.action = makeAction(c.key, c.handler);
    AMoveFramesLeft->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Left));
    AMoveFramesRight->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Right));
    ACut->setShortcuts(QKeySequence::Cut);
    ACopy->setShortcuts(QKeySequence::Copy);
    APaste->setShortcuts(QKeySequence::Paste);
    ADuplicateFrames->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    ADeleteFrames->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    AEffects->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    mForm.menu("EditMenu")->addSeparator();
    addTo(mForm.menu("EditMenu"));

    EditGridView *grid = mForm.mEdit->EditGrid;
    connect(grid, &EditGridView::rangeChanged, this, &TimelineCommands::updateActions);
    // The grids open the menu; it offers the commands as they are enabled at that moment.
    const GridMenuFiller fill = [this](QMenu &menu) {
        updateActions();
        addTo(&menu);
    };
    grid->setMenuFiller(fill);
    mForm.mEdit->FrameGrid->setMenuFiller(fill);
    connect(mForm.PageControl1, &QTabWidget::currentChanged, this, &TimelineCommands::updateActions);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TimelineCommands::updateActions);
    updateActions();
}

QAction *TimelineCommands::makeAction(const char *textKey, void (TimelineCommands::*handler)())
{
    auto *action = new QAction(&mForm);
    action->setObjectName(QLatin1Char('A') + QString::fromLatin1(textKey));
    action->setEnabled(false);
    mForm.addCaption(textKey, [action](const QString &text) { action->setText(text); });
    connect(action, &QAction::triggered, this, [this, action, handler] {
        if (action->isEnabled() && editing())
            runGuarded(&mForm, [this, handler] { (this->*handler)(); });
    });
    return action;
}

std::vector<QAction *> TimelineCommands::menuActions() const
{
    return {ACut,
            ACopy,
            APaste,
            nullptr,
            AInsertFrameBefore,
            AInsertFrameAfter,
            ADuplicateFrames,
            ADeleteFrames,
            AMoveFramesLeft,
            AMoveFramesRight,
            nullptr,
            AFillRange,
            AFadeRange,
            ASetDurations,
            AEffects};
}

void TimelineCommands::addTo(QMenu *menu) const
{
    for (QAction *a : menuActions()) {
        if (a)
            menu->addAction(a);
        else
            menu->addSeparator();
    }
}

// Commands act on the grid of the editing page only, and never while the preview plays.
bool TimelineCommands::editing() const
{
    return mForm.document().isLoaded() && mForm.editingAllowed() &&
           mForm.PageControl1->currentWidget() == mForm.mEdit && mForm.mEdit->isEnabled() && mForm.Document.current();
}

std::optional<model::FrameRange> TimelineCommands::selection() const
{
    const model::TGlowshow *g = mForm.Document.current();
    const QRect cells = mForm.mEdit->EditGrid->range();
    if (!g || !cells.isValid() || cells.left() >= model::columnCount(*g))
        return std::nullopt;
    return model::FrameRange{cells.left(), std::min(cells.right(), model::columnCount(*g) - 1),
                             std::uint8_t(cells.top() + 1), std::uint8_t(cells.bottom() + 1)};
}

void TimelineCommands::updateActions()
{
    const model::TGlowshow *g = editing() ? mForm.Document.current() : nullptr;
    const std::optional<model::FrameRange> range = g ? selection() : std::nullopt;
    const bool empty = g && model::columnCount(*g) == 0;
    const bool normal = g && g->Kind == model::KindNormal;
    const int columns = range ? range->columns() : 0;
    model::Colour colour;
    AInsertFrameBefore->setEnabled(g && (range || empty) && model::canInsertColumns(*g, 1));
    AInsertFrameAfter->setEnabled(AInsertFrameBefore->isEnabled());
    ADuplicateFrames->setEnabled(range && model::canInsertColumns(*g, columns));
    ADeleteFrames->setEnabled(range.has_value() && model::canEditRange(*g, *range));
    AMoveFramesLeft->setEnabled(range && model::canMoveColumns(*g, range->firstColumn, range->lastColumn, -1));
    AMoveFramesRight->setEnabled(range && model::canMoveColumns(*g, range->firstColumn, range->lastColumn, 1));
    ACopy->setEnabled(range.has_value());
    ACut->setEnabled(range.has_value());
    APaste->setEnabled(g && (range || empty) && mayHoldClip(QApplication::clipboard()->mimeData()));
    AFillRange->setEnabled(range &&
                           model::cellColour(*g, range->firstColumn,
                                             std::uint8_t(mForm.mEdit->EditGrid->currentIndex().row() + 1), colour));
    AFadeRange->setEnabled(range && columns >= 3);
    ASetDurations->setEnabled(range && normal);
    AEffects->setEnabled(g && (model::columnCount(*g) > 0 || model::canInsertColumns(*g, 1)));
}

void TimelineCommands::apply(std::optional<model::SpliceColumns> edit, QAction *command, const model::FrameRange &shown)
{
    if (!edit)
        return;
    // Undo shows the change at the range's first cell.
    if (edit->shown.element == 0)
        edit->shown.element = shown.firstElement;
    mForm.document().push(std::move(*edit), dialogStepName(command));
    showColumns(shown);
}

void TimelineCommands::showColumns(const model::FrameRange &shown)
{
    // The grids and the counts follow the document by themselves; the command only selects
    // what it made.
    const model::TGlowshow *g = mForm.Document.current();
    const int count = g ? model::columnCount(*g) : 0;
    if (count > 0) {
        EditGridView *grid = mForm.mEdit->EditGrid;
        const int column = std::clamp(shown.firstColumn, 0, count - 1);
        const int row = std::clamp(int(shown.firstElement) - 1, 0, ElementRows - 1);
        const QModelIndex at = grid->model()->index(row, column);
        if (grid->currentIndex() != at)
            grid->setCurrentIndex(at);
        if (shown.wholeColumns())
            grid->selectColumns(std::min(shown.lastColumn, count - 1));
        else
            grid->extendRange(QPoint(std::min(shown.lastColumn, count - 1), shown.lastElement - 1));
    }
    updateActions();
}

void TimelineCommands::insertBefore()
{
    const auto range = selection();
    const int column = range ? range->firstColumn : 0;
    const int row = mForm.mEdit->EditGrid->currentIndex().isValid() ? mForm.mEdit->EditGrid->currentIndex().row() : 0;
    const auto element = std::uint8_t(row + 1);
    apply(model::insertColumn(mForm.Document, mForm.Document.CurrentGlowshow, column, false), AInsertFrameBefore,
          {column, column, element, element});
}

void TimelineCommands::insertAfter()
{
    const auto range = selection();
    const int column = range ? range->lastColumn : 0;
    const int at = range ? column + 1 : 0;
    const int row = mForm.mEdit->EditGrid->currentIndex().isValid() ? mForm.mEdit->EditGrid->currentIndex().row() : 0;
    const auto element = std::uint8_t(row + 1);
    apply(model::insertColumn(mForm.Document, mForm.Document.CurrentGlowshow, column, true), AInsertFrameAfter,
          {at, at, element, element});
}

void TimelineCommands::duplicate()
{
    if (const auto r = selection())
        apply(model::duplicateColumns(mForm.Document, mForm.Document.CurrentGlowshow, r->firstColumn, r->lastColumn),
              ADuplicateFrames, {r->lastColumn + 1, r->lastColumn + r->columns(), r->firstElement, r->lastElement});
}

void TimelineCommands::remove()
{
    if (const auto r = selection())
        apply(model::deleteColumns(mForm.Document, mForm.Document.CurrentGlowshow, r->firstColumn, r->lastColumn),
              ADeleteFrames, {r->firstColumn, r->firstColumn, r->firstElement, r->firstElement});
}

void TimelineCommands::moveLeft()
{
    if (const auto r = selection())
        apply(model::moveColumns(mForm.Document, mForm.Document.CurrentGlowshow, r->firstColumn, r->lastColumn, -1),
              AMoveFramesLeft, {r->firstColumn - 1, r->lastColumn - 1, r->firstElement, r->lastElement});
}

void TimelineCommands::moveRight()
{
    if (const auto r = selection())
        apply(model::moveColumns(mForm.Document, mForm.Document.CurrentGlowshow, r->firstColumn, r->lastColumn, 1),
              AMoveFramesRight, {r->firstColumn + 1, r->lastColumn + 1, r->firstElement, r->lastElement});
}

void TimelineCommands::copy()
{
    const auto r = selection();
    const model::TGlowshow *g = mForm.Document.current();
    if (r && g)
        QApplication::clipboard()->setMimeData(clipMimeData(model::copyClip(*g, *r)));
}

void TimelineCommands::cut()
{
    copy();
    if (const auto r = selection())
        apply(model::clearRange(mForm.Document, mForm.Document.CurrentGlowshow, *r), ACut, *r);
}

void TimelineCommands::paste()
{
    const std::optional<model::Clip> clip = clipFromMimeData(QApplication::clipboard()->mimeData());
    if (!clip) {
        QMessageBox::warning(&mForm, QString::fromLatin1(ApplicationTitle), mForm.uiText("PasteRefused"));
        return;
    }
    const auto r = selection();
    const int glowshow = mForm.Document.CurrentGlowshow;
    const int column = r ? r->firstColumn : 0;
    if (clip->wholeColumns && r && mForm.mEdit->EditGrid->wholeColumns()) {
        apply(model::pasteColumns(mForm.Document, glowshow, *clip, r->firstColumn, r->lastColumn), APaste,
              {column, column + clip->columns - 1, 1, 6});
        return;
    }
    const auto element = std::uint8_t(clip->wholeColumns || !r ? 1 : r->firstElement);
    const auto last = std::uint8_t(std::min(element + clip->rows - 1, 6));
    apply(model::pasteCells(mForm.Document, glowshow, *clip, column, element), APaste,
          {column, std::min(column + clip->columns - 1, model::MaxCount - 1), element, last});
}

void TimelineCommands::fill()
{
    const auto r = selection();
    const model::TGlowshow *g = mForm.Document.current();
    model::Colour colour;
    const QModelIndex current = mForm.mEdit->EditGrid->currentIndex();
    if (r && g && model::cellColour(*g, current.column(), std::uint8_t(current.row() + 1), colour))
        apply(model::fillRange(mForm.Document, mForm.Document.CurrentGlowshow, *r, colour), AFillRange, *r);
}

void TimelineCommands::fade()
{
    model::OnOffElements onOff{};
    for (int e = 1; e <= 6; ++e)
        onOff[std::size_t(e - 1)] = mForm.CurrentProfile.ElementColors[e] >= 0;
    if (const auto r = selection())
        apply(model::fadeRange(mForm.Document, mForm.Document.CurrentGlowshow, *r, onOff), AFadeRange, *r);
}

void TimelineCommands::setDurations()
{
    const auto r = selection();
    if (!r)
        return;
    QDialog dialog(&mForm);
    dialog.setObjectName(QStringLiteral("DurationsDialog"));
    dialog.setWindowTitle(dialogStepName(ASetDurations));
    auto *layout = new QVBoxLayout(&dialog);
    auto *each = new QRadioButton(mForm.uiText("DurationEach"));
    auto *total = new QRadioButton(mForm.uiText("DurationTotal"));
    each->setObjectName(QStringLiteral("DurationEach"));
    total->setObjectName(QStringLiteral("DurationTotal"));
    each->setChecked(true);
    auto *value = new QSpinBox;
    value->setObjectName(QStringLiteral("DurationValue"));
    value->setRange(0, 65535 * model::MaxCount);
    value->setSingleStep(100);
    const auto &frames = mForm.Document.current()->Frames;
    value->setValue(std::size_t(r->firstColumn) < frames.size() ? frames[std::size_t(r->firstColumn)].Duration : 0);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    for (QWidget *w : {static_cast<QWidget *>(each), static_cast<QWidget *>(total), static_cast<QWidget *>(value),
                       static_cast<QWidget *>(buttons)})
        layout->addWidget(w);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::vector<std::uint16_t> durations =
        each->isChecked()
            ? std::vector<std::uint16_t>(std::size_t(r->columns()), std::uint16_t(std::min(value->value(), 65535)))
            : model::spreadDuration(value->value(), r->columns());
    if (durations.empty()) {
        QMessageBox::warning(&mForm, QString::fromLatin1(ApplicationTitle), mForm.uiText("DurationTooLong"));
        return;
    }
    apply(model::setDurations(mForm.Document, mForm.Document.CurrentGlowshow, r->firstColumn, r->lastColumn, durations),
          ASetDurations, *r);
}

} // namespace editor
