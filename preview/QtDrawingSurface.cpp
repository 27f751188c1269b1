#include "QtDrawingSurface.h"

#include <QGuiApplication>

#include <algorithm>
#include <array>

namespace preview {

QRgb screenColourToRgb(std::uint32_t c)
{
    return qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

QRgb deviceValueToRgb(std::uint32_t v) { return 0xFF000000u | (v & 0xFFFFFFu); }

namespace {

// new = colour × a + old × (1 − a), with a = alpha / 255, rounded.
inline QRgb blend(QRgb colour, QRgb old, int alpha)
{
    const int inv = 255 - alpha;
    const int r = (qRed(colour) * alpha + qRed(old) * inv + 127) / 255;
    const int g = (qGreen(colour) * alpha + qGreen(old) * inv + 127) / 255;
    const int b = (qBlue(colour) * alpha + qBlue(old) * inv + 127) / 255;
    return qRgb(r, g, b);
}

struct Span {
    int begin;
    int end;
};

// The part of [from, to) inside [0, size); 64-bit so skin values near the int limits
// cannot overflow.
Span clipSpan(std::int64_t from, std::int64_t to, int size)
{
    const std::int64_t b = std::max<std::int64_t>(from, 0);
    const std::int64_t e = std::min<std::int64_t>(to, size);
    return e > b ? Span{int(b), int(e)} : Span{0, 0};
}

} // namespace

QtDrawingSurface::QtDrawingSurface(QObject *parent)
    : QObject(parent), mBack(SurfaceWidth, SurfaceHeight, QImage::Format_RGB32), mTimer(new FrameTimer(this))
{
    mBack.fill(deviceValueToRgb(BackgroundDeviceValue));
    mFront = mBack.copy();
    mTimer->setObjectName("Timer1");
    connect(mTimer, &QTimer::timeout, this, &QtDrawingSurface::tick);
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        mApplicationActive = QGuiApplication::applicationState() == Qt::ApplicationActive;
        connect(app, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) { setApplicationActive(state == Qt::ApplicationActive); });
    }
}

void QtDrawingSurface::fill(std::uint32_t deviceValue) { mBack.fill(deviceValueToRgb(deviceValue)); }

void QtDrawingSurface::draw(const std::string &image, int x, int y)
{
    const QImage &src = mImages.at(image).drawable;
    if (src.isNull())
        return;
    const Span xs = clipSpan(std::int64_t(x), std::int64_t(x) + src.width(), mBack.width());
    const Span ys = clipSpan(std::int64_t(y), std::int64_t(y) + src.height(), mBack.height());
    for (int dy = ys.begin; dy < ys.end; ++dy) {
        const auto *in = reinterpret_cast<const QRgb *>(src.constScanLine(dy - y));
        auto *out = reinterpret_cast<QRgb *>(mBack.scanLine(dy));
        for (int dx = xs.begin; dx < xs.end; ++dx) {
            const QRgb p = in[dx - x];
            if (qAlpha(p) != 0)
                out[dx] = p;
        }
    }
}

void QtDrawingSurface::fillRectAlpha(const SurfaceRect &rect, std::uint32_t screenColour, int alpha)
{
    const int a = alpha & 0xFF;
    if (a == 0)
        return;
    const QRgb colour = screenColourToRgb(screenColour);
    const Span xs = clipSpan(rect.Left, rect.Right, mBack.width());
    const Span ys = clipSpan(rect.Top, rect.Bottom, mBack.height());
    if (xs.begin == xs.end || ys.begin == ys.end)
        return;
    // One colour over the whole rectangle: each channel's blend is a table of the old value,
    // worked out once, instead of three divisions for every pixel of the skin's large shapes.
    const QRgb opaque = 0xFF000000u;
    std::array<std::uint8_t, 256> red, green, blue;
    for (int v = 0; v < 256; ++v) {
        const QRgb mixed = blend(colour, qRgb(v, v, v), a);
        red[std::size_t(v)] = std::uint8_t(qRed(mixed));
        green[std::size_t(v)] = std::uint8_t(qGreen(mixed));
        blue[std::size_t(v)] = std::uint8_t(qBlue(mixed));
    }
    for (int y = ys.begin; y < ys.end; ++y) {
        auto *out = reinterpret_cast<QRgb *>(mBack.scanLine(y));
        for (int x = xs.begin; x < xs.end; ++x) {
            const QRgb old = out[x];
            out[x] = opaque | QRgb(red[qRed(old)]) << 16 | QRgb(green[qGreen(old)]) << 8 | blue[qBlue(old)];
        }
    }
}

void QtDrawingSurface::drawAlpha(const std::string &image, const SurfaceRect &dest, int alpha)
{
    const QImage &src = mImages.at(image).drawable;
    if (alpha <= 0 || src.isNull())
        return;
    const std::int64_t w = std::int64_t(dest.Right) - dest.Left;
    const std::int64_t h = std::int64_t(dest.Bottom) - dest.Top;
    if (w <= 0 || h <= 0)
        return;
    const int a = std::min(alpha, 255);
    const Span xs = clipSpan(dest.Left, dest.Right, mBack.width());
    const Span ys = clipSpan(dest.Top, dest.Bottom, mBack.height());
    // Nearest-neighbour scaling keeps the transparent colour exact at the edges.
    for (int y = ys.begin; y < ys.end; ++y) {
        const int sy = int((std::int64_t(y) - dest.Top) * src.height() / h);
        const auto *in = reinterpret_cast<const QRgb *>(src.constScanLine(sy));
        auto *out = reinterpret_cast<QRgb *>(mBack.scanLine(y));
        for (int x = xs.begin; x < xs.end; ++x) {
            const QRgb p = in[(std::int64_t(x) - dest.Left) * src.width() / w];
            if (qAlpha(p) == 0)
                continue;
            out[x] = a == 255 ? p : blend(p, out[x], a);
        }
    }
}

void QtDrawingSurface::assignPicture(const std::string &image, const QImage &bitmap)
{
    mImages.assignPicture(image, bitmap);
}

void QtDrawingSurface::restore(const std::string &image) { mImages.restore(image); }

void QtDrawingSurface::flip()
{
    mFront = mBack.copy();
    emit flipped();
}

void QtDrawingSurface::setTimerInterval(int milliseconds)
{
    mTimer->setFrameInterval(milliseconds);
}

void QtDrawingSurface::setTimerEnabled(bool enabled)
{
    mTimerEnabled = enabled;
    updateTimer();
}

void QtDrawingSurface::setApplicationActive(bool active)
{
    if (active == mApplicationActive)
        return;
    mApplicationActive = active;
    updateTimer();
}

void QtDrawingSurface::updateTimer()
{
    // A timer that starts again counts a whole interval from now.
    if (mTimerEnabled && mApplicationActive) {
        if (!mTimer->isActive())
            mTimer->start();
    } else {
        mTimer->stop();
    }
}

} // namespace preview
