#include "EditPage.h"

#include "EditorDocument.h"
#include "ErrorBox.h"
#include "GlowshowPage.h"
#include "GridWidgets.h"
#include "SelectedFramePage.h"
#include "SlotOperationsPage.h"
#include "preview/DXDraw.h"
#include "preview/Playback.h"
#include "preview/QtDrawingSurface.h"
#include "profiles/Profile.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace editor {

EditPage::EditPage(EditorDocument &document, const profiles::TProfile &profile, const settings::LanguageTexts &texts,
                   TextOf text, CommandOf command, std::function<bool(int)> hidden)
    : mDocument(document), mProfile(profile), mCommand(command), mHidden(std::move(hidden)),
      mLiveSurface(std::make_unique<preview::QtDrawingSurface>())
{
    setObjectName(QStringLiteral("Tab2"));
    glowshows = new GlowshowPage(document, profile, text, command);
    slotOperations = new SlotOperationsPage(document, text, command);
    selectedFrame = new SelectedFramePage(document, profile, text, command);

    auto *page = new QVBoxLayout(this);
    auto *upper = new QHBoxLayout;
    upper->addWidget(glowshows->listPanel());
    PageControl2 = named(new QTabWidget, "PageControl2");
    PageControl2->addTab(glowshows, QStringLiteral("Glowshow options"));
    PageControl2->addTab(slotOperations, QStringLiteral("Slot operations"));
    PageControl2->addTab(selectedFrame, QStringLiteral("Selected frame"));
    upper->addWidget(PageControl2, 1);
    // Height to spare goes to the grids.
    page->addLayout(upper);
    // The device view beside the grids: the row grows with the window until the view is 1x.
    auto *gridRow = new QHBoxLayout;
    auto *gridColumn = new QVBoxLayout;
    createGrids(gridColumn, texts);
    gridRow->addLayout(gridColumn, 1);
    LiveView = named(new preview::DXDraw(mLiveSurface.get()), "LiveView");
    LiveView->setWholeMultiples(false);
    gridRow->addWidget(LiveView);
    page->addLayout(gridRow, 1);
    connectDocument();
}

EditPage::~EditPage() = default;

void EditPage::createGrids(QBoxLayout *page, const settings::LanguageTexts &texts)
{
    auto *grids = new QGridLayout;
    grids->setSpacing(0);
    Label6 = label("Label6", "");
    Label5 = label("Label5", "");
    auto *captions = new QVBoxLayout;
    captions->setSpacing(0);
    captions->setContentsMargins(0, 0, 4, 0); // the captions must not touch FrameGrid
    for (QLabel *l : {Label6, Label5}) {
        l->setFixedHeight(GridRowHeight + 1);
        captions->addWidget(l);
    }
    EditGrid = named(new EditGridView(mDocument, mProfile, texts, mHidden), "EditGrid");
    FrameGrid = named(new FrameGridView(mDocument, *EditGrid, texts), "FrameGrid");
    FrameGrid->setDurationMergeId(MergeDuration);
    SlotGrid = named(new SlotGridView(*EditGrid), "SlotGrid");

    grids->addLayout(captions, 0, 0);
    grids->addWidget(FrameGrid, 0, 1);
    // Beside its rows of EditGrid even where the captions above make the column wider.
    grids->addWidget(SlotGrid, 1, 0, Qt::AlignTop | Qt::AlignRight);
    grids->addWidget(EditGrid, 1, 1);
    grids->setColumnStretch(1, 1);
    page->addLayout(grids);
}

