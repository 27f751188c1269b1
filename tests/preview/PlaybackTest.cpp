#include "preview/Playback.h"
#include "preview/QtDrawingSurface.h"

#include "AnimationHelpers.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <cmath>

using namespace preview;
using model::TFrame;
using model::TFrameEntry;
using profiles::TCoord;
using testing_support::frame;

namespace {

struct FakeControls : PreviewControls {
    std::string caption = "Play";
    bool editingEnabled = true;
    int speed = 0;
    bool dxDrawVisible = false;
    bool loaded = true;

    std::string button15Caption() const override { return caption; }
    void setButton15Caption(const std::string &c) override { caption = c; }
    void setEditingEnabled(bool e) override { editingEnabled = e; }
    int trackBar4Position() const override { return speed; }
    void showDXDraw() override { dxDrawVisible = true; }
    bool documentLoaded() const override { return loaded; }
};

const QColor Background(236, 233, 216);

class PlaybackTest : public ::testing::Test {
protected:
    PlaybackTest() : playback(doc, profile, surface, controls)
    {
        profile.PlayCaption = "Play";
        profile.StopCaption = "Stop";
        doc.Glowshows.resize(1);
        doc.CurrentGlowshow = 0;
    }

    void setFrames(std::vector<TFrame> frames)
    {
        model::TGlowshow &g = doc.Glowshows[0];
        g.Kind = model::KindNormal;
        g.FrameCount = std::uint8_t(frames.size());
        g.Frames = std::move(frames);
    }

    void setShapes(int element, std::vector<TCoord> shapes)
    {
        profile.ElementAvailable[element] = true;
        profile.ShapeCounts[element] = std::int8_t(shapes.size());
        profile.Shapes[element] = std::move(shapes);
    }

    void setPicture(const std::string &name, const QImage &image)
    {
        surface.assignPicture(name, image);
        surface.restore(name);
    }

    QColor shown(int x, int y) const { return surface.frontBuffer().pixelColor(x, y); }

    model::TDocument doc;
    profiles::TProfile profile;
    QtDrawingSurface surface;
    FakeControls controls;
    Playback playback;
};

} // namespace

TEST_F(PlaybackTest, RectangleOpacityBlendsTheFrameColourWith256CountingAsZero)
{
    struct Case {
        int opacity;
        int effective;
    };
    for (const Case c : {Case{0, 0}, Case{128, 128}, Case{255, 255}, Case{256, 0}}) {
        SCOPED_TRACE(c.opacity);
        setShapes(1, {TCoord{20, 30, 60, 50, "Rectangle", c.opacity}});
        setFrames({frame(100, {{1, 15, 0, 0}})});
        controls.caption = "Play";
        playback.Button15Click();
        playback.Timer1Timer();
        const double a = c.effective / 255.0;
        const QColor got = shown(20, 30);
        EXPECT_NEAR(got.red(), 255 * a + 236 * (1 - a), 1.0);
        EXPECT_NEAR(got.green(), 233 * (1 - a), 1.0);
        EXPECT_NEAR(got.blue(), 216 * (1 - a), 1.0);
        EXPECT_EQ(shown(60, 30), Background);
        EXPECT_EQ(shown(20, 50), Background);
    }
}

TEST_F(PlaybackTest, CircleFillsTheEllipseAndLeavesTheRectangleCornersAlone)
{
    setShapes(2, {TCoord{100, 100, 140, 120, "Circle", 255}});
    setFrames({frame(100, {{2, 0, 0, 15}})});
    playback.Button15Click();
    playback.Timer1Timer();
    EXPECT_EQ(shown(120, 110), QColor(0, 0, 255));
    EXPECT_EQ(shown(101, 110), QColor(0, 0, 255));
    EXPECT_EQ(shown(100, 100), Background);
    EXPECT_EQ(shown(139, 119), Background);
    EXPECT_EQ(shown(141, 110), Background);
}

TEST_F(PlaybackTest, CircleWithColourOfFrameBlendsAtItsOpacityAndEmptyRectanglesDrawNothing)
{
    setShapes(2,
              {TCoord{100, 100, 140, 120, "Circle", 100}, TCoord{10, 10, 10, 40, "Circle", 255},
               TCoord{50, 50, 40, 40, "Circle", 255}, TCoord{-1000000, -1000000, 2000000000, 2000000000, "Circle", 0}});
    setFrames({frame(100, {{2, 15, 15, 15}})});
    playback.Button15Click();
    playback.Timer1Timer();
    const double a = 100 / 255.0;
    EXPECT_NEAR(shown(120, 110).green(), 255 * a + 233 * (1 - a), 1.0);
    EXPECT_EQ(shown(10, 20), Background);
    EXPECT_EQ(shown(45, 45), Background);
    EXPECT_EQ(playback.PreviewFrame, 1);
}

