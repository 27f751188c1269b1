#pragma once

#include "model/Document.h"
#include "profiles/Profile.h"

#include <QImage>
#include <QRect>

#include <cstdint>
#include <functional>
#include <vector>

namespace preview {
class ImageList;
}

// Sharing a glowshow outside the editor: animations, storyboards and their file formats.
namespace exporting {

// How long a frame shows: its duration × multiplier / divisor milliseconds, in integer
// arithmetic as the preview computes its timer interval.
struct Speed {
    int multiplier = 100;
    int divisor = 100;
};

// The preview's speed track bar: position 0 (100 %) .. 100 (50 %).
Speed speedOfTrackBar(int position);
// A speed in percent of the stored timing: 50 plays at half speed, twice as long.
Speed speedOfPercent(int percent);

// One picture of an animation: the part of the canvas that changed since the previous picture
// (the whole canvas for the first) and how long the whole canvas then shows.
struct AnimationFrame {
    QRect rect;
    QImage image; // rect.size(), RGB32
    int milliseconds = 0;
};

struct Animation {
    QSize size;
    std::vector<AnimationFrame> frames;
    bool loop = false;

    int totalMilliseconds() const;
};

// How long frame `frame` of the glowshow shows at `speed`, in milliseconds.
std::int64_t frameMilliseconds(const model::TGlowshow &glowshow, std::size_t frame, Speed speed);

// Whether renderAnimation would give any frame: a normal glowshow with a frame that shows.
bool hasVisibleFrames(const model::TGlowshow &glowshow, Speed speed);

// Takes the frames of an animation one by one, each once its duration is known.
using FrameSink = std::function<void(const AnimationFrame &)>;

// Draws every frame of a normal glowshow through the preview's frame drawing with the skin of
// `profile` and the pictures of `images`. Frames shown 0 ms are left out (they are never
// seen, though their on/off states carry on); a frame that looks like the one before only
// lengthens it. Nothing when nothing would show: no frames, all of 0 ms, not a normal glowshow.
// Each frame goes to `sink` while the next is drawn, so a writer can work on it while its
// pixels are still in the cache.
void renderAnimation(const model::TGlowshow &glowshow, const profiles::TProfile &profile,
                     const preview::ImageList &images, Speed speed, const FrameSink &sink);
// All the frames at once.
Animation renderAnimation(const model::TGlowshow &glowshow, const profiles::TProfile &profile,
                          const preview::ImageList &images, Speed speed, bool loop);

// Paints a frame onto the canvas of the frames before it.
void paintFrame(QImage &canvas, const AnimationFrame &frame);

// GIF delays in hundredths of a second: each rounded, with the remainder carried to the next,
// so that every running total stays within 5 ms of the exact one.
std::vector<int> gifDelays(const std::vector<int> &milliseconds);

// The same, one frame at a time.
class GifDelayCarry {
public:
    int next(int milliseconds);

private:
    std::int64_t mExact = 0;
    std::int64_t mWritten = 0;
};

} // namespace exporting
