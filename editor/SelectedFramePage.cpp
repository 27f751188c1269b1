#include "SelectedFramePage.h"

#include "ActionLink.h"
#include "ControlText.h"
#include "EditorDocument.h"
#include "ErrorBox.h"
#include "model/Clip.h"
#include "model/FrameOperations.h"
#include "profiles/Profile.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace editor {

namespace {

QSlider *colourTrackBar(const char *name)
{
    auto *t = named(new QSlider(Qt::Vertical), name);
    t->setRange(0, 15);
    t->setTickInterval(2);
    t->setTickPosition(QSlider::TicksRight);
    // Position 0, the value 15, is at the top, and the up keys move towards it, as on
    // TrackBar4; a vertical slider of its own puts its minimum at the bottom.
    t->setInvertedAppearance(true);
    t->setInvertedControls(true);
    t->setFocusPolicy(Qt::StrongFocus); // a colour can be set without a mouse
    t->setValue(15);
    return t;
}

QLineEdit *valueEdit(const char *name)
{
    auto *e = named(new QLineEdit(QStringLiteral("0")), name);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignCenter);
    e->setMaximumWidth(32);
    return e;
}

// Position 0 is the top of a track bar and means the value 15.
int valueOf(const QSlider *trackBar)
{
    return 15 - trackBar->value();
}

} // namespace

SelectedFramePage::SelectedFramePage(EditorDocument &document, const profiles::TProfile &profile, TextOf text,
                                     CommandOf command)
    : mDocument(document), mProfile(profile), mText(std::move(text)), mCommand(std::move(command))
{
    setObjectName(QStringLiteral("TabSheet2"));
    auto *row = new QHBoxLayout(this);
    createColourBox();

    GroupBox9 = group("GroupBox9", "Настройка");
    auto *g9 = new QVBoxLayout(GroupBox9);
    Button6 = button("Button6");
    linkToAction(Button6, mCommand("AMakeOn_Off"));
    g9->addWidget(Button6);
    g9->addStretch();
    GroupBox9->hide();

    auto *right = new QVBoxLayout;
    GroupBox3 = group("GroupBox3", "Параметр ритм-подсветки");
    auto *g3 = new QVBoxLayout(GroupBox3);
    SpinEdit2 = spinEdit("SpinEdit2", 0, 255, 5);
    SpinEdit2->setEnabled(false);
    g3->addWidget(SpinEdit2);
    Button1 = button("Button1");
    Button3 = button("Button3");
    linkToAction(Button1, mCommand("AAddNewFrame"));
    linkToAction(Button3, mCommand("ADelFrame"));
    right->addWidget(GroupBox3);
    right->addWidget(Button1);
    right->addWidget(Button3);
    right->addStretch();

    // The two boxes share one place, and keep it while hidden, so selecting another cell
    // never moves the buttons beside them.
    auto *boxes = new QGridLayout;
    for (QGroupBox *box : {GroupBox6, GroupBox9}) {
        QSizePolicy policy = box->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        box->setSizePolicy(policy);
        boxes->addWidget(box, 0, 0);
    }
    row->addLayout(boxes);
    row->addLayout(right, 1);

    auto guarded = [this](auto handler) { return [this, handler] { runGuarded(this, handler); }; };
    connect(TrackBar1, &QSlider::valueChanged, this,
            guarded([this] { trackBarChanged(TrackBar1, Edit2, &model::Colour::Red, MergeRed); }));
    connect(TrackBar2, &QSlider::valueChanged, this,
            guarded([this] { trackBarChanged(TrackBar2, Edit3, &model::Colour::Green, MergeGreen); }));
    connect(TrackBar3, &QSlider::valueChanged, this,
            guarded([this] { trackBarChanged(TrackBar3, Edit4, &model::Colour::Blue, MergeBlue); }));
    connect(SpinEdit2, &QSpinBox::valueChanged, this, guarded([this] { SpinEdit2Change(); }));
}

