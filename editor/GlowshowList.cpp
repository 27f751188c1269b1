// Filling the glowshow lists in the chosen language, and showing the glowshow chosen in one of
// them, or a place a command points at, on the editing page.
#include "Unit1.h"

#include "EditPage.h"
#include "GlowshowIds.h"
#include "GlowshowPage.h"
#include "GridWidgets.h"
#include "PreviewPage.h"
#include "profiles/IniFile.h"

#include <algorithm>

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
    mEdit->glowshows->setLines(labels.all, labels.ids, true);
    mPreview->relabel(labels.normal);
}

void TMForm::AUpdateList()
{
    const ListLabels labels = listLabels(Document, CurrentProfile, ProgramDir);
    mEdit->glowshows->setLines(labels.all, labels.ids);
    mPreview->setGlowshows(labels.normal, labels.normalGlowshows);
    showChosenGlowshow(false);
    mPreview->setPlayEnabled(false);
    updateAddCommands();
}

void TMForm::showChosenGlowshow(bool chosenByUser)
{
    const int row = mEdit->glowshows->selectedLine();
    if (row < 0)
        return;
    if (chosenByUser)
        mPreview->selectGlowshow(row);
    mEdit->showSelectedGlowshow(chosenByUser);
}

void TMForm::showPlace(const model::EditPlace &place)
{
    // The views have followed any change already; this only brings the place into sight.
    const int count = int(Document.Glowshows.size());
    const int row =
        std::clamp(place.glowshow >= 0 ? place.glowshow : int(Document.CurrentGlowshow), 0, std::max(count - 1, 0));
    Document.CurrentGlowshow = std::uint8_t(row);
    mEdit->glowshows->selectLine(row);
    showChosenGlowshow(false);
    const model::TGlowshow *g = Document.glowshow(row);
    if (g && place.element >= 1 && place.element <= ElementRows) {
        if (place.column >= 0 && place.column < model::columnCount(*g))
            mEdit->EditGrid->setCurrentIndex(mEdit->EditGrid->model()->index(place.element - 1, place.column));
        else
            mEdit->selectElement(place.element - 1, true);
    }
}

} // namespace editor
