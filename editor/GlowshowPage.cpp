#include "GlowshowPage.h"

#include "ActionLink.h"
#include "ControlText.h"
#include "EditorDocument.h"
#include "ErrorBox.h"
#include "GlowshowIds.h"
#include "profiles/Profile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace editor {

namespace {

// The first line equal to `text` without regard to case, or -1.
int findLabel(const QComboBox *box, const QString &text)
{
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// A rhythm glowshow's line carries the profile's suffix after its name.
QString withoutSuffix(QString line, const QString &suffix)
{
    if (suffix.isEmpty())
        return line;
    const qsizetype at = line.indexOf(suffix);
    if (at < 0)
        return line;
    const bool spaced = at > 0 && line.at(at - 1) == QLatin1Char(' ');
    return line.remove(spaced ? at - 1 : at, spaced ? suffix.size() + 1 : suffix.size());
}

} // namespace

GlowshowPage::GlowshowPage(EditorDocument &document, const profiles::TProfile &profile, TextOf text, CommandOf command)
    : mDocument(document), mProfile(profile), mText(std::move(text)), mCommand(std::move(command))
{
    setObjectName(QStringLiteral("TabSheet3"));
    createList();
    auto *grid = new QGridLayout(this);
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);

    Label7 = label("Label7", "Название:");
    ComboBox4 = named(new QComboBox, "ComboBox4");
    left->addWidget(Label7);
    left->addWidget(ComboBox4);

    GroupBox7 = group("GroupBox7", "Тип подсветки");
    auto *g7 = new QVBoxLayout(GroupBox7);
    RadioButton1 = named(new QRadioButton(QStringLiteral("Обычная")), "RadioButton1");
    RadioButton2 = named(new QRadioButton(QStringLiteral("Ритм-подсветка")), "RadioButton2");
    g7->addWidget(RadioButton1);
    g7->addWidget(RadioButton2);
    GroupBox7->setEnabled(false); // the kind is shown, not chosen
    left->addWidget(GroupBox7);

    GroupBox8 = group("GroupBox8", "Количество кадров");
    auto *g8 = new QVBoxLayout(GroupBox8);
    SpinEdit5 = spinEdit("SpinEdit5", 1, 255, 1);
    SpinEdit5->setEnabled(false);
    g8->addWidget(SpinEdit5);
    left->addWidget(GroupBox8);
    left->addStretch();

    CheckBox1 = named(new QCheckBox(QStringLiteral("Repeating")), "CheckBox1");
    CheckBox1->setEnabled(false);
    Label13 = label("Label13", "Длительность");
    SpinEdit1 = spinEdit("SpinEdit1", 0, 65535, 100);
    SpinEdit1->setEnabled(false);
    right->addWidget(CheckBox1);
    right->addWidget(Label13);
    right->addWidget(SpinEdit1);

    GroupBox5 = group("GroupBox5", "Управление");
    auto *g5 = new QVBoxLayout(GroupBox5);
    g5->setSpacing(2);
    Button5 = button("Button5");
    Button10 = button("Button10");
    Button8 = button("Button8");
    linkToAction(Button5, mCommand("AAddNewGlow"));
    linkToAction(Button10, mCommand("AGlowCopy"));
    // Button8 keeps its own enabled state too: deletion needs a second glowshow.
    Button8->setEnabled(false);
    QAction *del = mCommand("ADelGlow");
    connect(del, &QAction::changed, Button8, [this, del] { Button8->setText(del->text()); });
    connect(Button8, &QPushButton::clicked, del, &QAction::trigger);
    g5->addWidget(Button5);
    g5->addWidget(Button10);
    g5->addWidget(Button8);
    right->addWidget(GroupBox5);
    right->addStretch();
    connectHandlers();
}

void GlowshowPage::createList()
{
    mListPanel = new QWidget(this); // the window places it beside the pages
    auto *row = new QHBoxLayout(mListPanel);
    row->setContentsMargins(0, 0, 0, 0);
    ListBox1 = named(new QListWidget, "ListBox1");
    ListBox1->setFixedWidth(200);
    // One-line labels: selecting a row then measures one item, not all 255.
    ListBox1->setUniformItemSizes(true);
    Button11 = button("Button11");
    Button12 = button("Button12");
    QAction *up = mCommand("AGlowMoveUp");
    QAction *down = mCommand("AGlowMoveDown");
    linkToAction(Button11, up);
    linkToAction(Button12, down);
    for (QPushButton *b : {Button11, Button12})
        b->setFixedWidth(22);
    // The arrows are drawn by the buttons themselves; no language text replaces them.
    up->setText(QString(QChar(0x25B2)));
    down->setText(QString(QChar(0x25BC)));
    auto *arrows = new QVBoxLayout;
    arrows->addWidget(Button11);
    arrows->addWidget(Button12);
    arrows->addStretch();
    row->addWidget(ListBox1);
    row->addLayout(arrows);
}