void SelectedFramePage::createColourBox()
{
    GroupBox6 = group("GroupBox6", "Настройка цвета");
    auto *g6 = new QGridLayout(GroupBox6);
    Label9 = label("Label9", "R");
    Label10 = label("Label10", "G");
    Label11 = label("Label11", "B");
    TrackBar1 = colourTrackBar("TrackBar1");
    TrackBar2 = colourTrackBar("TrackBar2");
    TrackBar3 = colourTrackBar("TrackBar3");
    Edit2 = valueEdit("Edit2");
    Edit3 = valueEdit("Edit3");
    Edit4 = valueEdit("Edit4");
    int column = 0;
    for (auto [l, t, e] : {std::tuple{Label9, TrackBar1, Edit2}, std::tuple{Label10, TrackBar2, Edit3},
                           std::tuple{Label11, TrackBar3, Edit4}}) {
        g6->addWidget(l, 0, column, Qt::AlignHCenter);
        g6->addWidget(t, 1, column, Qt::AlignHCenter);
        g6->addWidget(e, 2, column, Qt::AlignHCenter);
        ++column;
    }
    Label3 = label("Label3", "Предпросмотр");
    Shape1 = named(new QFrame, "Shape1");
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setFixedSize(64, 48);
    Shape1->setAutoFillBackground(true);
    Button2 = button("Button2");
    linkToAction(Button2, mCommand("AMakePrevCol"));
    g6->addWidget(Label3, 0, 3);
    g6->addWidget(Shape1, 1, 3, Qt::AlignTop);
    // Under the track bars and the preview: its caption is the longest of the page.
    g6->addWidget(Button2, 3, 0, 1, 4);
    createColourText(g6);
    GroupBox6->hide();
}

// The colour of the current cell as #RGB: shown while the track bars show it, and typed in as
// one step.
void SelectedFramePage::createColourText(QGridLayout *box)
{
    ColourTextLabel = label("ColourTextLabel", "");
    ColourText = named(new QLineEdit, "ColourText");
    ColourText->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("#?[0-9A-Fa-f]{3}")), ColourText));
    ColourText->setMaximumWidth(ColourText->fontMetrics().horizontalAdvance(QStringLiteral("#DDDD")) + 12);
    ColourTextLabel->setBuddy(ColourText);
    box->addWidget(ColourTextLabel, 4, 0, 1, 3);
    box->addWidget(ColourText, 4, 3);

    auto show = [this] {
        QString text = QStringLiteral("#");
        for (const QLineEdit *v : {Edit2, Edit3, Edit4})
            text += QString::number(std::clamp(v->text().toInt(), 0, 15), 16).toUpper();
        ColourText->setText(text);
    };
    for (QLineEdit *v : {Edit2, Edit3, Edit4})
        connect(v, &QLineEdit::textChanged, ColourText, show);
    show();
    connect(ColourText, &QLineEdit::editingFinished, this, [this, show] {
        runGuarded(this, [this] { colourTyped(); });
        show();
    });
}

void SelectedFramePage::colourTyped()
{
    QString typed = ColourText->text();
    if (!typed.startsWith(QLatin1Char('#')))
        typed.prepend(QLatin1Char('#'));
    const std::optional<model::Clip> clip = model::parseClipText(typed.toStdString());
    if (!clip || clip->cells.size() != 1 || !clip->cells[0].entry)
        return;
    pushCurrentCellColour(clip->cells[0].colour, mText("StepColour"));
    // Shows the stored colour on the track bars, the preview and the cell.
    if (mDocument.content().SelectionEmpty == 0)
        showEntry();
}

// Removing entries of another cell's element moves the later entries down, so a stored index
// can come to name another element's entry: that is no current entry.
const model::TFrameEntry *SelectedFramePage::currentFrameEntry() const
{
    const model::TDocument &doc = mDocument.content();
    const model::TFrameEntry *e = doc.entryAt(doc.CurrentFrame, doc.CurrentEntry);
    return e && e->Element == doc.CurrentElement ? e : nullptr;
}

const model::TClubStep *SelectedFramePage::currentStep() const
{
    const model::TDocument &doc = mDocument.content();
    const model::TGlowshow *g = doc.current();
    if (!g || g->Kind != model::KindRhythm || doc.CurrentEntry >= g->Channels.size() ||
        g->Channels[doc.CurrentEntry].Element != doc.CurrentElement)
        return nullptr;
    return doc.stepAt(doc.CurrentEntry, doc.CurrentFrame);
}

