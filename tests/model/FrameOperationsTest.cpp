#include "model/FrameOperations.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using model::TFrame;
using model::TFrameEntry;
using model::TGlowshow;

TFrame frameOf(std::vector<TFrameEntry> entries)
{
    TFrame f;
    f.EntryCount = std::uint8_t(entries.size());
    f.Entries.assign(entries.begin(), entries.end());
    return f;
}

TGlowshow normal(std::vector<TFrame> frames)
{
    TGlowshow g;
    g.Kind = model::KindNormal;
    g.FrameCount = std::uint8_t(frames.size());
    g.Frames = std::move(frames);
    return g;
}

TGlowshow rhythm(std::uint8_t steps, std::vector<std::uint8_t> elements)
{
    TGlowshow g;
    g.Kind = model::KindRhythm;
    g.StepCount = steps;
    for (std::uint8_t e : elements) {
        model::TClubFrame c;
        c.Element = e;
        c.StepCount = steps;
        c.Steps.assign(steps, model::TClubStep{5, 6, 7, 8});
        g.Channels.push_back(c);
    }
    g.FrameCount = std::uint8_t(g.Channels.size());
    return g;
}

// Each entry as element, red, green, blue.
std::vector<std::array<int, 4>> contents(const TFrame &f)
{
    std::vector<std::array<int, 4>> out;
    for (const TFrameEntry &e : f.Entries)
        out.push_back({e.Element, e.Red, e.Green, e.Blue});
    return out;
}

using Rows = std::vector<std::array<int, 4>>;

TEST(FrameOperations, AddEntryAppendsBlackEntryOnlyWhereMissing)
{
    TGlowshow g = normal({frameOf({}), frameOf({}), frameOf({{2, 1, 1, 1}, {1, 3, 3, 3}})});
    EXPECT_TRUE(model::addEntry(g, 2, 4));
    EXPECT_EQ(contents(g.Frames[2]), (Rows{{2, 1, 1, 1}, {1, 3, 3, 3}, {4, 0, 0, 0}}));
    EXPECT_EQ(g.Frames[2].EntryCount, 3);

    EXPECT_FALSE(model::addEntry(g, 2, 4)) << "second entry for an element";
    EXPECT_FALSE(model::addEntry(g, 3, 1)) << "frame past the end";
    EXPECT_EQ(g.Frames[2].EntryCount, 3);
    EXPECT_EQ(g.Frames.size(), 3u);
}

TEST(FrameOperations, AddEntryRefusesRhythmAndFullFrame)
{
    TGlowshow r = rhythm(2, {1});
    EXPECT_FALSE(model::addEntry(r, 0, 2));
    EXPECT_TRUE(r.Frames.empty());

    std::vector<TFrameEntry> many;
    for (int i = 0; i < 255; ++i)
        many.push_back({std::uint8_t(7 + i % 3), 0, 0, 0});
    TGlowshow g = normal({frameOf(many)});
    EXPECT_FALSE(model::addEntry(g, 0, 1));
    EXPECT_EQ(g.Frames[0].EntryCount, 255);
}

TEST(FrameOperations, RemoveEntryKeepsOrderOfTheRest)
{
    const struct {
        std::uint8_t element;
        bool removed;
        Rows after;
    } cases[] = {
        {3, true, {{1, 2, 2, 2}, {6, 3, 3, 3}}},
        {1, true, {{3, 1, 1, 1}, {6, 3, 3, 3}}},
        {6, true, {{3, 1, 1, 1}, {1, 2, 2, 2}}},
        {4, false, {{3, 1, 1, 1}, {1, 2, 2, 2}, {6, 3, 3, 3}}},
    };
    for (const auto &c : cases) {
        TGlowshow g = normal({frameOf({{3, 1, 1, 1}, {1, 2, 2, 2}, {6, 3, 3, 3}})});
        EXPECT_EQ(model::removeEntry(g, 0, c.element), c.removed) << int(c.element);
        EXPECT_EQ(contents(g.Frames[0]), c.after) << int(c.element);
        EXPECT_EQ(g.Frames[0].EntryCount, c.after.size()) << int(c.element);
    }
}

TEST(FrameOperations, EntriesBeyondEntryCountAreNotFoundAndDroppedOnChange)
{
    TFrame f = frameOf({{1, 1, 1, 1}, {2, 2, 2, 2}});
    f.EntryCount = 1;
    EXPECT_EQ(model::findFrameEntry(f, 2), model::NoEntry);
    TGlowshow g = normal({f});
    EXPECT_TRUE(model::addEntry(g, 0, 2));
    EXPECT_EQ(contents(g.Frames[0]), (Rows{{1, 1, 1, 1}, {2, 0, 0, 0}}));
    EXPECT_EQ(g.Frames[0].EntryCount, 2);
}

