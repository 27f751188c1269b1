#include "effects/EffectText.h"
#include "effects/Random.h"
#include "model/Clip.h"

#include <gtest/gtest.h>

namespace {

using namespace effects;

struct CellCase {
    const char *effect; // as the command line and presets write it
    std::vector<std::uint32_t> durations;
    std::vector<std::uint8_t> elements;
    int frame;
    int index; // into elements
    const char *expected;
    std::uint8_t onOffElement = 0; // 1..6: that element is an on/off one
};

std::string cellOf(const CellCase &c)
{
    std::string error;
    const std::optional<EffectParameters> p = parseEffectText(c.effect, &error);
    if (!p)
        return "parse error: " + error;
    EffectRange range{c.durations, c.elements, {}};
    if (c.onOffElement)
        range.onOff[c.onOffElement - 1u] = true;
    const EffectCells cells = computeEffect(*p, range);
    if (c.frame >= cells.frames)
        return "no such frame";
    return model::colourText(cells.at(c.frame, c.index));
}

void expectCells(const std::vector<CellCase> &cases)
{
    for (const CellCase &c : cases)
        EXPECT_EQ(cellOf(c), c.expected) << c.effect << " frame " << c.frame << " index " << c.index;
}

const std::vector<std::uint32_t> Five(5, 100);
const std::vector<std::uint8_t> One{1};
const std::vector<std::uint8_t> Six{1, 2, 3, 4, 5, 6};

TEST(EffectsTest, SplitMix64GivesItsPublishedOutputs)
{
    EXPECT_EQ(splitMix64(0, 0), 0xE220A8397B1DCDAFull);
    EXPECT_EQ(splitMix64(0, 1), 0x6E789E6AA1B965F4ull);
    EXPECT_EQ(splitMix64(0, 2), 0x06C45D188009454Full);
    EXPECT_EQ(scaledDraw(splitMix64(0, 0), 100), 88);
    EXPECT_EQ(scaledDraw(~0ull, 100), 99);
    EXPECT_EQ(scaledDraw(0, 100), 0);
}

TEST(EffectsTest, GradientPlacesFramesByStartTimeWithExactEnds)
{
    expectCells({
        {"gradient colours=#F00,#00F", Five, One, 0, 0, "#F00"},
        {"gradient colours=#F00,#00F", Five, One, 1, 0, "#B04"}, // 11.25, 3.75 rounded
        {"gradient colours=#F00,#00F", Five, One, 2, 0, "#808"}, // 7.5 rounds up
        {"gradient colours=#F00,#00F", Five, One, 4, 0, "#00F"},
        {"gradient colours=#000,#F00", {100, 300, 100, 100}, One, 1, 0, "#300"}, // starts 0 100 400 500
        {"gradient colours=#000,#F00", {100, 300, 100, 100}, One, 2, 0, "#C00"},
        {"gradient colours=#000,#F00", {100, 300, 100, 100}, One, 3, 0, "#F00"},
        {"gradient colours=#000,#F00", {100, 100, 0}, One, 1, 0, "#800"}, // the last length plays no part
        {"gradient colours=#000,#F00", {0, 0, 0}, One, 1, 0, "#800"},     // no lengths: equal places
        {"gradient colours=#F00,#0F0,#00F", Five, One, 1, 0, "#880"},
        {"gradient colours=#F00,#0F0,#00F", Five, One, 2, 0, "#0F0"},
        {"gradient colours=#F00,#00F", {100}, One, 0, 0, "#F00"},
        {"gradient", {100, 100}, One, 1, 0, "#000"}, // white to black by default
    });
}

TEST(EffectsTest, GradientBlendsAndEasings)
{
    const std::vector<std::uint32_t> three(3, 100);
    expectCells({
        {"gradient colours=#F00,#0F0", three, One, 1, 0, "#880"},
        {"gradient colours=#F00,#0F0 blend=hsv", three, One, 1, 0, "#FF0"},      // through yellow
        {"gradient colours=#F00,#0F0 blend=hsv-long", three, One, 1, 0, "#00F"}, // the long way, through blue
        {"gradient colours=#F00,#0F0 blend=hsv", three, One, 2, 0, "#0F0"},
        {"gradient colours=#F00,#000 blend=hsv", three, One, 1, 0, "#800"}, // black keeps red's hue
        {"gradient colours=#000,#F00 ease=in", three, One, 1, 0, "#400"},   // 3.75
        {"gradient colours=#000,#F00 ease=out", three, One, 1, 0, "#B00"},  // 11.25
        {"gradient colours=#000,#F00 ease=in-out", three, One, 1, 0, "#800"},
        {"gradient colours=#000,#F00 ease=in", three, One, 0, 0, "#000"},
        {"gradient colours=#000,#F00 ease=in", three, One, 2, 0, "#F00"},
        {"gradient colours=#000,#F00 ease=out", three, One, 2, 0, "#F00"},
        {"gradient colours=#000,#F00 ease=in-out", three, One, 2, 0, "#F00"},
    });
}

TEST(EffectsTest, PeriodicEffectsPlaceFramesByStartOverTotal)
{
    const std::vector<std::uint32_t> four(4, 100), six(6, 100), eight(8, 100);
    expectCells({
        {"pulse colours=#000,#F00", four, One, 0, 0, "#000"},
        {"pulse colours=#000,#F00", four, One, 1, 0, "#800"},
        {"pulse colours=#000,#F00", four, One, 2, 0, "#F00"}, // colour 2 halfway
        {"pulse colours=#000,#F00", four, One, 3, 0, "#800"},
        {"pulse colours=#000,#F00", eight, One, 1, 0, "#200"}, // eased in and out: 1.875
        {"pulse colours=#000,#F00 ease=linear", eight, One, 1, 0, "#400"},
        {"pulse colours=#000,#F00 cycles=2", four, One, 1, 0, "#F00"},
        {"pulse colours=#000,#F00 cycles=2", four, One, 2, 0, "#000"},
        {"blink colours=#F00,#00F cycles=3", six, One, 0, 0, "#F00"},
        {"blink colours=#F00,#00F cycles=3", six, One, 1, 0, "#00F"},
        {"blink colours=#F00,#00F cycles=3", six, One, 4, 0, "#F00"},
        {"blink colours=#F00,#00F cycles=3", six, One, 5, 0, "#00F"},
        {"blink colours=#F00,#00F duty=25", four, One, 0, 0, "#F00"},
        {"blink colours=#F00,#00F duty=25", four, One, 1, 0, "#00F"}, // a quarter is not below a quarter
        {"blink colours=#F00,#00F", {300, 100, 100, 100}, One, 1, 0, "#00F"},
        {"blink colours=#F00,#00F duty=0", four, One, 0, 0, "#00F"},
        {"blink colours=#F00,#00F duty=100", four, One, 3, 0, "#F00"},
        {"rainbow", six, One, 0, 0, "#F00"},
        {"rainbow", six, One, 1, 0, "#FF0"},
        {"rainbow", six, One, 3, 0, "#0FF"},
        {"rainbow", six, One, 5, 0, "#F0F"},
        {"rainbow", std::vector<std::uint32_t>(12, 50), One, 3, 0, "#8F0"}, // hue 90
        {"rainbow spread=120", six, {1, 2, 3}, 0, 1, "#0F0"},
        {"rainbow spread=120", six, {1, 2, 3}, 0, 2, "#00F"},
        {"rainbow cycles=2", six, One, 3, 0, "#F00"},
        {"heartbeat colours=#F00,#000", std::vector<std::uint32_t>(20, 100), One, 0, 0, "#F00"},
        {"heartbeat colours=#F00,#000", std::vector<std::uint32_t>(20, 100), One, 10, 0, "#000"},
    });
}

TEST(EffectsTest, ChaseRunsOverTheElementsInTheirGivenOrder)
{
    const std::vector<std::uint32_t> six(6, 100), ten(10, 100);
    const char *one = "chase colours=#F00,#000";
    std::vector<CellCase> cases;
    for (int k = 0; k < 6; ++k)
        for (int i = 0; i < 6; ++i)
            cases.push_back({one, six, Six, k, i, i == k ? "#F00" : "#000"});
    // Bounce with width 1 over six elements: 0 1 2 3 4 5 4 3 2 1.
    const int bounce[] = {0, 1, 2, 3, 4, 5, 4, 3, 2, 1};
    for (int k = 0; k < 10; ++k)
        for (int i = 0; i < 6; ++i)
            cases.push_back(
                {"chase colours=#F00,#000 direction=bounce", ten, Six, k, i, i == bounce[k] ? "#F00" : "#000"});
    cases.insert(cases.end(), {
                                  {one, six, {3, 1, 2, 6, 5, 4}, 0, 0, "#F00"},
                                  {one, six, {3, 1, 2, 6, 5, 4}, 0, 1, "#000"},
                                  {"chase colours=#F00,#000 direction=backward", six, Six, 0, 5, "#F00"},
                                  {"chase colours=#F00,#000 direction=backward", six, Six, 1, 4, "#F00"},
                                  {"chase colours=#F00,#000 width=2", six, Six, 5, 5, "#F00"},
                                  {"chase colours=#F00,#000 width=2", six, Six, 5, 0, "#F00"}, // wraps round
                                  {"chase colours=#F00,#000 width=2", six, Six, 5, 1, "#000"},
                                  {"chase colours=#F00,#000 cycles=2", six, Six, 3, 0, "#F00"},
                                  {"chase colours=#F00,#000 width=6", six, Six, 2, 4, "#F00"},
                              });
    expectCells(cases);
}

TEST(EffectsTest, RandomEffectsFollowTheSeed)
{
    const std::vector<std::uint32_t> two(2, 100);
    // Seed 0's first draws are 88, 43 and 2 of 100 (SplitMix64 outputs 0, 1, 2).
    expectCells({
        {"twinkle colours=#F00,#00F seed=0 density=88", two, {1, 2, 3}, 0, 0, "#00F"},
        {"twinkle colours=#F00,#00F seed=0 density=89", two, {1, 2, 3}, 0, 0, "#F00"},
        {"twinkle colours=#F00,#00F seed=0 density=43", two, {1, 2, 3}, 0, 1, "#00F"},
        {"twinkle colours=#F00,#00F seed=0 density=3", two, {1, 2, 3}, 0, 2, "#F00"},
        {"twinkle colours=#F00,#00F seed=0 density=3", two, {3, 2, 1}, 0, 0, "#F00"}, // a cell's draw is its own
        {"twinkle colours=#F00,#00F density=0", two, Six, 1, 3, "#00F"},
        {"twinkle colours=#F00,#00F density=100", two, Six, 1, 3, "#F00"},
        {"flicker colours=#F00 seed=0 low=0", two, {1, 2}, 0, 0, "#D00"}, // 89 %
        {"flicker colours=#F00 seed=0 low=0", two, {1, 2}, 0, 1, "#600"}, // 43 %
        {"flicker colours=#F00 seed=5 low=100", two, Six, 1, 2, "#F00"},
    });
    EffectParameters p;
    p.effect = Effect::Twinkle;
    const EffectRange range{std::vector<std::uint32_t>(255, 100), Six, {}};
    p.seed = 1;
    const EffectCells first = computeEffect(p, range);
    EXPECT_EQ(computeEffect(p, range).colours, first.colours);
    p.seed = 2;
    EXPECT_NE(computeEffect(p, range).colours, first.colours);
}

TEST(EffectsTest, OnOffElementsGetOnlyOnOrOff)
{
    const std::vector<std::uint32_t> four(4, 100);
    expectCells({
        {"blink colours=#100,#FFF", four, One, 0, 0, "#FFF", 1}, // colour 1, however dark
        {"blink colours=#100,#FFF", four, One, 2, 0, "#000", 1},
        {"chase colours=#F00,#000", four, {1, 2}, 0, 1, "#000", 2},
        {"gradient colours=#000,#F00", Five, One, 1, 0, "#000", 1}, // 3.75 of 15
        {"gradient colours=#000,#F00", Five, One, 2, 0, "#FFF", 1}, // 7.5: half as bright
        {"gradient colours=#000,#000", Five, One, 2, 0, "#000", 1},
        {"gradient colours=#000,#F00", Five, {1, 2}, 1, 1, "#400"}, // only the on/off element
        {"rainbow", four, One, 2, 0, "#FFF", 1},
        {"flicker colours=#F00 seed=0 low=0", four, {1, 2}, 0, 1, "#000", 2}, // 43 %
        {"solid colours=#020", four, One, 3, 0, "#FFF", 1},
    });
}

TEST(EffectsTest, WashSpreadsTheStopsOverTheElements)
{
    expectCells({
        {"wash colours=#F00,#00F", Five, {4, 5, 6}, 0, 0, "#F00"},
        {"wash colours=#F00,#00F", Five, {4, 5, 6}, 3, 1, "#808"},
        {"wash colours=#F00,#00F", Five, {4, 5, 6}, 4, 2, "#00F"},
    });
}

TEST(EffectsTest, NothingToFillGivesNoCells)
{
    EffectParameters p;
    EXPECT_EQ(computeEffect(p, {{}, Six, {}}).frames, 0);
    EXPECT_EQ(computeEffect(p, {Five, {}, {}}).frames, 0);
    EXPECT_EQ(computeEffect(p, {Five, {0, 1}, {}}).frames, 0);
}

} // namespace
