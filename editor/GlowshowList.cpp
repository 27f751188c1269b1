// The glowshow list, the properties of the selected glowshow and the frame count.
#include "Unit1.h"

#include "GridWidgets.h"
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

#include <array>

namespace editor {

namespace {

// The identifiers ComboBox4 offers, in its order.
constexpr std::array<std::uint8_t, 23> GlowshowIds{1,  2,  3,  4,  5,  6,   7,   8,   9,   10,  11, 12,
                                                   13, 14, 15, 16, 17, 128, 138, 148, 149, 150, 158};

int findLineIgnoringCase(const QListWidget *list, const QString &text)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// The lines of ListBox1, ListBox2 and ComboBox4, named by the chosen profile in the chosen
// language.
struct ListLabels {
    QStringList all;
    QStringList normal;
    QStringList ids;
};

ListLabels listLabels(const model::TDocument &doc, const profiles::TProfile &chosen, const QString &programDir)
{
    const profiles::IniFile profile = profiles::IniFile::load(
        profiles::profilePath(programDir.toStdString(), chosen.ProfileName, chosen.LanguageExt));
    ListLabels labels;
    const QString suffix = QString::fromStdString(chosen.RhythmSuffix);
    for (const model::TGlowshow &g : doc.Glowshows) {
        const QString label = QString::fromStdString(profiles::glowshowLabel(profile, g.Id));
        labels.all << (g.Kind == model::KindRhythm ? label + QLatin1Char(' ') + suffix : label);
        if (g.Kind == model::KindNormal)
            labels.normal << label;
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
    const QSignalBlocker b1(ListBox1), b2(ListBox2), b4(ComboBox4);
    relabel(ListBox1, labels.all);
    relabel(ListBox2, labels.normal);
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
        const QSignalBlocker b1(ListBox1), b2(ListBox2), b4(ComboBox4);
        ListBox1->clear();
        ListBox2->clear();
        ComboBox4->clear();
        ListBox1->addItems(labels.all);
        ListBox2->addItems(labels.normal);
        ComboBox4->addItems(labels.ids);
        ComboBox4->setCurrentIndex(-1);
    }
    selectListRow(ListBox1, remembered >= 0 ? remembered : 0);
    selectListRow(ListBox2, -1);

    UpdatingControls = true;
    ListBox1Click();
    UpdatingControls = false;
    ListBox2Click();
    Button15->setEnabled(false);
    Button8->setEnabled(ListBox1->count() > 1);
    updateAddCommands();
}

void TMForm::ListBox1Click()
{
    const int row = ListBox1->currentRow();
    if (row < 0)
        return;
    if (!UpdatingControls) {
        selectListRow(ListBox2, findLineIgnoringCase(ListBox2, ListBox1->item(row)->text()));
        Button15->setEnabled(ListBox2->currentRow() >= 0);
    }
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
    const bool outsideUpdate = !UpdatingControls;
    const int row = ListBox1->currentRow();
    model::TGlowshow *g = Document.glowshow(row);
    if (!g) {
        showNoGlowshow();
        return;
    }
    Document.CurrentGlowshow = std::uint8_t(row);
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
    {
        const QSignalBlocker block(ComboBox4);
        int found = -1;
        for (int i = 0; i < ComboBox4->count() && found < 0; ++i)
            if (ComboBox4->itemText(i).compare(line, Qt::CaseInsensitive) == 0)
                found = i;
        ComboBox4->setCurrentIndex(found);
    }

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

    const int count = model::columnCount(*g);
    const int shown = std::clamp(count, 1, 255);
    if (SpinEdit5->value() != shown)
        SpinEdit5->setValue(shown); // runs SpinEdit5Change
    else if (count == 0)
        SpinEdit5Change(); // an empty glowshow gets its one frame even when 1 is shown already
    else
        setGridColumns(normal || rhythm ? count : 0);

    // The glowshow may have been replaced by the handlers above; look it up again.
    g = Document.glowshow(row);
    UpdatingControls = true;
    if (g && g->Repeating) {
        SpinEdit1->setEnabled(true);
        SpinEdit1->setValue(g->RepeatDuration);
    } else {
        SpinEdit1->setEnabled(false);
        SpinEdit1->setValue(0);
    }
    UpdatingControls = false;

    fillFrameGrid();
    if (outsideUpdate)
        PageControl2->setCurrentIndex(0);
    PageControl2->setTabVisible(PageControl2->indexOf(TabSheet1), false);
    PageControl2->setTabVisible(PageControl2->indexOf(TabSheet2), false);
    // No cell is current until the user selects one again; the grid must not keep one
    // either, or choosing the same position in this glowshow would not select it.
    forgetCurrentCell();
    EditGrid->viewport()->update();
    updateExportCommands();
}

void TMForm::fillFrameGrid()
{
    const model::TGlowshow *g = Document.current();
    const QSignalBlocker block(FrameGrid);
    // Items are kept and only changed texts renewed: new items for all 510 cells on every
    // change of glowshow were most of the cost of a list rebuild.
    for (int c = 0; c < FrameGrid->columnCount(); ++c) {
        if (!FrameGrid->item(0, c)) {
            auto *number = new QTableWidgetItem(QString::number(c + 1));
            number->setFlags(Qt::ItemIsEnabled);
            number->setTextAlignment(Qt::AlignCenter);
            FrameGrid->setItem(0, c, number);
        }
        QString duration;
        if (g && g->Kind == model::KindNormal && c < int(g->Frames.size()))
            duration = QString::number(g->Frames[std::size_t(c)].Duration);
        if (QTableWidgetItem *item = FrameGrid->item(1, c)) {
            if (item->text() != duration)
                item->setText(duration);
        } else {
            FrameGrid->setItem(1, c, new QTableWidgetItem(duration));
        }
    }
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
    // Removing the current cell's column would make the view pick a neighbouring cell, and
    // select a frame the user never chose: forget the cell instead.
    if (const QModelIndex current = EditGrid->currentIndex(); current.isValid() && current.column() >= columns) {
        const QSignalBlocker block(EditGrid->selectionModel());
        EditGrid->selectionModel()->clear();
    }
    EditGrid->setColumns(columns);
    FrameGrid->setColumnCount(columns);
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
    execute(AUpdateListAction);
    execute(AUpdateGlowshowAction);
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
    model::TGlowshow *g = Document.current();
    if (!g)
        return;
    const auto v = std::uint8_t(std::clamp(SpinEdit5->value(), 1, 255));
    if (g->Kind == model::KindNormal || g->Kind == model::KindRhythm) {
        if (model::SetColumnCount count(Document.CurrentGlowshow, v); count.changes(Document))
            pushEdit(std::move(count), uiText("StepFrameCount"));
        g = Document.current();
        setGridColumns(g ? model::columnCount(*g) : 0);
    } else {
        setGridColumns(0); // a glowshow of another kind has no body to show
    }
    dropStaleSelection();
    fillFrameGrid();
    EditGrid->viewport()->update();
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
    SpinEdit1->setEnabled(CheckBox1->isChecked());
    if (model::TGlowshow *g = Document.current()) {
        const std::uint8_t checked = CheckBox1->isChecked() ? 1 : 0;
        if (g->Repeating != checked && g->Kind == model::KindNormal)
            pushEdit(model::SetGlowshowValue<&model::TGlowshow::Repeating>{Document.CurrentGlowshow, checked},
                     uiText("StepRepeat"));
    }
}

void TMForm::SpinEdit1Change()
{
    if (UpdatingControls)
        return;
    const auto duration = std::uint16_t(SpinEdit1->value());
    if (model::TGlowshow *g = Document.current(); g && g->RepeatDuration != duration)
        pushEdit(model::SetGlowshowValue<&model::TGlowshow::RepeatDuration>{Document.CurrentGlowshow, duration},
                 uiText("StepRepeatDuration"), MergeRepeatDuration);
}

template <auto Field> void TMForm::pushFrequency(std::uint16_t frequency, MergeId mergeId)
{
    if (UpdatingControls)
        return;
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