void SelectedFramePage::showEntry()
{
    mDocument.position().SelectionEmpty = 0;
    QAction *add = mCommand("AAddNewFrame");
    QAction *remove = mCommand("ADelFrame");
    add->setEnabled(false);
    remove->setEnabled(true);
    const model::TGlowshow *g = mDocument.content().current();
    if (!g)
        return;
    const bool rhythm = g->Kind == model::KindRhythm;
    const int element = mDocument.content().CurrentElement;
    const bool onOff = element >= 1 && element <= 6 && mProfile.ElementColors[element] >= 0;
    if (onOff) {
        GroupBox6->hide();
        GroupBox9->show();
    } else {
        GroupBox9->hide();
        GroupBox6->show();
        std::uint8_t red = 0, green = 0, blue = 0;
        if (const model::TFrameEntry *e = rhythm ? nullptr : currentFrameEntry())
            red = e->Red, green = e->Green, blue = e->Blue;
        if (const model::TClubStep *s = rhythm ? currentStep() : nullptr)
            red = s->Red, green = s->Green, blue = s->Blue;
        setTrackBarColour(red, green, blue);
    }
    updatePrevColourButton();
    remove->setEnabled(!rhythm);
    SpinEdit2->setEnabled(rhythm);
    if (const model::TClubStep *s = rhythm ? currentStep() : nullptr) {
        const QSignalBlocker block(SpinEdit2);
        SpinEdit2->setValue(s->Parameter);
    }
}

void SelectedFramePage::showNoEntry()
{
    mDocument.position().SelectionEmpty = 1;
    GroupBox9->hide();
    GroupBox6->hide();
    Button2->setEnabled(false);
    mCommand("AMakePrevCol")->setEnabled(false);
    SpinEdit2->setEnabled(false);
    mCommand("ADelFrame")->setEnabled(false);
    mCommand("AAddNewFrame")->setEnabled(true);
}

void SelectedFramePage::setTrackBarColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    {
        // Stored values may exceed 15 in a file; the track bars show them limited.
        const QSignalBlocker b1(TrackBar1), b2(TrackBar2), b3(TrackBar3);
        TrackBar1->setValue(15 - std::min<int>(red, 15));
        TrackBar2->setValue(15 - std::min<int>(green, 15));
        TrackBar3->setValue(15 - std::min<int>(blue, 15));
    }
    // Showing is not editing: the values go to the edits and the preview, not the document.
    Edit2->setText(QString::number(valueOf(TrackBar1)));
    Edit3->setText(QString::number(valueOf(TrackBar2)));
    Edit4->setText(QString::number(valueOf(TrackBar3)));
    showPreviewColour();
}

void SelectedFramePage::pushCurrentCellColour(const model::Colour &colour, const QString &text, int mergeId)
{
    const model::TDocument &doc = mDocument.content();
    const model::TGlowshow *g = doc.current();
    model::Colour stored;
    if (doc.SelectionEmpty != 0 || !g || (!currentFrameEntry() && !currentStep()) ||
        !model::cellColour(*g, doc.CurrentFrame, doc.CurrentElement, stored) || stored == colour)
        return;
    mDocument.push(model::SetCellColour{doc.CurrentGlowshow, doc.CurrentFrame, doc.CurrentElement, colour}, text,
                   mergeId);
}

void SelectedFramePage::trackBarChanged(QSlider *trackBar, QLineEdit *valueEdit, std::uint8_t model::Colour::*channel,
                                        int mergeId)
{
    const int v = valueOf(trackBar);
    valueEdit->setText(QString::number(v));
    const model::TDocument &doc = mDocument.content();
    const model::TGlowshow *g = doc.current();
    model::Colour colour;
    if (g && model::cellColour(*g, doc.CurrentFrame, doc.CurrentElement, colour)) {
        colour.*channel = std::uint8_t(v);
        pushCurrentCellColour(colour, mText("StepColour"), mergeId);
    }
    showPreviewColour();
}

