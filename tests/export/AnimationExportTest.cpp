#include "export/Animation.h"
#include "export/AnimationWriters.h"
#include "preview/ImageList.h"
#include "preview/QtDrawingSurface.h"

#include "AnimationHelpers.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>

#include <numeric>

using namespace exporting;
using model::TFrame;
using model::TFrameEntry;
using testing_support::frame;

namespace {

// A device picture with two plain parts above a gradient of more colours than a palette
// holds, and opaque shapes over the plain parts: the colour at a shape's centre is the
// document's own or the picture's.
struct Skin {
    profiles::TProfile profile;
    preview::ImageList images;
    static constexpr QRgb Lamp = qRgb(250, 240, 10);
    static constexpr QRgb PlainLeft = qRgb(40, 60, 90);
    static constexpr QRgb PlainRight = qRgb(90, 80, 70);
    explicit Skin(bool gradient = true)
    {
        QImage device(preview::SurfaceWidth, preview::SurfaceHeight, QImage::Format_RGB32);
        for (int y = 0; y < device.height(); ++y)
            for (int x = 0; x < device.width(); ++x)
                device.setPixel(x, y,
                                gradient && y >= 200 ? qRgb(x % 256, y % 256, (x / 2 + y) % 256)
                                : x < 60             ? PlainLeft
                                                     : PlainRight);
        set("0", device);
        QImage lamp(10, 10, QImage::Format_RGB32);
        lamp.fill(Lamp);
        set("3", lamp);
        shape(1, {10, 10, 40, 40, "Rectangle", 255});
        shape(2, {50, 10, 90, 50, "Circle", 255});
        shape(3, {100, 10, 110, 20, "Rectangle", 255});
        profile.ElementColors[3] = 0x0000FF; // on/off: its picture shows while lit
    }
    void set(const char *name, const QImage &image)
    {
        images.assignPicture(name, image);
        images.restore(name);
    }
    void shape(int n, profiles::TCoord c)
    {
        profile.ElementAvailable[n] = true;
        profile.ShapeCounts[n] = 1;
        profile.Shapes[n] = {c};
    }
    QPoint centre(int n) const
    {
        const profiles::TCoord &c = profile.Shapes[n].front();
        return {(c.Left + c.Right) / 2, (c.Top + c.Bottom) / 2};
    }
};

testing_support::DecodedAnimation decode(const QByteArray &bytes, const char *format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, format);
    return testing_support::decodeAnimation(reader);
}

// What the device shows in each visible frame: a colour per element at its shape's centre.
struct Shown {
    int milliseconds;
    std::array<QRgb, 3> colours;
};

} // namespace

TEST(GifDelays, RoundEachFrameAndCarryTheRemainder)
{
    const struct {
        std::vector<int> ms;
        std::vector<int> delays;
    } cases[] = {
        {{1000}, {100}},        {{333, 333, 334}, {33, 34, 33}}, {{15, 15, 15, 15}, {2, 1, 2, 1}},
        {{4, 4, 4}, {0, 1, 0}}, {{1234, 5, 6}, {123, 1, 1}},
    };
    for (const auto &c : cases) {
        const std::vector<int> delays = gifDelays(c.ms);
        EXPECT_EQ(delays, c.delays);
        int exact = 0, written = 0;
        for (std::size_t i = 0; i < delays.size(); ++i) {
            exact += c.ms[i];
            written += delays[i] * 10;
            EXPECT_LE(std::abs(exact - written), 5) << "after frame " << i;
        }
    }
}

TEST(AnimationExport, DecodedFilesPlayTheDocumentFrameByFrame)
{
    const Skin skin;
    model::TGlowshow g;
    g.Kind = model::KindNormal;
    g.Frames = {
        frame(100, {{1, 15, 0, 0}, {2, 0, 15, 0}}),
        frame(0, {{3, 15, 15, 15}}), // never seen, yet it switches element 3 on
        frame(250, {{1, 0, 0, 15}}),
        frame(150, {{1, 0, 0, 15}}), // looks like the frame before: lengthens it
        frame(45, {{2, 1, 2, 3}, {3, 0, 0, 0}}),
        frame(1005, {}),
    };
    g.FrameCount = std::uint8_t(g.Frames.size());
    const QRgb device1 = Skin::PlainLeft, device2 = Skin::PlainRight, device3 = Skin::PlainRight;
    const std::vector<Shown> expected = {
        {100, {qRgb(255, 0, 0), qRgb(0, 255, 0), device3}},
        {400, {qRgb(0, 0, 255), device2, Skin::Lamp}},
        {45, {device1, qRgb(17, 34, 51), device3}},
        {1005, {device1, device2, device3}},
    };
    const struct {
        const char *format;
        Speed speed;
        bool loopSwitch;
        std::uint8_t repeating;
        int loopCount; // as Qt reports it: -1 for ever, 0 once
        int scaleNumerator, scaleDenominator;
    } cases[] = {
        {"gif", speedOfTrackBar(0), false, 0, 0, 1, 1},     {"gif", speedOfTrackBar(50), true, 0, -1, 3, 2},
        {"gif", speedOfPercent(50), false, 1, -1, 2, 1},    {"webp", speedOfTrackBar(0), false, 0, 0, 1, 1},
        {"webp", speedOfTrackBar(100), false, 1, -1, 2, 1}, {"webp", speedOfPercent(200), true, 0, -1, 1, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.format) + " speed " + std::to_string(c.speed.multiplier) + "/" +
                     std::to_string(c.speed.divisor));
        g.Repeating = c.repeating;
        const Animation animation = renderAnimation(g, skin.profile, skin.images, c.speed, c.loopSwitch || c.repeating);
        const QByteArray bytes = std::string(c.format) == "gif" ? encodeGif(animation) : encodeWebp(animation);
        const testing_support::DecodedAnimation d = decode(bytes, c.format);
        EXPECT_EQ(d.loopCount, c.loopCount);
        ASSERT_EQ(d.frames.size(), expected.size());
        int exact = 0, played = 0;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const int ms = expected[i].milliseconds * c.scaleNumerator / c.scaleDenominator;
            exact += ms;
            played += d.delays[i];
            // GIF counts hundredths: a delay may be off by a rounding, the running total never more.
            EXPECT_LE(std::abs(d.delays[i] - ms), std::string(c.format) == "gif" ? 10 : 0) << "frame " << i;
            EXPECT_LE(std::abs(played - exact), std::string(c.format) == "gif" ? 5 : 0) << "frame " << i;
            for (int n = 1; n <= 3; ++n)
                EXPECT_EQ(d.frames[i].pixel(skin.centre(n)), expected[i].colours[std::size_t(n - 1)])
                    << "frame " << i << " element " << n;
            // The gradient: exact in the lossless WebP, close in the GIF's palette.
            const QRgb want = skin.images.at("0").picture.pixel(200, 300), got = d.frames[i].pixel(200, 300);
            const int tolerance = std::string(c.format) == "gif" ? 24 : 0;
            EXPECT_LE(std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want)) +
                          std::abs(qBlue(got) - qBlue(want)),
                      tolerance);
        }
    }
}

