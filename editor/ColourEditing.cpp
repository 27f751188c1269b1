// The "Selected frame" page: colour track bars, previous colour, on/off and the rhythm parameter.
#include "Unit1.h"

#include "GridWidgets.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace editor {

namespace {

// Position 0 is the top of a track bar and means the value 15.
int valueOf(const QSlider *trackBar)
{
    return 15 - trackBar->value();
}

} // namespace

// Removing entries of another cell's element moves the later entries down, so a stored index
// can come to name another element's entry: that is no current entry.
model::TFrameEntry *TMForm::currentFrameEntry()
{
    model::TFrameEntry *e = Document.entryAt(Document.CurrentFrame, Document.CurrentEntry);
    return e && e->Element == Document.CurrentElement ? e : nullptr;
}

model::TClubStep *TMForm::currentStep()
{
    const model::TGlowshow *g = Document.current();
    if (!g || g->Kind != model::KindRhythm || Document.CurrentEntry >= g->Channels.size() ||
        g->Channels[Document.CurrentEntry].Element != Document.CurrentElement)
        return nullptr;
    return Document.stepAt(Document.CurrentEntry, Document.CurrentFrame);
}

void TMForm::AMakeSelect()
{
    Document.SelectionEmpty = 0;
    AAddNewFrameAction->setEnabled(false);
    ADelFrameAction->setEnabled(true);
    const model::TGlowshow *g = Document.current();
    if (!g)
        return;
    const bool rhythm = g->Kind == model::KindRhythm;
    const int element = Document.CurrentElement;
    const bool onOff = element >= 1 && element <= 6 && CurrentProfile.ElementColors[element] >= 0;
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
    if (!rhythm) {
        ADelFrameAction->setEnabled(true);
        SpinEdit2->setEnabled(false);
    } else {
        ADelFrameAction->setEnabled(false);
        SpinEdit2->setEnabled(true);
        if (const model::TClubStep *s = currentStep())
            SpinEdit2->setValue(s->Parameter);
    }
}

void TMForm::setTrackBarColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
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
    execute(APreColorAction);
}

void TMForm::pushCurrentCellColour(const model::Colour &colour, const QString &text, int mergeId)
{
    const model::TGlowshow *g = Document.current();
    model::Colour stored;
    if (Document.SelectionEmpty != 0 || !g || (!currentFrameEntry() && !currentStep()) ||
        !model::cellColour(*g, Document.CurrentFrame, Document.CurrentElement, stored) || stored == colour)
        return;
    pushEdit(model::SetCellColour{Document.CurrentGlowshow, Document.CurrentFrame, Document.CurrentElement, colour},
             text, mergeId);
}

void TMForm::AMakeEmpty()
{
    Document.SelectionEmpty = 1;
    GroupBox9->hide();
    GroupBox6->hide();
    Button2->setEnabled(false);
    AMakePrevColAction->setEnabled(false);
    SpinEdit2->setEnabled(false);
    ADelFrameAction->setEnabled(false);
    AAddNewFrameAction->setEnabled(true);
}

void TMForm::trackBarChanged(QSlider *trackBar, QLineEdit *valueEdit, std::uint8_t model::Colour::*channel,
                             MergeId mergeId)
{
    const int v = valueOf(trackBar);
    valueEdit->setText(QString::number(v));
    const model::TGlowshow *g = Document.current();
    model::Colour colour;
    if (g && model::cellColour(*g, Document.CurrentFrame, Document.CurrentElement, colour)) {
        colour.*channel = std::uint8_t(v);
        pushCurrentCellColour(colour, uiText("StepColour"), mergeId);
    }
    execute(APreColorAction);
}

void TMForm::TrackBar1Change()
{
    trackBarChanged(TrackBar1, Edit2, &model::Colour::Red, MergeRed);
}

void TMForm::TrackBar2Change()
{
    trackBarChanged(TrackBar2, Edit3, &model::Colour::Green, MergeGreen);
}

void TMForm::TrackBar3Change()
{
    trackBarChanged(TrackBar3, Edit4, &model::Colour::Blue, MergeBlue);
}

void TMForm::APreColor()
{
    const std::uint32_t c = model::ScreenColor(std::uint8_t(valueOf(TrackBar1)), std::uint8_t(valueOf(TrackBar2)),
                                               std::uint8_t(valueOf(TrackBar3)));
    QPalette palette = Shape1->palette();
    palette.setColor(QPalette::Window, QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)));
    Shape1->setPalette(palette);
}

bool TMForm::previousColour(std::uint8_t &red, std::uint8_t &green, std::uint8_t &blue) const
{
    const model::TGlowshow *g = Document.current();
    model::Colour c;
    if (!g || Document.CurrentFrame == 0 || Document.SelectionEmpty ||
        !model::cellColour(*g, Document.CurrentFrame - 1, Document.CurrentElement, c))
        return false;
    red = c.Red, green = c.Green, blue = c.Blue;
    return true;
}

void TMForm::updatePrevColourButton()
{
    // There is no previous colour in the first column, or where the element has no entry
    // in the column before.
    std::uint8_t r, g, b;
    const bool available = previousColour(r, g, b);
    AMakePrevColAction->setEnabled(available);
    Button2->setEnabled(available);
}

void TMForm::AMakePrevCol()
{
    std::uint8_t red = 0, green = 0, blue = 0;
    if (!previousColour(red, green, blue))
        return;
    pushCurrentCellColour(model::Colour{red, green, blue}, stepName(AMakePrevColAction));
}

void TMForm::AMakeOn_Off()
{
    const model::TGlowshow *g = Document.current();
    model::Colour colour;
    if (!g || (!currentFrameEntry() && !currentStep()) ||
        !model::cellColour(*g, Document.CurrentFrame, Document.CurrentElement, colour))
        return;
    const std::uint8_t v = colour == model::Colour{} ? 15 : 0;
    pushEdit(model::SetCellColour{Document.CurrentGlowshow, Document.CurrentFrame, Document.CurrentElement, {v, v, v}},
             stepName(AMakeOn_OffAction));
}

void TMForm::SpinEdit2Change()
{
    if (!SpinEdit2->isEnabled())
        return;
    const auto parameter = std::uint8_t(std::clamp(SpinEdit2->value(), 0, 255));
    if (const model::TClubStep *s = currentStep(); s && s->Parameter != parameter)
        pushEdit(model::SetStepParameter{Document.CurrentGlowshow, Document.CurrentFrame, Document.CurrentElement,
                                         parameter},
                 uiText("StepParameter"), MergeParameter);
}

} // namespace editor
