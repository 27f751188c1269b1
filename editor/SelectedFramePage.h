#pragma once

#include "EditorTexts.h"
#include "PageWidgets.h"

#include <QWidget>

#include <cstdint>

class QFrame;
class QGridLayout;
class QLineEdit;
class QSlider;

namespace model {
struct Colour;
struct TClubStep;
struct TFrame;
struct TFrameEntry;
} // namespace model

namespace profiles {
struct TProfile;
}

namespace editor {

class EditorDocument;

// The "Selected frame" page: the selected cell's colour (track bars, typed #RGB, the colour
// before it), on/off for elements that only switch, the rhythm parameter, and adding or
// removing the cell's entry.
class SelectedFramePage : public QWidget {
    Q_OBJECT
public:
    SelectedFramePage(EditorDocument &document, const profiles::TProfile &profile, TextOf text, CommandOf command);

    // The selected cell holds an entry: its colour or switch, its parameter.
    void showEntry();
    // The selected cell holds none: only adding is offered.
    void showNoEntry();
    // Shows the track bars' colour in the preview box.
    void showPreviewColour();

    // The commands of the page's buttons; each is one step.
    void AMakePrevCol();
    void AMakeOn_Off();
    void AAddNewFrame();
    void ADelFrame();

    // The current entry: a frame entry (normal) or a step (rhythm), or nullptr when the
    // current cell holds none.
    const model::TFrameEntry *currentFrameEntry() const;
    const model::TClubStep *currentStep() const;

    QGroupBox *GroupBox6, *GroupBox9, *GroupBox3;
    QLabel *Label9, *Label10, *Label11, *Label3, *ColourTextLabel;
    QSlider *TrackBar1, *TrackBar2, *TrackBar3;
    QLineEdit *Edit2, *Edit3, *Edit4, *ColourText;
    QFrame *Shape1;
    QPushButton *Button2, *Button6, *Button1, *Button3;
    QSpinBox *SpinEdit2;

private:
    void createColourBox();
    void createColourText(QGridLayout *box);
    void trackBarChanged(QSlider *trackBar, QLineEdit *valueEdit, std::uint8_t model::Colour::*channel, int mergeId);
    void colourTyped();
    void SpinEdit2Change();
    // Pushes a colour for the current cell when it has an entry and the colour differs.
    void pushCurrentCellColour(const model::Colour &colour, const QString &text, int mergeId = -1);
    // Shows a colour on the three track bars, their value edits and the colour preview.
    void setTrackBarColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    // The colour of the current element in the column before, when there is one.
    bool previousColour(model::Colour &colour) const;
    void updatePrevColourButton();
    // Replaces the current frame of a normal glowshow by `change` applied to a copy for the
    // current element, as one step when `change` says it changed it.
    void editCurrentFrame(const char *command, bool (*change)(model::TFrame &, std::uint8_t));

    EditorDocument &mDocument;
    const profiles::TProfile &mProfile;
    TextOf mText;
    CommandOf mCommand;
};

} // namespace editor