TEST(AnimationExport, NothingToShowGivesNoFrames)
{
    const Skin skin;
    const struct {
        std::uint8_t kind;
        std::vector<TFrame> frames;
    } cases[] = {
        {model::KindNormal, {}},
        {model::KindNormal, {frame(0, {{1, 15, 0, 0}}), frame(0, {})}},
        {model::KindRhythm, {frame(100, {})}},
    };
    for (const auto &c : cases) {
        model::TGlowshow g;
        g.Kind = c.kind;
        g.Frames = c.frames;
        g.FrameCount = std::uint8_t(c.frames.size());
        const Animation a = renderAnimation(g, skin.profile, skin.images, {}, false);
        EXPECT_TRUE(a.frames.empty());
        EXPECT_FALSE(hasVisibleFrames(g, {}));
        EXPECT_THROW(encodeGif(a), EncodeError);
        EXPECT_THROW(encodeWebp(a), EncodeError);
    }
}

TEST(GifExport, EveryFrameShowsExactlyWhatWasDrawn)
{
    const Skin skin(false);
    // Frames of `colours` colours in turn on two shapes; every `shortEvery`th frame lasts 4 ms.
    const auto glowshow = [](int frames, int colours, int shortEvery) {
        model::TGlowshow g;
        g.Kind = model::KindNormal;
        for (int f = 0; f < frames; ++f) {
            const int c = f % colours;
            g.Frames.push_back(
                frame(f % shortEvery == 0 ? 4 : 100, {{1, std::uint8_t(c % 16), std::uint8_t(c / 16), 7},
                                                      {2, std::uint8_t(15 - c % 16), 3, std::uint8_t(c / 16)}}));
        }
        g.FrameCount = std::uint8_t(g.Frames.size());
        return g;
    };
    const struct {
        const char *name;
        model::TGlowshow glowshow;
    } cases[] = {
        {"few colours: one palette for all frames", glowshow(40, 5, 1000)},
        {"more colours than a palette holds: later frames bring their own", glowshow(250, 250, 1000)},
        {"frames too short for a browser: the next one shows them too", glowshow(30, 7, 3)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Animation animation = renderAnimation(c.glowshow, skin.profile, skin.images, {}, true);
        GifEncoder streamed(animation.size, true);
        renderAnimation(c.glowshow, skin.profile, skin.images, {}, [&](const AnimationFrame &f) { streamed.add(f); });
        const QByteArray bytes = encodeGif(animation);
        EXPECT_TRUE(streamed.finish() == bytes);

        std::vector<int> milliseconds;
        for (const AnimationFrame &f : animation.frames)
            milliseconds.push_back(f.milliseconds);
        const std::vector<int> delays = gifDelays(milliseconds);
        const testing_support::DecodedAnimation d = decode(bytes, "gif");
        QImage canvas(animation.size, QImage::Format_RGB32);
        // A frame of less than two hundredths shows with the next, which takes over its time.
        std::size_t shown = 0;
        int hundredths = 0;
        for (std::size_t i = 0; i < animation.frames.size(); ++i) {
            paintFrame(canvas, animation.frames[i]);
            hundredths += delays[i];
            if (hundredths < 2 && i + 1 < animation.frames.size())
                continue;
            ASSERT_LT(shown, d.frames.size());
            EXPECT_TRUE(d.frames[shown] == canvas) << "frame " << i;
            EXPECT_EQ(d.delays[shown], hundredths * 10) << "frame " << i;
            ++shown;
            hundredths = 0;
        }
        EXPECT_EQ(shown, d.frames.size());
    }
}
