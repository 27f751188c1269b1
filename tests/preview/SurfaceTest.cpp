#include "preview/DXDraw.h"
#include "preview/QtDrawingSurface.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <cmath>

using preview::QtDrawingSurface;
using preview::SurfaceRect;

namespace {

QImage solid(int w, int h, QColor c)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(c);
    return image;
}

QColor at(const QtDrawingSurface &s, int x, int y)
{
    return s.backBuffer().pixelColor(x, y);
}

// The blended value of one channel, exact in real numbers; the surface may round either way.
void expectBlend(const QColor &got, const QColor &colour, const QColor &old, int alpha)
{
    const double a = alpha / 255.0;
    EXPECT_NEAR(got.red(), colour.red() * a + old.red() * (1 - a), 1.0);
    EXPECT_NEAR(got.green(), colour.green() * a + old.green() * (1 - a), 1.0);
    EXPECT_NEAR(got.blue(), colour.blue() * a + old.blue() * (1 - a), 1.0);
}

} // namespace

TEST(DrawingSurface, FillTakesTheDeviceValueWithRedInTheHighByte)
{
    QtDrawingSurface s;
    EXPECT_EQ(s.backBuffer().size(), QSize(257, 425));
    s.fill(0xECE9D8);
    EXPECT_EQ(at(s, 0, 0), QColor(236, 233, 216));
    EXPECT_EQ(at(s, 256, 424), QColor(236, 233, 216));
    s.fill(0x102030);
    EXPECT_EQ(at(s, 100, 100), QColor(0x10, 0x20, 0x30));
}

TEST(DrawingSurface, FillRectAlphaBlendsScreenColourWithRedInTheLowByte)
{
    struct Case {
        int alpha;
        bool changes;
        int effective;
    };
    const Case cases[] = {{0, false, 0},   {128, true, 128}, {255, true, 255},
                          {256, false, 0}, {-1, true, 255},  {300, true, 44}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.alpha);
        QtDrawingSurface s;
        s.fill(0x404040);
        s.fillRectAlpha({10, 20, 30, 40}, 0x0000FF, c.alpha); // pure red
        const QColor old(0x40, 0x40, 0x40);
        if (c.changes)
            expectBlend(at(s, 10, 20), QColor(255, 0, 0), old, c.effective);
        else
            EXPECT_EQ(at(s, 10, 20), old);
        expectBlend(at(s, 29, 39), c.changes ? QColor(255, 0, 0) : old, old, c.effective);
        // Right and bottom are exclusive.
        EXPECT_EQ(at(s, 30, 20), old);
        EXPECT_EQ(at(s, 10, 40), old);
        EXPECT_EQ(at(s, 9, 20), old);
    }
}

// Each channel blends with its own: (colour × a + old × (255 − a) + 127) / 255.
TEST(DrawingSurface, FillRectAlphaBlendsEachChannelWithItsOwn)
{
    struct Case {
        std::uint32_t background, screenColour; // 0x00RRGGBB, 0x00BBGGRR
        int alpha;
        QColor expected;
    };
    const Case cases[] = {
        {0x102030, 0x00FF8040, 110, QColor(0x25, 0x49, 0x89)},
        {0xF0E0D0, 0x00000000, 80, QColor(0xA5, 0x9A, 0x8F)},
        {0x00FF00, 0x000000FF, 200, QColor(0xC8, 0x37, 0x00)},
    };
    for (const Case &c : cases) {
        QtDrawingSurface s;
        s.fill(c.background);
        s.fillRectAlpha({0, 0, 3, 3}, c.screenColour, c.alpha);
        EXPECT_EQ(at(s, 2, 2), c.expected) << c.alpha;
    }
}

