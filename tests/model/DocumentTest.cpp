#include "model/Document.h"

#include <gtest/gtest.h>

using namespace model;

namespace {

TFrame frameWith(std::initializer_list<std::uint8_t> elements)
{
    TFrame f;
    for (std::uint8_t e : elements)
        f.Entries.push_back({e, 1, 2, 3});
    f.EntryCount = std::uint8_t(f.Entries.size());
    return f;
}

TGlowshow normalWith(std::vector<TFrame> frames, std::uint8_t repeating)
{
    TGlowshow g;
    g.Kind = KindNormal;
    g.Frames = std::move(frames);
    g.FrameCount = std::uint8_t(g.Frames.size());
    g.Repeating = repeating;
    return g;
}

TGlowshow rhythmWith(std::uint8_t channels, std::uint8_t steps)
{
    TGlowshow g;
    g.Kind = KindRhythm;
    g.FrameCount = channels;
    g.StepCount = steps;
    for (std::uint8_t i = 0; i < channels; ++i) {
        TClubFrame c;
        c.Element = std::uint8_t(6 - i);
        c.StepCount = steps;
        c.Steps.resize(steps);
        g.Channels.push_back(c);
    }
    return g;
}

} // namespace

TEST(ScreenColor, WidensEachChannelAndPacksRedLowest)
{
    struct Case {
        std::uint8_t r, g, b;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {0, 0, 0, 0},
        {15, 0, 0, 255},
        {0, 15, 0, 65280},
        {0, 0, 15, 16711680},
        {1, 2, 3, 3351057},
        {8, 8, 8, 0x888888},
        {15, 15, 15, 0xFFFFFF},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ScreenColor(c.r, c.g, c.b), c.expected) << int(c.r) << "," << int(c.g) << "," << int(c.b);
}

TEST(FindEntry, FindsElementInCurrentNormalFrame)
{
    TDocument doc;
    doc.Glowshows.push_back(normalWith({frameWith({2}), frameWith({3, 1})}, 0));
    struct Case {
        std::uint8_t element, frame, expected;
    };
    const Case cases[] = {
        {1, 1, 1}, {3, 1, 0}, {2, 1, NoEntry}, {2, 0, 0}, {1, 0, NoEntry},
        {1, 2, NoEntry},   // frame past the end
        {1, 255, NoEntry}, // stale frame index
    };
    for (const Case &c : cases)
        EXPECT_EQ(doc.FindEntry(c.element, c.frame), c.expected)
            << "element " << int(c.element) << " frame " << int(c.frame);
}

TEST(FindEntry, FindsTheFirstOfDuplicateEntries)
{
    TDocument doc;
    doc.Glowshows.push_back(normalWith({frameWith({4, 2, 4})}, 0));
    EXPECT_EQ(doc.FindEntry(4, 0), 0);
}

TEST(FindEntry, IgnoresEntriesBeyondEntryCount)
{
    TDocument doc;
    TFrame f = frameWith({1, 2});
    f.EntryCount = 1;
    doc.Glowshows.push_back(normalWith({f}, 0));
    EXPECT_EQ(doc.FindEntry(2, 0), NoEntry);
    // A count larger than the array must not read past it.
    doc.Glowshows[0].Frames[0].EntryCount = 200;
    EXPECT_EQ(doc.FindEntry(2, 0), 1);
    EXPECT_EQ(doc.FindEntry(5, 0), NoEntry);
}

TEST(FindEntry, RhythmIgnoresTheFrameArgument)
{
    TDocument doc;
    doc.Glowshows.push_back(rhythmWith(3, 2)); // elements 6, 5, 4
    for (int frame : {0, 1, 7, 255}) {
        EXPECT_EQ(doc.FindEntry(6, std::uint8_t(frame)), 0);
        EXPECT_EQ(doc.FindEntry(4, std::uint8_t(frame)), 2);
        EXPECT_EQ(doc.FindEntry(1, std::uint8_t(frame)), NoEntry);
    }
}

TEST(FindEntry, ReturnsNoneForOtherKindsAndStaleGlowshow)
{
    TDocument doc;
    TGlowshow g = normalWith({frameWith({1})}, 0);
    g.Kind = 3;
    doc.Glowshows.push_back(g);
    EXPECT_EQ(doc.FindEntry(1, 0), NoEntry);
    doc.Glowshows[0].Kind = KindNormal;
    doc.CurrentGlowshow = 1;
    EXPECT_EQ(doc.FindEntry(1, 0), NoEntry);
    doc.Glowshows.clear();
    doc.CurrentGlowshow = 0;
    EXPECT_EQ(doc.FindEntry(1, 0), NoEntry);
}