TEST(FrameOperations, AddToAllFramesFillsOnlyFramesWithoutTheElement)
{
    TGlowshow g = normal({frameOf({{2, 9, 9, 9}}), frameOf({{1, 1, 1, 1}}), frameOf({}), frameOf({{2, 8, 8, 8}}),
                          frameOf({})});
    model::addElementToAllFrames(g, 2);
    const std::vector<Rows> expected{
        {{2, 9, 9, 9}}, {{1, 1, 1, 1}, {2, 0, 0, 0}}, {{2, 0, 0, 0}}, {{2, 8, 8, 8}}, {{2, 0, 0, 0}}};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(contents(g.Frames[i]), expected[i]) << "frame " << i;
}

TEST(FrameOperations, AddToAllStepsAddsOneBlackChannelAndEvensStepCounts)
{
    TGlowshow g = rhythm(8, {1, 3});
    g.Channels[0].StepCount = 3; // as read from a file with uneven channels
    model::addElementToAllFrames(g, 4);
    ASSERT_EQ(g.FrameCount, 3);
    ASSERT_EQ(g.Channels.size(), 3u);
    EXPECT_EQ(g.Channels[0].Element, 1);
    EXPECT_EQ(g.Channels[1].Element, 3);
    const model::TClubFrame &added = g.Channels[2];
    EXPECT_EQ(added.Element, 4);
    EXPECT_EQ(added.UpperFrequency, 0);
    EXPECT_EQ(added.LowerFrequency, 0);
    ASSERT_EQ(added.Steps.size(), 8u);
    for (const model::TClubStep &s : added.Steps)
        EXPECT_EQ((std::array<int, 4>{s.Red, s.Green, s.Blue, s.Parameter}), (std::array<int, 4>{0, 0, 0, 0}));
    for (const model::TClubFrame &c : g.Channels)
        EXPECT_EQ(c.StepCount, 8);
    EXPECT_EQ(g.Channels[0].Steps[7].Parameter, 8) << "existing steps stay";

    model::addElementToAllFrames(g, 4);
    EXPECT_EQ(g.Channels.size(), 3u);
    EXPECT_EQ(g.FrameCount, 3);
}

TEST(FrameOperations, ClearBlacksOutOnlyTheElement)
{
    TGlowshow g = normal({frameOf({{3, 7, 7, 7}, {1, 8, 8, 8}, {2, 9, 9, 9}}), frameOf({{2, 4, 4, 4}})});
    model::clearElementInAllFrames(g, 1);
    EXPECT_EQ(contents(g.Frames[0]), (Rows{{3, 7, 7, 7}, {1, 0, 0, 0}, {2, 9, 9, 9}}));
    EXPECT_EQ(contents(g.Frames[1]), (Rows{{2, 4, 4, 4}}));
}

TEST(FrameOperations, CopyReachesOnlyFramesWhereTheSourceHasAnEntry)
{
    TGlowshow g = normal({frameOf({{1, 1, 2, 3}}), frameOf({{5, 0, 0, 15}}), frameOf({{5, 9, 9, 9}, {1, 4, 5, 6}})});
    model::copyElementInAllFrames(g, 1, 5);
    EXPECT_EQ(contents(g.Frames[0]), (Rows{{1, 1, 2, 3}, {5, 1, 2, 3}}));
    EXPECT_EQ(contents(g.Frames[1]), (Rows{{5, 0, 0, 15}}));
    EXPECT_EQ(contents(g.Frames[2]), (Rows{{5, 4, 5, 6}, {1, 4, 5, 6}}));
}

TEST(FrameOperations, FrameLevelCommandsLeaveRhythmGlowshowsAlone)
{
    const TGlowshow before = rhythm(4, {1, 2});
    TGlowshow g = before;
    model::removeElementFromAllFrames(g, 1);
    model::clearElementInAllFrames(g, 1);
    model::copyElementInAllFrames(g, 1, 2);
    EXPECT_FALSE(model::removeEntry(g, 0, 1));
    ASSERT_EQ(g.Channels.size(), 2u);
    for (std::size_t c = 0; c < 2; ++c)
        for (std::size_t s = 0; s < 4; ++s) {
            const model::TClubStep &a = g.Channels[c].Steps[s], &b = before.Channels[c].Steps[s];
            EXPECT_EQ((std::array<int, 4>{a.Red, a.Green, a.Blue, a.Parameter}),
                      (std::array<int, 4>{b.Red, b.Green, b.Blue, b.Parameter}));
        }
}

TEST(FrameOperations, FramesArrayShorterThanFrameCountIsNotOverrun)
{
    TGlowshow g = normal({frameOf({{1, 1, 1, 1}})});
    g.FrameCount = 4;
    model::addElementToAllFrames(g, 2);
    model::copyElementInAllFrames(g, 1, 3);
    model::removeElementFromAllFrames(g, 1);
    EXPECT_FALSE(model::addEntry(g, 3, 1));
    EXPECT_EQ(contents(g.Frames[0]), (Rows{{2, 0, 0, 0}, {3, 1, 1, 1}}));
}

} // namespace
