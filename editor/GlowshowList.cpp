// The glowshow list and the properties of the selected glowshow: what the window wires
// between the list, its pages and the grids.
#include "Unit1.h"

#include "GlowshowIds.h"
#include "GlowshowPage.h"
#include "GridWidgets.h"
#include "PreviewPage.h"
#include "SelectedFramePage.h"
#include "SlotOperationsPage.h"
#include "profiles/IniFile.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QTabWidget>

namespace editor {

namespace {

// The lines of ListBox1, ListBox2 and ComboBox4, named by the chosen profile in the chosen
// language.
struct ListLabels {
    QStringList all;
    QStringList normal;
    std::vector<int> normalGlowshows; // the glowshow of each line of `normal`
    QStringList ids;
};

ListLabels listLabels(const model::TDocument &doc, const profiles::TProfile &chosen, const QString &programDir)
{
    const profiles::IniFile profile = profiles::IniFile::load(
        profiles::profilePath(programDir.toStdString(), chosen.ProfileName, chosen.LanguageExt));
    ListLabels labels;
    const QString suffix = QString::fromStdString(chosen.RhythmSuffix);
    for (std::size_t i = 0; i < doc.Glowshows.size(); ++i) {
        const model::TGlowshow &g = doc.Glowshows[i];
        const QString label = QString::fromStdString(profiles::glowshowLabel(profile, g.Id));
        labels.all << (g.Kind == model::KindRhythm ? label + QLatin1Char(' ') + suffix : label);
        if (g.Kind == model::KindNormal) {
            labels.normal << label;
            labels.normalGlowshows.push_back(int(i));
        }
    }
    for (std::uint8_t id : GlowshowIds)
        labels.ids << QString::fromStdString(profiles::glowshowLabel(profile, id));
    return labels;
}

} // namespace

void TMForm::relabelLists()
{
    if (!mDocument.isLoaded())
        return;
    const ListLabels labels = listLabels(Document, CurrentProfile, ProgramDir);
    mGlowshows->setLines(labels.all, labels.ids, true);
    mPreview->relabel(labels.normal);
}

void TMForm::AUpdateList()
{
    const ListLabels labels = listLabels(Document, CurrentProfile, ProgramDir);
    mGlowshows->setLines(labels.all, labels.ids);
    mPreview->setGlowshows(labels.normal, labels.normalGlowshows);
    showChosenGlowshow(false);
    mPreview->setPlayEnabled(false);
    updateAddCommands();
}

void TMForm::showChosenGlowshow(bool chosenByUser)
{
    const int row = mGlowshows->selectedLine();
    if (row < 0)
        return;
    if (chosenByUser)
        mPreview->selectGlowshow(row);
    showSelectedGlowshow(chosenByUser);
}

void TMForm::showNoGlowshow()
{
    mGlowshows->showNoGlowshow();
    for (QAction *a : {AGlowCopyAction, ADelGlowAction, AGlowMoveUpAction, AGlowMoveDownAction})
        a->setEnabled(false);
    setGridColumns(0);
    PageControl2->setTabVisible(PageControl2->indexOf(mSlotOperations), false);
    PageControl2->setTabVisible(PageControl2->indexOf(mSelectedFrame), false);
    updateExportCommands();
}

void TMForm::AUpdateGlowshow()
{
    showSelectedGlowshow(true);
}

void TMForm::showSelectedGlowshow(bool turnToOptions)
{
    scheduleLiveView();
    const int row = mGlowshows->selectedLine();
    const model::TGlowshow *g = Document.glowshow(row);
    if (!g) {
        showNoGlowshow();
        return;
    }
    Document.CurrentGlowshow = std::uint8_t(row);
    showGlowshowProperties();
    // Showing is not editing: a glowshow without columns, or with channels of uneven step
    // counts, is shown as it is and changed only by an edit that needs it.
    setGridColumns(shownColumns(g));
    FrameGrid->fill();
    if (turnToOptions)
        PageControl2->setCurrentIndex(0);
    PageControl2->setTabVisible(PageControl2->indexOf(mSlotOperations), false);
    PageControl2->setTabVisible(PageControl2->indexOf(mSelectedFrame), false);
    // No cell is current until the user selects one again; the grid must not keep one
    // either, or choosing the same position in this glowshow would not select it.
    forgetCurrentCell();
    EditGrid->viewport()->update();
    updateExportCommands();
}

void TMForm::showGlowshowProperties()
{
    const int row = Document.CurrentGlowshow;
    const model::TGlowshow *g = Document.current();
    if (!g)
        return;
    const bool normal = g->Kind == model::KindNormal;
    AGlowCopyAction->setEnabled(true);
    AClearAllFramesAction->setEnabled(normal);
    ACopyAllFramesAction->setEnabled(normal);
    ADelAllFramesAction->setEnabled(normal);
    ADelGlowAction->setEnabled(true);
    AGlowMoveDownAction->setEnabled(row < int(Document.Glowshows.size()) - 1);
    AGlowMoveUpAction->setEnabled(row > 0);
    updateAddCommands();
    mGlowshows->showProperties();
}

void TMForm::forgetCurrentCell()
{
    {
        const QSignalBlocker block(EditGrid->selectionModel());
        EditGrid->selectionModel()->clear();
    }
    Document.SelectionEmpty = 1;
}

void TMForm::setGridColumns(int columns)
{
    EditGrid->setColumns(columns);
    FrameGrid->setColumns(columns);
}

void TMForm::dropStaleSelection()
{
    // A selected frame past the new count no longer exists: nothing may be read or written
    // through it.
    const model::TGlowshow *g = Document.current();
    if (g && Document.CurrentFrame < model::columnCount(*g))
        return;
    Document.CurrentEntry = model::NoEntry;
    Document.SelectionEmpty = 1;
    PageControl2->setTabVisible(PageControl2->indexOf(mSelectedFrame), false);
}

} // namespace editor