TEST(DrawingSurface, RectanglesOutsideOrEmptyAreClippedNotFaulted)
{
    QtDrawingSurface s;
    s.fill(0);
    const SurfaceRect rects[] = {
        {-100, -100, 5, 5}, {250, 420, 100000, 100000}, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX},
        {50, 50, 50, 60},   {60, 60, 50, 50},           {300, 0, 400, 10}};
    for (const SurfaceRect &r : rects)
        s.fillRectAlpha(r, 0xFFFFFF, 255);
    EXPECT_EQ(at(s, 0, 0), QColor(Qt::white));
    EXPECT_EQ(at(s, 256, 424), QColor(Qt::white));
    s.fill(0);
    s.fillRectAlpha({50, 50, 50, 60}, 0xFFFFFF, 255);
    s.fillRectAlpha({60, 60, 50, 50}, 0xFFFFFF, 255);
    EXPECT_EQ(at(s, 50, 50), QColor(Qt::black));
    EXPECT_EQ(at(s, 55, 55), QColor(Qt::black));
}

TEST(DrawingSurface, DrawLeavesOutTheTransparentColourOfEachImage)
{
    QtDrawingSurface s;
    QImage element = solid(4, 4, QColor(255, 0, 255));
    element.setPixelColor(1, 1, QColor(0, 200, 0));
    // The circle key is no transparent colour for the element images, and magenta none for Circle.
    element.setPixelColor(2, 2, QColor(204, 187, 170));
    s.assignPicture("3", element);
    s.restore("3");
    QImage circle = solid(4, 4, QColor(204, 187, 170));
    circle.setPixelColor(0, 0, QColor(255, 0, 255));
    s.assignPicture("Circle", circle);
    s.restore("Circle");

    s.fill(0x000000);
    s.draw("3", 100, 200);
    s.draw("Circle", 10, 10);
    EXPECT_EQ(at(s, 100, 200), QColor(Qt::black));
    EXPECT_EQ(at(s, 101, 201), QColor(0, 200, 0));
    EXPECT_EQ(at(s, 102, 202), QColor(204, 187, 170));
    EXPECT_EQ(at(s, 10, 10), QColor(255, 0, 255));
    EXPECT_EQ(at(s, 11, 11), QColor(Qt::black));
}

TEST(DrawingSurface, ImageWithoutPictureDrawsNothingAndUnknownNamesThrow)
{
    QtDrawingSurface s;
    s.fill(0x112233);
    s.draw("5", 0, 0);
    s.drawAlpha("5", {0, 0, 50, 50}, 255);
    EXPECT_EQ(at(s, 0, 0), QColor(0x11, 0x22, 0x33));
    EXPECT_THROW(s.draw("7", 0, 0), std::out_of_range);
    EXPECT_THROW(s.assignPicture("circle", QImage()), std::out_of_range);
}

TEST(DrawingSurface, PictureBecomesDrawableOnlyOnRestore)
{
    QtDrawingSurface s;
    s.assignPicture("1", solid(2, 2, Qt::red));
    s.restore("1");
    s.assignPicture("1", solid(2, 2, Qt::blue));
    s.fill(0);
    s.draw("1", 0, 0);
    EXPECT_EQ(at(s, 0, 0), QColor(Qt::red));
    s.restore("1");
    s.draw("1", 0, 0);
    EXPECT_EQ(at(s, 0, 0), QColor(Qt::blue));
}