TEST_F(PlaybackTest, ShapeNamesAreComparedWithLetterCase)
{
    setShapes(1, {TCoord{0, 0, 10, 10, "rectangle", 255}, TCoord{20, 0, 30, 10, "CIRCLE", 255},
                  TCoord{40, 0, 50, 10, "Rectangle", 255}});
    setFrames({frame(100, {{1, 15, 15, 15}})});
    playback.Button15Click();
    playback.Timer1Timer();
    EXPECT_EQ(shown(5, 5), Background);
    EXPECT_EQ(shown(25, 5), Background);
    EXPECT_EQ(shown(45, 5), QColor(Qt::white));
}

TEST_F(PlaybackTest, DevicePictureUnderElementsAndUnavailableOrAbsentElementsNotDrawn)
{
    setPicture("0", [] {
        QImage device(257, 425, QImage::Format_RGB32);
        device.fill(QColor(10, 20, 30));
        device.setPixelColor(200, 200, QColor(255, 0, 255));
        return device;
    }());
    setShapes(1, {TCoord{0, 0, 10, 10, "Rectangle", 255}});
    setShapes(2, {TCoord{20, 0, 30, 10, "Rectangle", 255}});
    profile.ElementAvailable[2] = false;
    setShapes(3, {TCoord{40, 0, 50, 10, "Rectangle", 255}});
    profile.ElementColors[3] = profiles::NotOnModel;
    setFrames({frame(100, {{1, 15, 15, 15}, {2, 15, 15, 15}, {3, 15, 15, 15}})});
    playback.Button15Click();
    playback.Timer1Timer();
    EXPECT_EQ(shown(5, 5), QColor(Qt::white));
    EXPECT_EQ(shown(25, 5), QColor(10, 20, 30));
    EXPECT_EQ(shown(45, 5), QColor(10, 20, 30));
    EXPECT_EQ(shown(200, 200), Background); // magenta left out of the device picture
}

TEST_F(PlaybackTest, OnOffStateCarriesThroughFramesWithoutEntriesAndResetsAtStart)
{
    QImage dot(4, 4, QImage::Format_RGB32);
    dot.fill(QColor(255, 0, 255));
    dot.setPixelColor(1, 1, QColor(255, 0, 0));
    setPicture("6", dot);
    profile.ElementColors[6] = 0x0000FF;
    setShapes(6, {TCoord{50, 60, 54, 64, "Rectangle", 255}});
    setFrames({frame(100, {{6, 15, 15, 15}}), frame(100, {}), frame(100, {{6, 0, 0, 0}}), frame(100, {})});

    playback.Button15Click();
    const bool expectedLit[] = {true, true, false, false};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        playback.Timer1Timer();
        EXPECT_EQ(shown(51, 61), expectedLit[i] ? QColor(255, 0, 0) : Background);
        EXPECT_EQ(shown(50, 60), Background); // magenta of the picture
        // The picture, not the shape's colour fill: no rectangle for on/off elements.
        EXPECT_EQ(shown(53, 63), Background);
    }

    // Lit at the stop; a new start begins unlit even on a frame without an entry.
    setFrames({frame(100, {{6, 0, 0, 1}}), frame(100, {})});
    controls.caption = "Play";
    playback.Button15Click();
    playback.Timer1Timer();
    EXPECT_TRUE(profile.ElementLit[6]);
    playback.Button15Click(); // stop
    setFrames({frame(100, {})});
    playback.Button15Click(); // start
    EXPECT_FALSE(profile.ElementLit[6]);
    playback.Timer1Timer();
    EXPECT_EQ(shown(51, 61), Background);
}