// Selecting a cell or an element shows it on the pages; a change of the current glowshow's
// cells or columns shows them again.
void EditPage::connectDocument()
{
    auto guarded = [this](auto show) {
        return [this, show](auto... arguments) { runGuarded(this, [&] { show(arguments...); }); };
    };
    auto current = [this](int glowshow) { return glowshow == mDocument.content().CurrentGlowshow; };
    connect(EditGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            guarded([this](const QModelIndex &cell, const QModelIndex &) {
                selectCell(cell.isValid() ? cell.column() : -1, cell.isValid() ? cell.row() : -1);
            }));
    connect(SlotGrid, &QTableWidget::currentCellChanged, this, guarded([this](int row, int, int, int) {
                if (row >= 0)
                    selectElement(row, true);
            }));
    connect(&mDocument, &EditorDocument::cellsChanged, this, guarded([this, current](int g, int first, int last) {
        if (current(g))
            showCells(first, last);
    }));
    connect(&mDocument, &EditorDocument::columnsChanged, this, guarded([this, current](int g) {
        if (current(g))
            showColumns();
    }));

    // The device view shows the current column of the current glowshow.
    for (auto signal : {&EditorDocument::columnsChanged, &EditorDocument::glowshowChanged})
        connect(&mDocument, signal, this, [this](int) { scheduleLiveView(); });
    connect(&mDocument, &EditorDocument::cellsChanged, this, [this] { scheduleLiveView(); });
    connect(EditGrid->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { scheduleLiveView(); });
}

void EditPage::setTabVisible(QWidget *page, bool visible)
{
    PageControl2->setTabVisible(PageControl2->indexOf(page), visible);
}

void EditPage::showSelectedGlowshow(bool turnToOptions)
{
    scheduleLiveView();
    model::TDocument &doc = mDocument.position();
    const int row = glowshows->selectedLine();
    const model::TGlowshow *g = doc.glowshow(row);
    if (!g) {
        showNoGlowshow();
        return;
    }
    doc.CurrentGlowshow = std::uint8_t(row);
    showGlowshowProperties();
    // Showing is not editing: a glowshow without columns, or with channels of uneven step
    // counts, is shown as it is and changed only by an edit that needs it.
    setGridColumns(shownColumns(g));
    FrameGrid->fill();
    if (turnToOptions)
        PageControl2->setCurrentIndex(0);
    setTabVisible(slotOperations, false);
    setTabVisible(selectedFrame, false);
    // No cell is current until the user selects one again; the grid must not keep one
    // either, or choosing the same position in this glowshow would not select it.
    forgetCurrentCell();
    EditGrid->viewport()->update();
    emit glowshowShown();
}

void EditPage::showNoGlowshow()
{
    glowshows->showNoGlowshow();
    for (const char *name : {"AGlowCopy", "ADelGlow", "AGlowMoveUp", "AGlowMoveDown"})
        mCommand(name)->setEnabled(false);
    setGridColumns(0);
    setTabVisible(slotOperations, false);
    setTabVisible(selectedFrame, false);
    emit glowshowShown();
}

void EditPage::showGlowshowProperties()
{
    const model::TDocument &doc = mDocument.content();
    const model::TGlowshow *g = doc.current();
    if (!g)
        return;
    const int row = doc.CurrentGlowshow;
    const bool normal = g->Kind == model::KindNormal;
    for (const char *name : {"AGlowCopy", "ADelGlow"})
        mCommand(name)->setEnabled(true);
    for (const char *name : {"AClearAllFrames", "ACopyAllFrames", "ADelAllFrames"})
        mCommand(name)->setEnabled(normal);
    mCommand("AGlowMoveDown")->setEnabled(row < int(doc.Glowshows.size()) - 1);
    mCommand("AGlowMoveUp")->setEnabled(row > 0);
    glowshows->showProperties();
    emit glowshowShown();
}

void EditPage::showColumns()
{
    if (!mDocument.content().current())
        return;
    glowshows->showFrameCount();
    dropStaleSelection();
    showCurrentCell();
}

void EditPage::showCells(int firstColumn, int lastColumn)
{
    const QModelIndex current = EditGrid->currentIndex();
    if (current.isValid() && current.column() >= firstColumn && current.column() <= lastColumn)
        showCurrentCell();
}