// Spin edits, check boxes and radio buttons answer every real change of their value; code
// shows values through signal blockers.
void GlowshowPage::connectHandlers()
{
    auto guarded = [this](void (GlowshowPage::*handler)()) {
        return [this, handler] { runGuarded(this, [this, handler] { (this->*handler)(); }); };
    };
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            emit glowshowChosen(row);
    });
    connect(ComboBox4, &QComboBox::activated, this, guarded(&GlowshowPage::ComboBox4Change));
    for (auto [radio, kind] : {std::pair{RadioButton1, model::KindNormal}, std::pair{RadioButton2, model::KindRhythm}})
        connect(radio, &QRadioButton::toggled, this, [this, kind](bool on) {
            if (on)
                runGuarded(this, [this, kind] { kindChosen(kind); });
        });
    // Typing "12" must not first cut the glowshow to one frame: the count applies when the
    // typed number is complete (Enter or leaving the field), the arrows apply at once.
    SpinEdit5->setKeyboardTracking(false);
    connect(SpinEdit5, &QSpinBox::valueChanged, this, guarded(&GlowshowPage::SpinEdit5Change));
    // A glowshow without columns shows 1: confirming that 1 gives it its first column.
    connect(SpinEdit5, &QSpinBox::editingFinished, this, [this, run = guarded(&GlowshowPage::SpinEdit5Change)] {
        if (const model::TGlowshow *g = mDocument.content().current(); g && model::columnCount(*g) == 0)
            run();
    });
    connect(CheckBox1, &QCheckBox::toggled, this, guarded(&GlowshowPage::CheckBox1Click));
    connect(SpinEdit1, &QSpinBox::valueChanged, this, guarded(&GlowshowPage::SpinEdit1Change));
}

void GlowshowPage::setLines(const QStringList &glowshows, const QStringList &ids, bool keepLines)
{
    const QSignalBlocker b1(ListBox1), b4(ComboBox4);
    if (keepLines) {
        for (int i = 0; i < ListBox1->count() && i < glowshows.size(); ++i)
            ListBox1->item(i)->setText(glowshows[i]);
        for (int i = 0; i < ComboBox4->count() && i < ids.size(); ++i)
            ComboBox4->setItemText(i, ids[i]);
        return;
    }
    const int remembered = ListBox1->currentRow();
    ListBox1->clear();
    ComboBox4->clear();
    ListBox1->addItems(glowshows);
    ComboBox4->addItems(ids);
    ComboBox4->setCurrentIndex(-1);
    selectLine(remembered >= 0 ? remembered : 0);
    Button8->setEnabled(ListBox1->count() > 1);
}

void GlowshowPage::selectLine(int line)
{
    const QSignalBlocker block(ListBox1);
    ListBox1->setCurrentRow(line < ListBox1->count() ? line : -1);
}

int GlowshowPage::selectedLine() const
{
    return ListBox1->currentRow();
}

void GlowshowPage::showNoGlowshow()
{
    SpinEdit5->setEnabled(false);
    CheckBox1->setEnabled(false);
    SpinEdit1->setEnabled(false);
}

void GlowshowPage::showFrameCount()
{
    if (const model::TGlowshow *g = mDocument.content().current()) {
        const QSignalBlocker block(SpinEdit5);
        SpinEdit5->setValue(std::clamp<int>(model::columnCount(*g), 1, 255));
    }
}

void GlowshowPage::showProperties()
{
    const int row = mDocument.content().CurrentGlowshow;
    const model::TGlowshow *g = mDocument.content().current();
    if (!g || row >= ListBox1->count())
        return;
    const bool normal = g->Kind == model::KindNormal;
    const bool rhythm = g->Kind == model::KindRhythm;
    SpinEdit5->setEnabled(true);

    const QString line = withoutSuffix(ListBox1->item(row)->text(), QString::fromStdString(mProfile.RhythmSuffix));
    const QSignalBlocker b4(ComboBox4), r1(RadioButton1), r2(RadioButton2), c1(CheckBox1), s5(SpinEdit5), s1(SpinEdit1);
    ComboBox4->setCurrentIndex(findLabel(ComboBox4, line));
    CheckBox1->setEnabled(normal);
    if (normal) {
        RadioButton1->setChecked(true);
    } else if (rhythm) {
        RadioButton2->setChecked(true);
    } else {
        // Neither kind: show no kind at all.
        for (QRadioButton *r : {RadioButton1, RadioButton2}) {
            r->setAutoExclusive(false);
            r->setChecked(false);
            r->setAutoExclusive(true);
        }
    }
    CheckBox1->setChecked(g->Repeating != 0);
    SpinEdit5->setValue(std::clamp<int>(model::columnCount(*g), 1, 255));
    SpinEdit1->setEnabled(g->Repeating != 0);
    SpinEdit1->setValue(g->Repeating ? g->RepeatDuration : 0);
}