TEST_F(PlaybackTest, AnyFrameDrawnAloneLooksAsPlaybackShowsItOnReachingIt)
{
    QImage dot(4, 4, QImage::Format_RGB32);
    dot.fill(QColor(255, 0, 0));
    setPicture("6", dot);
    profile.ElementColors[6] = 0x0000FF;
    setShapes(6, {TCoord{50, 60, 54, 64, "Rectangle", 255}});
    setShapes(1, {TCoord{0, 0, 10, 10, "Rectangle", 255}});
    setFrames({frame(100, {{6, 15, 15, 15}, {1, 0, 15, 0}}), frame(100, {{1, 15, 0, 0}}), frame(100, {{6, 0, 0, 0}}),
               frame(100, {})});
    const model::TGlowshow &g = doc.Glowshows[0];
    const struct {
        std::size_t frame;
        QColor element1;
        bool lit;
    } cases[] = {
        {0, QColor(0, 255, 0), true}, {1, QColor(255, 0, 0), true}, {2, Background, false},
        {3, Background, false},       {200, Background, false},
    };
    playback.Button15Click();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.frame);
        QtDrawingSurface alone;
        alone.assignPicture("6", dot);
        alone.restore("6");
        drawGlowshowFrame(alone, profile, g, c.frame);
        EXPECT_EQ(alone.frontBuffer().pixelColor(5, 5), c.element1);
        EXPECT_EQ(alone.frontBuffer().pixelColor(51, 61), c.lit ? QColor(255, 0, 0) : Background);
        if (c.frame < g.Frames.size()) {
            playback.Timer1Timer();
            EXPECT_EQ(alone.frontBuffer(), surface.frontBuffer()) << "the same picture as playback's";
        }
    }
}

TEST_F(PlaybackTest, LitOnOffElementWithoutShapeIsSkippedAndTheTickGoesOn)
{
    QImage logo(4, 4, QImage::Format_RGB32);
    logo.fill(Qt::white);
    setPicture("5", logo);
    profile.ElementColors[5] = 0xFFFFFF;
    setShapes(5, {});
    setShapes(6, {TCoord{0, 0, 10, 10, "Rectangle", 255}});
    setFrames({frame(300, {{5, 15, 15, 15}, {6, 0, 15, 0}})});
    playback.Button15Click();
    playback.Timer1Timer();
    EXPECT_EQ(playback.PreviewFrame, 1);
    EXPECT_EQ(shown(5, 5), QColor(0, 255, 0));
    EXPECT_EQ(surface.Timer1()->interval(), 300);
}

TEST_F(PlaybackTest, ShapeCountLargerThanTheShapeListDrawsOnlyTheShapesThereAre)
{
    setShapes(1, {TCoord{0, 0, 10, 10, "Rectangle", 255}});
    profile.ShapeCounts[1] = 100;
    setFrames({frame(100, {{1, 15, 15, 15}})});
    playback.Button15Click();
    playback.Timer1Timer();
    EXPECT_EQ(shown(5, 5), QColor(Qt::white));
}

TEST_F(PlaybackTest, IntervalScalesWithSpeedAndZeroDurationKeepsIt)
{
    struct Case {
        int speed;
        int start;
        int interval;
    };
    for (const Case c : {Case{0, 100, 333}, Case{50, 150, 499}, Case{100, 200, 666}}) {
        SCOPED_TRACE(c.speed);
        EXPECT_EQ(scaledInterval(333, c.speed), c.interval);
        controls.caption = "Play";
        controls.speed = c.speed;
        setFrames({frame(333, {}), frame(0, {}), frame(333, {})});
        playback.Button15Click();
        EXPECT_EQ(surface.Timer1()->interval(), c.start);
        playback.Timer1Timer();
        EXPECT_EQ(surface.Timer1()->interval(), c.interval);
        playback.Timer1Timer();
        EXPECT_EQ(surface.Timer1()->interval(), c.interval);
        playback.Button15Click();
    }
    EXPECT_EQ(scaledInterval(65535, 100), 131070);
}

TEST_F(PlaybackTest, GlowshowEndsAtTheTickAfterItsLastFrame)
{
    setFrames({frame(100, {})});
    playback.Button15Click();
    playback.Timer1Timer();
    EXPECT_TRUE(surface.timerEnabled());
    playback.Timer1Timer();
    EXPECT_FALSE(surface.timerEnabled());
    EXPECT_EQ(controls.caption, "Play");
    EXPECT_TRUE(controls.editingEnabled);
}

TEST_F(PlaybackTest, GlowshowWithoutFramesStopsAtItsFirstTickWithoutDrawing)
{
    setFrames({});
    surface.fill(0);
    surface.flip();
    playback.Button15Click();
    ASSERT_EQ(controls.caption, "Stop");
    playback.Timer1Timer();
    EXPECT_EQ(controls.caption, "Play");
    EXPECT_FALSE(surface.timerEnabled());
    EXPECT_EQ(shown(0, 0), QColor(Qt::black));
}

TEST_F(PlaybackTest, PlayAndStopSwitchCaptionControlsAndTimer)
{
    setFrames({frame(100, {})});
    playback.Button15Click();
    EXPECT_TRUE(controls.dxDrawVisible);
    EXPECT_EQ(controls.caption, "Stop");
    EXPECT_FALSE(controls.editingEnabled);
    EXPECT_TRUE(surface.timerEnabled());
    EXPECT_EQ(playback.PreviewFrame, 0);
    playback.Button15Click();
    EXPECT_EQ(controls.caption, "Play");
    EXPECT_TRUE(controls.editingEnabled);
    EXPECT_FALSE(surface.timerEnabled());
}

