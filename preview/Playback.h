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
};

// Milliseconds a frame stays: duration scaled by the speed position 0 (100 %) .. 100 (50 %).
int scaledInterval(std::uint16_t duration, int speedPosition);

// Index of the first label equal to `label` without regard to case, or -1.
int findLabel(const std::vector<std::string> &labels, const std::string &label);

// Plays the current glowshow of the document on the surface, one frame per timer tick.
class Playback {
public:
    Playback(model::TDocument &doc, profiles::TProfile &profile, DrawingSurface &surface,
             PreviewControls &controls);

    void Button15Click();
    void Timer1Timer();
    void DXDrawInitializeSurface();

    // The frame the next tick draws.
    std::uint8_t PreviewFrame = 0;

private:
    // False when drawing failed; nothing was flipped then.
    bool drawFrame();
    void drawElement(int element, const model::TFrameEntry *entry);
    void drawCircle(const profiles::TCoord &shape, std::uint32_t colour);
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