TEST(ComputeStoredSize, CountsHeadersEntriesAndTail)
{
    struct Case {
        const char *name;
        TGlowshow glowshow;
        std::uint16_t expected;
    };
    const Case cases[] = {
        {"normal repeating", normalWith({frameWith({1}), frameWith({1, 2, 3})}, 1), 21},
        {"normal not repeating", normalWith({frameWith({1}), frameWith({1, 2, 3})}, 0), 18},
        {"normal empty", normalWith({}, 0), 0},
        {"normal empty repeating", normalWith({}, 1), 3},
        {"rhythm 2 channels 4 steps", rhythmWith(2, 4), 36},
        {"rhythm no steps", rhythmWith(3, 0), 18},
        {"rhythm wraps at 16 bits", rhythmWith(255, 255), std::uint16_t(255 * (6 + 3 * 255))},
    };
    for (const Case &c : cases) {
        TDocument doc;
        doc.Glowshows.push_back(c.glowshow);
        doc.Glowshows[0].StoredSize = 999;
        doc.ComputeStoredSize(0);
        EXPECT_EQ(doc.Glowshows[0].StoredSize, c.expected) << c.name;
    }
}

TEST(ComputeStoredSize, OtherKindIsZeroAndStaleIndexIsIgnored)
{
    TDocument doc;
    TGlowshow g = normalWith({frameWith({1})}, 1);
    g.Kind = 3;
    g.StoredSize = 77;
    doc.Glowshows.push_back(g);
    doc.ComputeStoredSize(0);
    EXPECT_EQ(doc.Glowshows[0].StoredSize, 0);
    doc.ComputeStoredSize(5); // names no glowshow: nothing happens
    EXPECT_EQ(doc.Glowshows.size(), 1u);
}

TEST(ComputeStoredSize, FramesMissingFromTheArrayCountAsEmpty)
{
    TDocument doc;
    TGlowshow g = normalWith({frameWith({1, 2})}, 0);
    g.FrameCount = 3; // the array is shorter than the count
    doc.Glowshows.push_back(g);
    doc.ComputeStoredSize(0);
    EXPECT_EQ(doc.Glowshows[0].StoredSize, 3 * 3 + 3 * 2);
}

TEST(ClearDocument, EmptiesGlowshowsButKeepsFileValuesAndTrailer)
{
    TDocument doc;
    doc.Glowshows.emplace_back();
    doc.GlowFile = {"a.pat", 12, 1};
    doc.HasTrailer = 1;
    doc.TrailerText1 = "x";
    doc.CurrentGlowshow = 3;
    doc.CurrentFrame = 4;
    doc.CurrentEntry = 5;
    doc.ClearDocument();
    EXPECT_TRUE(doc.Glowshows.empty());
    EXPECT_EQ(doc.CurrentGlowshow, 0);
    EXPECT_EQ(doc.CurrentFrame, 0);
    EXPECT_EQ(doc.CurrentEntry, 0);
    EXPECT_EQ(doc.GlowFile, (TGlowFile{"a.pat", 12, 1}));
    EXPECT_EQ(doc.HasTrailer, 1);
    EXPECT_EQ(doc.TrailerText1, "x");
}

TEST(CellAccess, EntryAndStepLookupsRejectStaleIndexes)
{
    TDocument doc;
    doc.Glowshows.push_back(normalWith({frameWith({1, 2})}, 0));
    EXPECT_NE(doc.entryAt(0, 1), nullptr);
    EXPECT_EQ(doc.entryAt(0, 2), nullptr);
    EXPECT_EQ(doc.entryAt(1, 0), nullptr);
    EXPECT_EQ(doc.stepAt(0, 0), nullptr); // not a rhythm glowshow
    doc.Glowshows.push_back(rhythmWith(2, 3));
    doc.CurrentGlowshow = 1;
    EXPECT_NE(doc.stepAt(1, 2), nullptr);
    EXPECT_EQ(doc.stepAt(1, 3), nullptr);
    EXPECT_EQ(doc.stepAt(2, 0), nullptr);
    EXPECT_EQ(doc.entryAt(0, 0), nullptr);
    doc.CurrentGlowshow = 9;
    EXPECT_EQ(doc.stepAt(0, 0), nullptr);
}