TEST_F(PlaybackTest, PlayDoesNothingButShowTheSurfaceWithoutANormalGlowshow)
{
    struct Case {
        const char *name;
        bool loaded;
        std::uint8_t kind;
        std::uint8_t current;
    };
    for (const Case c : {Case{"no document", false, model::KindNormal, 0}, Case{"rhythm", true, model::KindRhythm, 0},
                         Case{"stale index", true, model::KindNormal, 7}}) {
        SCOPED_TRACE(c.name);
        setFrames({frame(100, {})});
        doc.Glowshows[0].Kind = c.kind;
        doc.CurrentGlowshow = c.current;
        controls = FakeControls{};
        controls.loaded = c.loaded;
        surface.fill(0);
        playback.Button15Click();
        EXPECT_TRUE(controls.dxDrawVisible);
        EXPECT_EQ(surface.backBuffer().pixelColor(0, 0), Background);
        EXPECT_EQ(controls.caption, "Play");
        EXPECT_TRUE(controls.editingEnabled);
        EXPECT_FALSE(surface.timerEnabled());
    }
}

TEST_F(PlaybackTest, EqualPlayAndStopCaptionsCanOnlyStop)
{
    profile.PlayCaption = profile.StopCaption = "";
    controls.caption = "";
    setFrames({frame(100, {})});
    playback.Button15Click();
    EXPECT_FALSE(surface.timerEnabled());
    EXPECT_TRUE(controls.editingEnabled);
}

TEST_F(PlaybackTest, GlowshowThatVanishesDuringPlaybackStops)
{
    setFrames({frame(100, {}), frame(100, {})});
    playback.Button15Click();
    doc.Glowshows.clear();
    playback.Timer1Timer();
    EXPECT_FALSE(surface.timerEnabled());
    EXPECT_EQ(controls.caption, "Play");
}

namespace {

// Fails every drawing operation of chosen frames, to test that playback cannot stall.
struct FailingSurface : QtDrawingSurface {
    bool failing = false;
    int flips = 0;
    void fillRectAlpha(const SurfaceRect &r, std::uint32_t c, int a) override
    {
        if (failing)
            throw std::runtime_error("surface lost");
        QtDrawingSurface::fillRectAlpha(r, c, a);
    }
    void flip() override
    {
        ++flips;
        QtDrawingSurface::flip();
    }
};

} // namespace

TEST(PlaybackFailure, FrameThatFailsIsRetriedOnceThenSkipped)
{
    model::TDocument doc;
    doc.Glowshows.resize(1);
    model::TGlowshow &g = doc.Glowshows[0];
    g.Frames = {frame(100, {{1, 15, 0, 0}}), frame(200, {{1, 0, 15, 0}})};
    g.FrameCount = 2;
    profiles::TProfile profile;
    profile.PlayCaption = "Play";
    profile.StopCaption = "Stop";
    profile.ElementAvailable[1] = true;
    profile.ShapeCounts[1] = 1;
    profile.Shapes[1] = {TCoord{0, 0, 10, 10, "Rectangle", 255}};
    FailingSurface surface;
    FakeControls controls;
    Playback playback(doc, profile, surface, controls);

    playback.Button15Click();
    surface.failing = true;
    playback.Timer1Timer();
    EXPECT_EQ(playback.PreviewFrame, 0);
    EXPECT_EQ(surface.flips, 0);
    EXPECT_EQ(surface.Timer1()->interval(), 100);
    playback.Timer1Timer();
    EXPECT_EQ(playback.PreviewFrame, 1);
    surface.failing = false;
    playback.Timer1Timer();
    EXPECT_EQ(surface.flips, 1);
    EXPECT_EQ(surface.frontBuffer().pixelColor(5, 5), QColor(0, 255, 0));
    playback.Timer1Timer();
    EXPECT_FALSE(surface.timerEnabled());
}

TEST(PlaybackHelpers, FindLabelIgnoresCaseAndTakesTheFirst)
{
    const std::vector<std::string> labels = {"(01) Incoming call", "(02) Alarm", "(02) ALARM"};
    EXPECT_EQ(findLabel(labels, "(02) alarm"), 1);
    EXPECT_EQ(findLabel(labels, "(01) INCOMING CALL"), 0);
    EXPECT_EQ(findLabel(labels, "(03) Alarm"), -1);
    EXPECT_EQ(findLabel({}, ""), -1);
}