void GlowshowPage::ComboBox4Change()
{
    const model::TGlowshow *g = mDocument.content().current();
    const int index = ComboBox4->currentIndex();
    if (!g || index < 0 || index >= int(GlowshowIds.size()))
        return;
    if (g->Id != GlowshowIds[std::size_t(index)])
        mDocument.push(model::SetGlowshowValue<&model::TGlowshow::Id>{mDocument.content().CurrentGlowshow,
                                                                      GlowshowIds[std::size_t(index)]},
                       mText("StepIdentifier"));
}

void GlowshowPage::kindChosen(std::uint8_t kind)
{
    const model::TGlowshow *g = mDocument.content().current();
    if (g && g->Kind != kind)
        mDocument.push(model::SetGlowshowValue<&model::TGlowshow::Kind>{mDocument.content().CurrentGlowshow, kind},
                       mText("StepKind"));
}

void GlowshowPage::SpinEdit5Change()
{
    const model::TGlowshow *g = mDocument.content().current();
    if (!g || (g->Kind != model::KindNormal && g->Kind != model::KindRhythm))
        return;
    const auto v = std::uint8_t(std::clamp(SpinEdit5->value(), 1, 255));
    if (model::SetColumnCount count(mDocument.content().CurrentGlowshow, v); count.changes(mDocument.content()))
        mDocument.push(std::move(count), mText("StepFrameCount"));
}

void GlowshowPage::CheckBox1Click()
{
    if (const model::TGlowshow *g = mDocument.content().current()) {
        const std::uint8_t checked = CheckBox1->isChecked() ? 1 : 0;
        if (g->Repeating != checked && g->Kind == model::KindNormal)
            mDocument.push(
                model::SetGlowshowValue<&model::TGlowshow::Repeating>{mDocument.content().CurrentGlowshow, checked},
                mText("StepRepeat"));
    }
}

void GlowshowPage::SpinEdit1Change()
{
    const auto duration = std::uint16_t(SpinEdit1->value());
    if (const model::TGlowshow *g = mDocument.content().current(); g && g->RepeatDuration != duration)
        mDocument.push(
            model::SetGlowshowValue<&model::TGlowshow::RepeatDuration>{mDocument.content().CurrentGlowshow, duration},
            mText("StepRepeatDuration"), MergeRepeatDuration);
}

// The current glowshow follows the one moved (the document keeps its position on it), and
// the list shows the change by itself.
void GlowshowPage::AGlowMoveDown()
{
    const model::TDocument &doc = mDocument.content();
    const int c = doc.CurrentGlowshow;
    if (mDocument.isLoaded() && c + 1 < int(doc.Glowshows.size()))
        mDocument.push(model::SwapGlowshows{c, c}, mText("StepMoveGlowshow"));
}

void GlowshowPage::AGlowMoveUp()
{
    const model::TDocument &doc = mDocument.content();
    const int c = doc.CurrentGlowshow;
    if (mDocument.isLoaded() && c >= 1 && c < int(doc.Glowshows.size()))
        mDocument.push(model::SwapGlowshows{c - 1, c}, mText("StepMoveGlowshow"));
}

void GlowshowPage::AGlowCopy()
{
    const model::TDocument &doc = mDocument.content();
    if (!mDocument.isLoaded() || !doc.canAddGlowshow() || !doc.current())
        return;
    model::TGlowshow copy;
    model::CopyGlowshow(*doc.current(), copy);
    mDocument.push(model::InsertGlowshow{int(doc.Glowshows.size()), std::move(copy)}, stepName(mCommand("AGlowCopy")));
}

void GlowshowPage::ADelGlow()
{
    const model::TDocument &doc = mDocument.content();
    const int n = int(doc.Glowshows.size());
    const int c = doc.CurrentGlowshow;
    // The document never becomes empty through deletion.
    if (mDocument.isLoaded() && n >= 2 && c < n)
        mDocument.push(model::removeGlowshow(c), stepName(mCommand("ADelGlow")));
}

} // namespace editor