void EditPage::showCurrentCell()
{
    // Selecting the cell or element again reads it anew; the user stays on the page they are on.
    const int page = PageControl2->currentIndex();
    const QModelIndex current = EditGrid->currentIndex();
    if (current.isValid() && PageControl2->isTabVisible(PageControl2->indexOf(selectedFrame)))
        selectCell(current.column(), current.row());
    else if (PageControl2->isTabVisible(PageControl2->indexOf(slotOperations)))
        selectElement(mDocument.content().CurrentElement - 1, false);
    else
        return;
    if (PageControl2->isTabVisible(page))
        PageControl2->setCurrentIndex(page);
}

void EditPage::selectCell(int column, int row)
{
    model::TDocument &doc = mDocument.position();
    if (!mDocument.isLoaded() || column < 0 || row < 0 || row >= ElementRows || mHidden(row + 1)) {
        setTabVisible(selectedFrame, false);
        doc.SelectionEmpty = 1;
        return;
    }
    setTabVisible(slotOperations, true);
    setTabVisible(selectedFrame, true);
    selectElement(row, false);
    PageControl2->setCurrentWidget(selectedFrame);

    doc.CurrentFrame = std::uint8_t(std::min(column, 255));
    doc.CurrentEntry = doc.FindEntry(std::uint8_t(row + 1), doc.CurrentFrame);
    // A position the arrays do not hold is treated as no entry.
    const model::TGlowshow *g = doc.current();
    if (doc.CurrentEntry != model::NoEntry && g &&
        !(g->Kind == model::KindNormal ? doc.entryAt(doc.CurrentFrame, doc.CurrentEntry) != nullptr
                                       : doc.stepAt(doc.CurrentEntry, doc.CurrentFrame) != nullptr))
        doc.CurrentEntry = model::NoEntry;

    mCommand("AAddNewFrame")->setEnabled(false);
    if (doc.CurrentEntry != model::NoEntry)
        selectedFrame->showEntry();
    else
        selectedFrame->showNoEntry();
}

void EditPage::selectElement(int row, bool bringForward)
{
    if (!mDocument.isLoaded() || row < 0 || row >= ElementRows)
        return;
    setTabVisible(slotOperations, true);
    if (bringForward)
        PageControl2->setCurrentWidget(slotOperations);
    slotOperations->showElement(row);
}

void EditPage::forgetCurrentCell()
{
    {
        const QSignalBlocker block(EditGrid->selectionModel());
        EditGrid->selectionModel()->clear();
    }
    mDocument.position().SelectionEmpty = 1;
}

void EditPage::setGridColumns(int columns)
{
    EditGrid->setColumns(columns);
    FrameGrid->setColumns(columns);
}

void EditPage::dropStaleSelection()
{
    // A selected frame past the new count no longer exists: nothing may be read or written
    // through it.
    model::TDocument &doc = mDocument.position();
    const model::TGlowshow *g = doc.current();
    if (g && doc.CurrentFrame < model::columnCount(*g))
        return;
    doc.CurrentEntry = model::NoEntry;
    doc.SelectionEmpty = 1;
    setTabVisible(selectedFrame, false);
}

void EditPage::scheduleLiveView()
{
    // Many changes in one round of the event loop (a drag, a macro) draw the view once.
    if (mLiveViewPending)
        return;
    mLiveViewPending = true;
    QTimer::singleShot(0, this, [this] {
        mLiveViewPending = false;
        runGuarded(this, [this] { updateLiveView(); });
    });
}

void EditPage::updateLiveView()
{
    const model::TDocument &doc = mDocument.content();
    const model::TGlowshow *g = mDocument.isLoaded() && glowshows->selectedLine() >= 0 ? doc.current() : nullptr;
    const bool shown = g && g->Kind == model::KindNormal;
    LiveView->setVisible(shown);
    if (!shown)
        return;
    const int column = std::max(EditGrid->currentIndex().column(), 0);
    try {
        preview::drawGlowshowFrame(*mLiveSurface, mProfile, *g, std::size_t(column));
    } catch (const std::exception &) {
        // As in playback, a skin that cannot be drawn keeps the last picture without a message.
    }
}

} // namespace editor
