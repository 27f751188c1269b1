#pragma once

#include "model/Document.h"
#include "profiles/Profile.h"

#include <QByteArray>
#include <QImage>

#include <stdexcept>
#include <vector>

namespace preview {
class ImageList;
}

namespace exporting {

// Why an animation did not become a glowshow; the caller words it and names the file.
class AnimationImportError : public std::runtime_error {
public:
    enum Reason { NotAnAnimation, TooManyFrames };
    AnimationImportError(Reason reason, const char *what) : std::runtime_error(what), mReason(reason) {}
    Reason reason() const { return mReason; }

private:
    Reason mReason;
};

// How the device picture of a profile looks with each element lit, as the preview draws it:
// what an animation's pictures are compared with to find the elements' colours.
class DeviceLook {
public:
    DeviceLook(const profiles::TProfile &profile, const preview::ImageList &images);

    // The colours of the elements in one picture of the device picture's size, as the entries
    // of a frame in element order. `exact`: the picture was drawn as the preview draws, so
    // the blend of each shape is taken out and an element shown unlit has no entry; else each
    // element takes the mean colour of its area. An on/off element is on or off either way.
    model::FrameEntries entriesOf(const QImage &picture, bool exact) const;

    // Whether `picture` shows the device picture, unchanged, wherever no element is drawn.
    bool drawnAsPreview(const QImage &picture) const;

private:
    struct Element {
        std::uint8_t number = 0;
        bool onOff = false;
        std::vector<int> pixels; // indexes into the picture that tell this element's state
        // Full colour: per pixel the look under each grey level 0..15; on/off: the lit look.
        std::vector<QRgb> looks;
        // On/off: per pixel the full-colour element drawn under it (an index of mElements, or
        // -1) and that element's looks there, 16 a pixel.
        std::vector<int> under;
        std::vector<QRgb> underLooks;
    };
    void keepTellingPixels(const std::vector<std::vector<int>> &cover);

    QImage mUnlit;
    std::vector<Element> mElements;
    std::vector<bool> mDrawn; // per pixel: some element can change it
};

// Reads an animated GIF or WebP into a normal glowshow with Id 1. Each picture is scaled to
// the device picture and its elements' colours found with `look`; an animation drawn as the
// preview draws (the editor's own export) is read exactly. Delays become durations (at most
// 65,535 ms each), and a picture that changes no cell lengthens the frame before it. Throws
// AnimationImportError when the bytes are no GIF or WebP that reads to the end, or when the
// glowshow would get more than 255 frames.
model::TGlowshow importAnimation(const QByteArray &bytes, const DeviceLook &look);

} // namespace exporting