TEST(DrawingSurface, DrawAlphaScalesIntoTheRectangleAndBlends)
{
    QtDrawingSurface s;
    QImage pic = solid(2, 2, QColor(255, 0, 255));
    pic.setPixelColor(0, 0, QColor(0, 0, 255));
    pic.setPixelColor(1, 1, QColor(255, 255, 0));
    s.assignPicture("2", pic);
    s.restore("2");

    s.fill(0x000000);
    s.drawAlpha("2", {10, 10, 30, 30}, 255);
    EXPECT_EQ(at(s, 10, 10), QColor(0, 0, 255));
    EXPECT_EQ(at(s, 19, 19), QColor(0, 0, 255));
    EXPECT_EQ(at(s, 20, 20), QColor(255, 255, 0));
    EXPECT_EQ(at(s, 29, 29), QColor(255, 255, 0));
    EXPECT_EQ(at(s, 25, 12), QColor(Qt::black)); // transparent quarter
    EXPECT_EQ(at(s, 30, 30), QColor(Qt::black));

    s.fill(0x000000);
    s.drawAlpha("2", {10, 10, 30, 30}, 1000);
    EXPECT_EQ(at(s, 10, 10), QColor(0, 0, 255));

    s.fill(0x000000);
    s.drawAlpha("2", {10, 10, 30, 30}, 100);
    expectBlend(at(s, 12, 12), QColor(0, 0, 255), QColor(Qt::black), 100);

    for (int alpha : {0, -5}) {
        s.fill(0x000000);
        s.drawAlpha("2", {10, 10, 30, 30}, alpha);
        EXPECT_EQ(at(s, 12, 12), QColor(Qt::black));
    }
    s.drawAlpha("2", {30, 30, 10, 10}, 255);
    s.drawAlpha("2", {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, 255);
}

TEST(DrawingSurface, FlipShowsTheWholeBackBufferOnlyWhenCalled)
{
    QtDrawingSurface s;
    s.fill(0x000000);
    s.flip();
    s.fillRectAlpha({0, 0, 10, 10}, 0xFFFFFF, 255);
    EXPECT_EQ(s.frontBuffer().pixelColor(0, 0), QColor(Qt::black));
    s.flip();
    EXPECT_EQ(s.frontBuffer(), s.backBuffer());
}

TEST(DrawingSurface, TimerRunsOnlyWhileEnabledAndApplicationActive)
{
    QtDrawingSurface s;
    QTimer *t = s.Timer1();
    EXPECT_EQ(t->objectName(), "Timer1");
    EXPECT_EQ(t->timerType(), Qt::PreciseTimer);
    EXPECT_FALSE(t->isActive());

    // Without a shown window the offscreen application may not count as active.
    s.setApplicationActive(true);
    s.setTimerInterval(5000);
    s.setTimerEnabled(true);
    EXPECT_TRUE(t->isActive());
    s.setApplicationActive(false);
    EXPECT_FALSE(t->isActive());
    EXPECT_TRUE(s.timerEnabled());
    s.setApplicationActive(true);
    ASSERT_TRUE(t->isActive());
    // A full interval after the return.
    EXPECT_GT(t->remainingTime(), 4900);

    s.setTimerEnabled(false);
    s.setApplicationActive(false);
    s.setTimerEnabled(true);
    EXPECT_FALSE(t->isActive());
    s.setApplicationActive(true);
    EXPECT_TRUE(t->isActive());
}

TEST(DrawingSurface, TimerTicksEmitTheTickSignal)
{
    QtDrawingSurface s;
    int ticks = 0;
    QObject::connect(&s, &QtDrawingSurface::tick, [&] { ++ticks; });
    s.setApplicationActive(true);
    s.setTimerInterval(1);
    s.setTimerEnabled(true);
    QTimer guard;
    guard.setSingleShot(true);
    guard.start(2000);
    while (ticks < 2 && guard.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_GE(ticks, 2);
}

TEST(DrawingSurface, DXDrawShowsTheLastFlippedPictureOnly)
{
    QtDrawingSurface s;
    preview::DXDraw widget(&s);
    EXPECT_EQ(widget.objectName(), "DXDraw");
    EXPECT_EQ(widget.minimumSizeHint(), QSize(257, 425));
    widget.resize(widget.minimumSizeHint());
    EXPECT_TRUE(widget.isHidden());
    s.fill(0x0000FF);
    s.flip();
    s.fill(0xFF0000); // not flipped: never shown
    const QImage shown = widget.grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(shown.pixelColor(256, 424), QColor(0, 0, 255));
}
