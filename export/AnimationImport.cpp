#include "AnimationImport.h"

#include "preview/Playback.h"
#include "preview/QtDrawingSurface.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cstdint>
#include <exception>
#include <optional>

namespace exporting {

namespace {

constexpr int Width = preview::SurfaceWidth;
constexpr int Height = preview::SurfaceHeight;
constexpr int Levels = 16;
// Beyond these a file is more than any glowshow needs, and only costs time to read.
constexpr int MaxSide = 4096;
constexpr int MaxPictures = 65535;
constexpr int MaxDuration = 65535;

const QRgb *pixelsOf(const QImage &image)
{
    // RGB32 lines of 257 pixels have no padding: a pixel's index is y × width + x.
    return reinterpret_cast<const QRgb *>(image.constBits());
}

int channel(QRgb rgb, int c)
{
    return int((rgb >> (16 - 8 * c)) & 0xFF);
}

std::int64_t squaredDistance(QRgb a, QRgb b)
{
    std::int64_t sum = 0;
    for (int c = 0; c < 3; ++c) {
        const int d = channel(a, c) - channel(b, c);
        sum += d * d;
    }
    return sum;
}

QImage drawEntries(preview::QtDrawingSurface &surface, const profiles::TProfile &profile,
                   const model::FrameEntries &entries)
{
    model::TGlowshow g;
    g.FrameCount = 1;
    g.Frames.resize(1);
    g.Frames[0].Entries = entries;
    g.Frames[0].EntryCount = std::uint8_t(entries.size());
    preview::LitState lit;
    preview::drawGlowshowFrame(surface, profile, g, 0, lit);
    return surface.backBuffer().convertToFormat(QImage::Format_RGB32);
}

model::TFrameEntry grey(int element, int level)
{
    const auto v = std::uint8_t(level);
    return {std::uint8_t(element), v, v, v};
}

// The picture as the device picture's size shows it: transparent parts black.
QImage devicePicture(const QImage &image)
{
    QImage rgb;
    if (image.hasAlphaChannel()) {
        rgb = QImage(image.size(), QImage::Format_RGB32);
        rgb.fill(Qt::black);
        QPainter painter(&rgb);
        painter.drawImage(0, 0, image);
    } else {
        rgb = image.convertToFormat(QImage::Format_RGB32);
    }
    if (rgb.size() != QSize(Width, Height))
        rgb = rgb.scaled(Width, Height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return rgb.convertToFormat(QImage::Format_RGB32);
}

} // namespace

DeviceLook::DeviceLook(const profiles::TProfile &profile, const preview::ImageList &images)
{
    preview::QtDrawingSurface surface;
    surface.images() = images;
    mUnlit = drawEntries(surface, profile, {});
    const QRgb *unlit = pixelsOf(mUnlit);
    const int size = Width * Height;
    std::vector<std::vector<int>> cover{std::size_t(size)}; // the elements drawing a pixel, in order
    for (int n = 1; n <= profiles::ElementCount; ++n) {
        const std::int32_t behaviour = profile.ElementColors[n];
        // Elements the preview never draws show nothing to read.
        if (!profile.ElementAvailable[n] || (behaviour < 0 && behaviour != profiles::FullColour))
            continue;
        Element element;
        element.number = std::uint8_t(n);
        element.onOff = behaviour >= 0;
        std::vector<QImage> looks;
        try {
            if (element.onOff)
                looks.push_back(drawEntries(surface, profile, {grey(n, 15)}));
            else
                for (int level = 0; level < Levels; ++level)
                    looks.push_back(drawEntries(surface, profile, {grey(n, level)}));
        } catch (const std::exception &) {
            continue; // the preview cannot draw it either
        }
        for (int i = 0; i < size; ++i) {
            const bool changed = std::any_of(looks.begin(), looks.end(),
                                             [&](const QImage &look) { return pixelsOf(look)[i] != unlit[i]; });
            if (!changed)
                continue;
            element.pixels.push_back(i);
            cover[std::size_t(i)].push_back(int(mElements.size()));
            for (const QImage &look : looks)
                element.looks.push_back(pixelsOf(look)[i]);
        }
        mElements.push_back(std::move(element));
    }
    keepTellingPixels(cover);
    mDrawn.resize(std::size_t(size));
    for (int i = 0; i < size; ++i)
        mDrawn[std::size_t(i)] = !cover[std::size_t(i)].empty();
}

void DeviceLook::keepTellingPixels(const std::vector<std::vector<int>> &cover)
{
    // A pixel two elements draw tells the state of one of them only where the other is known:
    // an on/off picture drawn over a full-colour element, which is read first, from pixels of
    // its own. Every other overlap is left out.
    const std::vector<Element> all = mElements;
    for (std::size_t index = 0; index < mElements.size(); ++index) {
        Element &element = mElements[index];
        const Element &original = all[index];
        const std::size_t stride = element.onOff ? 1 : Levels;
        element.pixels.clear();
        element.looks.clear();
        for (std::size_t k = 0; k < original.pixels.size(); ++k) {
            const int i = original.pixels[k];
            const std::vector<int> &covering = cover[std::size_t(i)];
            int under = -1;
            if (covering.size() == 2 && element.onOff && covering[1] == int(index) &&
                !all[std::size_t(covering[0])].onOff)
                under = covering[0];
            else if (covering.size() != 1)
                continue;
            element.pixels.push_back(i);
            element.looks.insert(element.looks.end(), original.looks.begin() + std::ptrdiff_t(k * stride),
                                 original.looks.begin() + std::ptrdiff_t((k + 1) * stride));
            if (!element.onOff)
                continue;
            element.under.push_back(under);
            const Element &below = all[std::size_t(std::max(under, 0))];
            const auto slot = std::lower_bound(below.pixels.begin(), below.pixels.end(), i) - below.pixels.begin();
            for (int level = 0; level < Levels; ++level)
                element.underLooks.push_back(under < 0 ? 0
                                                       : below.looks[std::size_t(slot) * Levels + std::size_t(level)]);
        }
    }
}

bool DeviceLook::drawnAsPreview(const QImage &picture) const
{
    const QRgb *shown = pixelsOf(picture);
    const QRgb *unlit = pixelsOf(mUnlit);
    std::int64_t difference = 0, count = 0;
    for (std::size_t i = 0; i < mDrawn.size(); ++i) {
        if (mDrawn[i])
            continue;
        for (int c = 0; c < 3; ++c)
            difference += std::abs(channel(shown[i], c) - channel(unlit[i], c));
        ++count;
    }
    // A palette of a GIF may move a few colours a little.
    return count > 0 && difference <= count * 3 * 2;
}

model::FrameEntries DeviceLook::entriesOf(const QImage &picture, bool exact) const
{
    const QRgb *shown = pixelsOf(picture);
    const QRgb *unlit = pixelsOf(mUnlit);
    std::vector<std::optional<model::TFrameEntry>> found(mElements.size());
    // Full-colour elements first: the on/off pictures drawn over them are compared with them.
    for (std::size_t index = 0; index < mElements.size(); ++index) {
        const Element &e = mElements[index];
        if (e.onOff || e.pixels.empty())
            continue;
        std::array<std::uint8_t, 3> colour{};
        if (exact) {
            // Channels blend one by one, so each is the level whose look is nearest.
            std::int64_t colourError = 0, unlitError = 0;
            for (int c = 0; c < 3; ++c) {
                std::array<std::int64_t, Levels> error{};
                for (std::size_t k = 0; k < e.pixels.size(); ++k) {
                    const int value = channel(shown[e.pixels[k]], c);
                    const QRgb *looks = &e.looks[k * Levels];
                    for (int level = 0; level < Levels; ++level) {
                        const int d = value - channel(looks[level], c);
                        error[std::size_t(level)] += d * d;
                    }
                }
                const auto best = std::min_element(error.begin(), error.end());
                colour[std::size_t(c)] = std::uint8_t(best - error.begin());
                colourError += *best;
            }
            for (const int i : e.pixels)
                unlitError += squaredDistance(shown[i], unlit[i]);
            if (unlitError <= colourError)
                continue; // shown unlit: no entry
        } else {
            for (int c = 0; c < 3; ++c) {
                std::int64_t sum = 0;
                for (const int i : e.pixels)
                    sum += channel(shown[i], c);
                const std::int64_t count = std::int64_t(e.pixels.size()) * 17;
                colour[std::size_t(c)] = std::uint8_t((sum + count / 2) / count);
            }
        }
        found[index] = model::TFrameEntry{e.number, colour[0], colour[1], colour[2]};
    }
    for (std::size_t index = 0; index < mElements.size(); ++index) {
        const Element &e = mElements[index];
        if (!e.onOff || e.pixels.empty())
            continue;
        std::int64_t toLit = 0, toUnlit = 0, brightness = 0;
        for (std::size_t k = 0; k < e.pixels.size(); ++k) {
            const QRgb p = shown[e.pixels[k]];
            QRgb unlitLook = unlit[e.pixels[k]];
            if (const int under = e.under[k]; under >= 0 && found[std::size_t(under)]) {
                const model::TFrameEntry &below = *found[std::size_t(under)];
                const QRgb *looks = &e.underLooks[k * Levels];
                unlitLook = qRgb(qRed(looks[below.Red]), qGreen(looks[below.Green]), qBlue(looks[below.Blue]));
            }
            toLit += squaredDistance(p, e.looks[k]);
            toUnlit += squaredDistance(p, unlitLook);
            brightness += std::max({qRed(p), qGreen(p), qBlue(p)});
        }
        const bool on = exact ? toLit < toUnlit : brightness >= std::int64_t(e.pixels.size()) * 128;
        found[index] = grey(e.number, on ? 15 : 0);
    }
    model::FrameEntries entries;
    for (const auto &entry : found)
        if (entry)
            entries.push_back(*entry);
    return entries;
}

model::TGlowshow importAnimation(const QByteArray &bytes, const DeviceLook &look)
{
    using Error = AnimationImportError;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format != "gif" && format != "webp")
        throw Error(Error::NotAnAnimation, "not a GIF or WebP animation");
    const QSize size = reader.size();
    if (size.width() > MaxSide || size.height() > MaxSide)
        throw Error(Error::NotAnAnimation, "a picture larger than 4096 pixels a side");