void SelectedFramePage::showPreviewColour()
{
    const std::uint32_t c = model::ScreenColor(std::uint8_t(valueOf(TrackBar1)), std::uint8_t(valueOf(TrackBar2)),
                                               std::uint8_t(valueOf(TrackBar3)));
    QPalette palette = Shape1->palette();
    palette.setColor(QPalette::Window, QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)));
    Shape1->setPalette(palette);
}

bool SelectedFramePage::previousColour(model::Colour &colour) const
{
    const model::TDocument &doc = mDocument.content();
    const model::TGlowshow *g = doc.current();
    return g && doc.CurrentFrame > 0 && !doc.SelectionEmpty &&
           model::cellColour(*g, doc.CurrentFrame - 1, doc.CurrentElement, colour);
}

void SelectedFramePage::updatePrevColourButton()
{
    // There is no previous colour in the first column, or where the element has no entry
    // in the column before.
    model::Colour colour;
    const bool available = previousColour(colour);
    mCommand("AMakePrevCol")->setEnabled(available);
    Button2->setEnabled(available);
}

void SelectedFramePage::AMakePrevCol()
{
    if (model::Colour colour; previousColour(colour))
        pushCurrentCellColour(colour, stepName(mCommand("AMakePrevCol")));
}

void SelectedFramePage::AMakeOn_Off()
{
    const model::TDocument &doc = mDocument.content();
    const model::TGlowshow *g = doc.current();
    model::Colour colour;
    if (!g || (!currentFrameEntry() && !currentStep()) ||
        !model::cellColour(*g, doc.CurrentFrame, doc.CurrentElement, colour))
        return;
    const std::uint8_t v = colour == model::Colour{} ? 15 : 0;
    mDocument.push(model::SetCellColour{doc.CurrentGlowshow, doc.CurrentFrame, doc.CurrentElement, {v, v, v}},
                   stepName(mCommand("AMakeOn_Off")));
}

void SelectedFramePage::SpinEdit2Change()
{
    if (!SpinEdit2->isEnabled())
        return;
    const model::TDocument &doc = mDocument.content();
    const auto parameter = std::uint8_t(std::clamp(SpinEdit2->value(), 0, 255));
    if (const model::TClubStep *s = currentStep(); s && s->Parameter != parameter)
        mDocument.push(model::SetStepParameter{doc.CurrentGlowshow, doc.CurrentFrame, doc.CurrentElement, parameter},
                       mText("StepParameter"), MergeParameter);
}

void SelectedFramePage::editCurrentFrame(const char *command, bool (*change)(model::TFrame &, std::uint8_t))
{
    const model::TDocument &doc = mDocument.content();
    const model::TGlowshow *g = doc.current();
    if (!g || g->Kind != model::KindNormal)
        return;
    // A glowshow without frames shows one empty column; the first entry put there gives the
    // glowshow that frame, in the same step.
    const bool noFrames = g->FrameCount == 0 && g->Frames.empty() && doc.CurrentFrame == 0;
    if (!noFrames && doc.CurrentFrame >= std::min<std::size_t>(g->FrameCount, g->Frames.size()))
        return;
    model::TFrame frame = noFrames ? model::TFrame{} : g->Frames[doc.CurrentFrame];
    if (!change(frame, doc.CurrentElement))
        return;
    const QString text = stepName(mCommand(command));
    if (noFrames) {
        mDocument.history().beginStep(text);
        mDocument.push(model::SetColumnCount(doc.CurrentGlowshow, 1), text);
    }
    mDocument.push(model::ReplaceFrame{doc.CurrentGlowshow, doc.CurrentFrame, doc.CurrentElement, std::move(frame)},
                   text);
    if (noFrames)
        mDocument.history().endStep();
}

void SelectedFramePage::AAddNewFrame()
{
    const model::TGlowshow *g = mDocument.content().current();
    if (!g)
        return;
    // A rhythm element lives in every step or in none.
    if (g->Kind == model::KindRhythm)
        mCommand("AAddAllFrames")->trigger();
    else
        editCurrentFrame("AAddNewFrame", model::addFrameEntry);
}

void SelectedFramePage::ADelFrame()
{
    editCurrentFrame("ADelFrame", model::removeFrameEntry);
}

} // namespace editor
