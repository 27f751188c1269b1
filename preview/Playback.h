#pragma once

#include "DrawingSurface.h"
#include "model/Document.h"
#include "profiles/Profile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace preview {

// The window controls the preview reads and changes; the main window implements it.
class PreviewControls {
public:
    virtual ~PreviewControls() = default;
    virtual std::string button15Caption() const = 0;
    virtual void setButton15Caption(const std::string &caption) = 0;
    // Tab1, Tab2, ListBox2 and the File menu File2, always together.
    virtual void setEditingEnabled(bool enabled) = 0;
    virtual int trackBar4Position() const = 0;
    virtual void showDXDraw() = 0;
    virtual bool documentLoaded() const = 0;
    // Ticked: playback starts again after the last frame until it is stopped.
    virtual bool repeatChecked() const { return false; }
};

// Milliseconds a frame stays: duration scaled by the speed position 0 (100 %) .. 100 (50 %).
int scaledInterval(std::uint16_t duration, int speedPosition);

// Index of the first label equal to `label` without regard to case, or -1.
int findLabel(const std::vector<std::string> &labels, const std::string &label);

// The on/off state of each element, carried from the last frame with an entry for it.
using LitState = profiles::PerElement<bool>;

// Draws frame `frame` of a normal glowshow onto the back buffer as the preview shows it: the
// background, the device picture, then the elements the skin of `profile` makes available.
// `lit` carries each on/off element's state: a frame with an entry for it sets the state, a
// frame without one keeps it, so draw the frames in order from all-false. Does not flip.
// Errors of the surface propagate; elements drawn before the error stay drawn.
void drawGlowshowFrame(DrawingSurface &surface, const profiles::TProfile &profile, const model::TGlowshow &glowshow,
                       std::uint8_t frame, LitState &lit);
// The frame as playback shows it on reaching it from the start, flipped: all on/off elements
// begin unlit and carry their state through the frames before.
void drawGlowshowFrame(DrawingSurface &surface, const profiles::TProfile &profile, const model::TGlowshow &glowshow,
                       std::size_t frame);

// Plays the current glowshow of the document on the surface, one frame per timer tick.
class Playback {
public:
    Playback(model::TDocument &doc, profiles::TProfile &profile, DrawingSurface &surface, PreviewControls &controls);

    void Button15Click();
    void Timer1Timer();
    void DXDrawInitializeSurface();

    // The frame the next tick draws.
    std::uint8_t PreviewFrame = 0;

private:
    // False when drawing failed; nothing was flipped then.
    bool drawFrame();
    void restart();
    void stop();
    void stopAtEnd();

    model::TDocument &mDoc;
    profiles::TProfile &mProfile;
    DrawingSurface &mSurface;
    PreviewControls &mControls;
    // A frame whose drawing failed once; failing again skips it.
    int mFailedFrame = -1;
};

} // namespace preview