    model::TGlowshow g;
    g.Id = 1;
    g.Kind = model::KindNormal;
    bool exact = false;
    QImage image;
    // A still WebP goes on saying it can read after its one picture; where the count is known
    // it ends the loop.
    const int count = reader.imageCount();
    for (int pictures = 0; count > 0 ? pictures < count : reader.canRead(); ++pictures) {
        if (pictures == MaxPictures)
            throw Error(Error::TooManyFrames, "more pictures than a glowshow can hold");
        if (!reader.read(&image))
            throw Error(Error::NotAnAnimation, "damaged: a picture does not read");
        const QImage picture = devicePicture(image);
        if (pictures == 0)
            exact = image.size() == QSize(Width, Height) && look.drawnAsPreview(picture);
        model::TFrame frame;
        frame.Entries = look.entriesOf(picture, exact);
        frame.EntryCount = std::uint8_t(frame.Entries.size());
        frame.Duration = std::uint16_t(std::clamp(reader.nextImageDelay(), 0, MaxDuration));
        if (!g.Frames.empty()) {
            model::TFrame &last = g.Frames.back();
            if (last.Entries == frame.Entries && last.Duration + frame.Duration <= MaxDuration) {
                last.Duration = std::uint16_t(last.Duration + frame.Duration);
                continue;
            }
        }
        if (g.Frames.size() == std::size_t(model::MaxCount))
            throw Error(Error::TooManyFrames, "more than 255 different frames");
        g.Frames.push_back(frame);
    }
    if (g.Frames.empty())
        throw Error(Error::NotAnAnimation, "not a GIF or WebP animation");
    g.FrameCount = std::uint8_t(g.Frames.size());
    return g;
}

} // namespace exporting
