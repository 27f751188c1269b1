// The glowshow list, the properties of the selected glowshow and the frame count.
#include "Unit1.h"

#include "GridWidgets.h"
#include "PreviewPage.h"
#include "profiles/IniFile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>
#include <array>

namespace editor {

namespace {

// The identifiers ComboBox4 offers, in its order.
constexpr std::array<std::uint8_t, 23> GlowshowIds{1,  2,  3,  4,  5,  6,   7,   8,   9,   10,  11, 12,
                                                   13, 14, 15, 16, 17, 128, 138, 148, 149, 150, 158};

// The first line equal to `text` without regard to case, or -1.
int findLabel(const QStringList &lines, const QString &text)
{
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

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

// Gives the lines their new texts; the lines and the selection stay.
void relabel(QListWidget *list, const QStringList &texts)
{
    for (int i = 0; i < list->count() && i < texts.size(); ++i)
        list->item(i)->setText(texts[i]);
}

} // namespace

void TMForm::relabelLists()
{
    if (!DocumentLoaded)
        return;
    const ListLabels labels = listLabels(Document, CurrentProfile, ProgramDir);
    const QSignalBlocker b1(ListBox1), b4(ComboBox4);
    relabel(ListBox1, labels.all);
    mPreview->relabel(labels.normal);
    for (int i = 0; i < ComboBox4->count() && i < labels.ids.size(); ++i)
        ComboBox4->setItemText(i, labels.ids[i]);
}

void TMForm::selectListRow(QListWidget *list, int row)
{
    const QSignalBlocker block(list);
    list->setCurrentRow(row < list->count() ? row : -1);
}

void TMForm::AUpdateList()
{
    const ListLabels labels = listLabels(Document, CurrentProfile, ProgramDir);
    const int remembered = ListBox1->currentRow();
    {
        const QSignalBlocker b1(ListBox1), b4(ComboBox4);
        ListBox1->clear();
        ComboBox4->clear();
        ListBox1->addItems(labels.all);
        ComboBox4->addItems(labels.ids);
        ComboBox4->setCurrentIndex(-1);
    }
    mPreview->setGlowshows(labels.normal, labels.normalGlowshows);
    selectListRow(ListBox1, remembered >= 0 ? remembered : 0);

    UpdatingControls = true;
    ListBox1Click();
    UpdatingControls = false;
    mPreview->setPlayEnabled(false);
    Button8->setEnabled(ListBox1->count() > 1);
    updateAddCommands();
}

void TMForm::ListBox1Click()
{
    const int row = ListBox1->currentRow();
    if (row < 0)
        return;
    if (!UpdatingControls)
        mPreview->selectGlowshow(row);
    execute(AUpdateGlowshowAction);
}

void TMForm::showNoGlowshow()
{
    SpinEdit5->setEnabled(false);
    CheckBox1->setEnabled(false);
    SpinEdit1->setEnabled(false);
    for (QAction *a : {AGlowCopyAction, ADelGlowAction, AGlowMoveUpAction, AGlowMoveDownAction})
        a->setEnabled(false);
    setGridColumns(0);
    PageControl2->setTabVisible(PageControl2->indexOf(TabSheet1), false);
    PageControl2->setTabVisible(PageControl2->indexOf(TabSheet2), false);
    updateExportCommands();
}

void TMForm::AUpdateGlowshow()
{
    scheduleLiveView();
    const bool outsideUpdate = !UpdatingControls;
    const int row = ListBox1->currentRow();
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
    if (outsideUpdate)
        PageControl2->setCurrentIndex(0);
    PageControl2->setTabVisible(PageControl2->indexOf(TabSheet1), false);
    PageControl2->setTabVisible(PageControl2->indexOf(TabSheet2), false);
    // No cell is current until the user selects one again; the grid must not keep one
    // either, or choosing the same position in this glowshow would not select it.
    forgetCurrentCell();
    EditGrid->viewport()->update();
    updateExportCommands();
    scheduleLiveView();
}

void TMForm::showGlowshowProperties()
{
    const int row = Document.CurrentGlowshow;
    const model::TGlowshow *g = Document.current();
    if (!g || row >= ListBox1->count())
        return;
    const bool normal = g->Kind == model::KindNormal;
    const bool rhythm = g->Kind == model::KindRhythm;

    SpinEdit5->setEnabled(true);
    AGlowCopyAction->setEnabled(true);
    AClearAllFramesAction->setEnabled(normal);
    ACopyAllFramesAction->setEnabled(normal);
    ADelAllFramesAction->setEnabled(normal);
    ADelGlowAction->setEnabled(true);
    AGlowMoveDownAction->setEnabled(row < int(Document.Glowshows.size()) - 1);
    AGlowMoveUpAction->setEnabled(row > 0);
    updateAddCommands();

    QString line = ListBox1->item(row)->text();
    const QString suffix = QString::fromStdString(CurrentProfile.RhythmSuffix);
    if (!suffix.isEmpty()) {
        const int at = line.indexOf(suffix);
        if (at >= 0)
            line.remove(at > 0 && line.at(at - 1) == QLatin1Char(' ') ? at - 1 : at,
                        at > 0 && line.at(at - 1) == QLatin1Char(' ') ? suffix.size() + 1 : suffix.size());
    }
    QStringList ids;
    for (int i = 0; i < ComboBox4->count(); ++i)
        ids << ComboBox4->itemText(i);

    const QSignalBlocker b4(ComboBox4), r1(RadioButton1), r2(RadioButton2), c1(CheckBox1), s5(SpinEdit5), s1(SpinEdit1);
    ComboBox4->setCurrentIndex(findLabel(ids, line));
    CheckBox1->setEnabled(normal);
    if (normal)
        RadioButton1->setChecked(true);
    else if (rhythm)
        RadioButton2->setChecked(true);
    else {
        // Neither kind: show no kind at all.
        RadioButton1->setAutoExclusive(false);
        RadioButton2->setAutoExclusive(false);
        RadioButton1->setChecked(false);
        RadioButton2->setChecked(false);
        RadioButton1->setAutoExclusive(true);
        RadioButton2->setAutoExclusive(true);
    }
    CheckBox1->setChecked(g->Repeating != 0);
    SpinEdit5->setValue(std::clamp<int>(model::columnCount(*g), 1, 255));
    SpinEdit1->setEnabled(g->Repeating != 0);
    SpinEdit1->setValue(g->Repeating ? g->RepeatDuration : 0);
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

void TMForm::ComboBox4Change()
{
    model::TGlowshow *g = Document.current();
    const int index = ComboBox4->currentIndex();
    if (!g || index < 0 || index >= int(GlowshowIds.size()))
        return;
    if (g->Id != GlowshowIds[std::size_t(index)])
        pushEdit(
            model::SetGlowshowValue<&model::TGlowshow::Id>{Document.CurrentGlowshow, GlowshowIds[std::size_t(index)]},
            uiText("StepIdentifier"));
}

void TMForm::RadioButton1Click()
{
    if (model::TGlowshow *g = Document.current(); g && RadioButton1->isChecked() && g->Kind != model::KindNormal)
        pushEdit(model::SetGlowshowValue<&model::TGlowshow::Kind>{Document.CurrentGlowshow, model::KindNormal},
                 uiText("StepKind"));
}

void TMForm::RadioButton2Click()
{
    if (model::TGlowshow *g = Document.current(); g && RadioButton2->isChecked() && g->Kind != model::KindRhythm)
        pushEdit(model::SetGlowshowValue<&model::TGlowshow::Kind>{Document.CurrentGlowshow, model::KindRhythm},
                 uiText("StepKind"));
}

void TMForm::SpinEdit5Change()
{
    const model::TGlowshow *g = Document.current();
    if (!g || (g->Kind != model::KindNormal && g->Kind != model::KindRhythm))
        return;
    const auto v = std::uint8_t(std::clamp(SpinEdit5->value(), 1, 255));
    if (model::SetColumnCount count(Document.CurrentGlowshow, v); count.changes(Document))
        pushEdit(std::move(count), uiText("StepFrameCount"));
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
    PageControl2->setTabVisible(PageControl2->indexOf(TabSheet2), false);
}

void TMForm::CheckBox1Click()
{
    if (model::TGlowshow *g = Document.current()) {
        const std::uint8_t checked = CheckBox1->isChecked() ? 1 : 0;
        if (g->Repeating != checked && g->Kind == model::KindNormal)
            pushEdit(model::SetGlowshowValue<&model::TGlowshow::Repeating>{Document.CurrentGlowshow, checked},
                     uiText("StepRepeat"));
    }
}

void TMForm::SpinEdit1Change()
{
    const auto duration = std::uint16_t(SpinEdit1->value());
    if (model::TGlowshow *g = Document.current(); g && g->RepeatDuration != duration)
        pushEdit(model::SetGlowshowValue<&model::TGlowshow::RepeatDuration>{Document.CurrentGlowshow, duration},
                 uiText("StepRepeatDuration"), MergeRepeatDuration);
}

template <auto Field> void TMForm::pushFrequency(std::uint16_t frequency, MergeId mergeId)
{
    const model::TGlowshow *g = Document.current();
    const std::uint8_t channel = Document.FindEntry(Document.CurrentElement, 0);
    if (g && g->Kind == model::KindRhythm && channel < g->Channels.size() && g->Channels[channel].*Field != frequency)
        pushEdit(model::SetChannelValue<Field>{Document.CurrentGlowshow, Document.CurrentElement, frequency},
                 uiText("StepFrequency"), mergeId);
}

void TMForm::SpinEdit3Change()
{
    pushFrequency<&model::TClubFrame::UpperFrequency>(std::uint16_t(SpinEdit3->value()), MergeUpperFrequency);
}

void TMForm::SpinEdit4Change()
{
    pushFrequency<&model::TClubFrame::LowerFrequency>(std::uint16_t(SpinEdit4->value()), MergeLowerFrequency);
}

} // namespace editor
