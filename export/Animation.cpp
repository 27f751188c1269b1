#include "Animation.h"

#include "preview/Playback.h"
#include "preview/QtDrawingSurface.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace exporting {

namespace {

// The smallest rectangle holding every pixel that differs; empty when none does.
QRect changedRect(const QImage &before, const QImage &after)
{
    const int width = after.width(), height = after.height();
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(before.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(after.constScanLine(y));
        if (std::equal(a, a + width, b))
            continue;
        top = std::min(top, y);
        bottom = y;
        int x = 0;
        while (a[x] == b[x])
            ++x;
        left = std::min(left, x);
        x = width - 1;
        while (a[x] == b[x])
            --x;
        right = std::max(right, x);
    }
    return bottom < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Rows of `rect` of `from` into `to`, which has the rectangle's size and the same format.
void copyPixels(const QImage &from, const QRect &rect, QImage &to)
{
    const std::size_t bytes = std::size_t(rect.width()) * std::size_t(from.depth() / 8);
    const std::size_t offset = std::size_t(rect.left()) * std::size_t(from.depth() / 8);
    for (int y = 0; y < rect.height(); ++y)
        std::memcpy(to.scanLine(y), from.constScanLine(rect.top() + y) + offset, bytes);
}

} // namespace

Speed speedOfTrackBar(int position)
{
    return {position + 100, 100};
}

Speed speedOfPercent(int percent)
{
    return {100, std::max(percent, 1)};
}

int Animation::totalMilliseconds() const
{
    int total = 0;
    for (const AnimationFrame &f : frames)
        total += f.milliseconds;
    return total;
}

std::int64_t frameMilliseconds(const model::TGlowshow &glowshow, std::size_t frame, Speed speed)
{
    return std::int64_t(glowshow.Frames[frame].Duration) * speed.multiplier / std::max(speed.divisor, 1);
}

namespace {

std::size_t drawnFrameCount(const model::TGlowshow &glowshow)
{
    return std::min<std::size_t>(glowshow.FrameCount, glowshow.Frames.size());
}

} // namespace

bool hasVisibleFrames(const model::TGlowshow &glowshow, Speed speed)
{
    if (glowshow.Kind != model::KindNormal)
        return false;
    for (std::size_t i = 0; i < drawnFrameCount(glowshow); ++i)
        if (frameMilliseconds(glowshow, i, speed) > 0)
            return true;
    return false;
}

void renderAnimation(const model::TGlowshow &glowshow, const profiles::TProfile &profile,
                     const preview::ImageList &images, Speed speed, const FrameSink &sink)
{
    if (glowshow.Kind != model::KindNormal)
        return;
    preview::QtDrawingSurface surface;
    surface.images() = images;
    profiles::PerElement<bool> lit;
    QImage shown;
    AnimationFrame held;
    const std::size_t count = drawnFrameCount(glowshow);
    for (std::size_t i = 0; i < count; ++i) {
        preview::drawGlowshowFrame(surface, profile, glowshow, std::uint8_t(i), lit);
        const std::int64_t ms = frameMilliseconds(glowshow, i, speed);
        if (ms <= 0)
            continue;
        const QImage &drawn = surface.backBuffer();
        if (shown.isNull()) {
            held = {drawn.rect(), drawn.copy(), int(ms)};
            shown = drawn.copy();
            continue;
        }
        const QRect rect = changedRect(shown, drawn);
        if (rect.isEmpty()) {
            held.milliseconds += int(ms);
            continue;
        }
        sink(held);
        // A frame the sink did not keep lends its pixels to the next: no allocation per frame.
        if (held.image.size() != rect.size() || !held.image.isDetached())
            held.image = QImage(rect.size(), drawn.format());
        held.rect = rect;
        held.milliseconds = int(ms);
        copyPixels(drawn, rect, held.image);
        paintFrame(shown, held);
    }
    if (!shown.isNull())
        sink(held);
}

Animation renderAnimation(const model::TGlowshow &glowshow, const profiles::TProfile &profile,
                          const preview::ImageList &images, Speed speed, bool loop)
{
    Animation animation;
    animation.size = QSize(preview::SurfaceWidth, preview::SurfaceHeight);
    animation.loop = loop;
    renderAnimation(glowshow, profile, images, speed,
                    [&](const AnimationFrame &frame) { animation.frames.push_back(frame); });
    return animation;
}

void paintFrame(QImage &canvas, const AnimationFrame &frame)
{
    const QRect rect = frame.rect.intersected(canvas.rect());
    if (frame.image.format() != canvas.format() || frame.image.size() != frame.rect.size() || canvas.depth() != 32 ||
        rect != frame.rect) {
        QPainter painter(&canvas);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(frame.rect.topLeft(), frame.image);
        return;
    }
    // Every frame of an export comes this way: rows copied, no painter set up per frame.
    const std::size_t bytes = std::size_t(rect.width()) * 4;
    for (int y = 0; y < rect.height(); ++y)
        std::memcpy(canvas.scanLine(rect.top() + y) + std::size_t(rect.left()) * 4, frame.image.constScanLine(y),
                    bytes);
}

std::vector<int> gifDelays(const std::vector<int> &milliseconds)
{
    std::vector<int> delays;
    delays.reserve(milliseconds.size());
    GifDelayCarry carry;
    for (const int ms : milliseconds)
        delays.push_back(carry.next(ms));
    return delays;
}

int GifDelayCarry::next(int milliseconds)
{
    mExact += milliseconds;
    const std::int64_t due = (mExact + 5) / 10;
    const int delay = int(due - mWritten);
    mWritten = due;
    return delay;
}

} // namespace exporting
