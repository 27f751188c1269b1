#include "Animation.h"

#include "preview/Playback.h"
#include "preview/QtDrawingSurface.h"

#include <QPainter>

#include <algorithm>

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

Animation renderAnimation(const model::TGlowshow &glowshow, const profiles::TProfile &profile,
                          const preview::ImageList &images, Speed speed, bool loop)
{
    Animation animation;
    animation.size = QSize(preview::SurfaceWidth, preview::SurfaceHeight);
    animation.loop = loop;
    if (glowshow.Kind != model::KindNormal)
        return animation;
    preview::QtDrawingSurface surface;
    surface.images() = images;
    profiles::PerElement<bool> lit;
    QImage shown;
    const std::size_t count = std::min<std::size_t>(glowshow.FrameCount, glowshow.Frames.size());
    for (std::size_t i = 0; i < count; ++i) {
        preview::drawGlowshowFrame(surface, profile, glowshow, std::uint8_t(i), lit);
        const std::int64_t ms =
            std::int64_t(glowshow.Frames[i].Duration) * speed.multiplier / std::max(speed.divisor, 1);
        if (ms <= 0)
            continue;
        const QImage &drawn = surface.backBuffer();
        if (shown.isNull()) {
            animation.frames.push_back({drawn.rect(), drawn.copy(), int(ms)});
            shown = drawn.copy();
            continue;
        }
        const QRect rect = changedRect(shown, drawn);
        if (rect.isEmpty()) {
            animation.frames.back().milliseconds += int(ms);
            continue;
        }
        animation.frames.push_back({rect, drawn.copy(rect), int(ms)});
        paintFrame(shown, animation.frames.back());
    }
    return animation;
}

void paintFrame(QImage &canvas, const AnimationFrame &frame)
{
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(frame.rect.topLeft(), frame.image);
}

std::vector<int> gifDelays(const std::vector<int> &milliseconds)
{
    std::vector<int> delays;
    delays.reserve(milliseconds.size());
    std::int64_t exact = 0, written = 0;
    for (const int ms : milliseconds) {
        exact += ms;
        const std::int64_t due = (exact + 5) / 10;
        delays.push_back(int(due - written));
        written = due;
    }
    return delays;
}

} // namespace exporting
