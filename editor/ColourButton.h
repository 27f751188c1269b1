#pragma once

#include "model/Edits.h"

#include <QToolButton>

class QSlider;

namespace editor {

// A button that shows a 12-bit colour and, when pressed, drops down three sliders that edit
// its 4-bit channels (ColourRed, ColourGreen, ColourBlue); every move shows at once.
class ColourButton : public QToolButton {
    Q_OBJECT
public:
    explicit ColourButton(QWidget *parent = nullptr);

    model::Colour colour() const { return mColour; }
    // Emits nothing: only the user's changes are reported.
    void setColour(const model::Colour &colour);

signals:
    void colourChanged(const model::Colour &colour);

private:
    void showColour();
    void sliderMoved();

    model::Colour mColour;
    QSlider *mRed, *mGreen, *mBlue;
};

} // namespace editor
