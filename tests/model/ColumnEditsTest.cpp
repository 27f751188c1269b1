#include "model/ColumnEdits.h"
#include "model/Clip.h"
#include "model/GlowFile.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace model;

TFrame frameOf(std::uint16_t duration, std::vector<TFrameEntry> entries)
{
    TFrame f;
    f.Duration = duration;
    for (const TFrameEntry &e : entries)
        f.Entries.push_back(e);
    f.EntryCount = std::uint8_t(f.Entries.size());
    return f;
}

// Four frames: element 1 fades up in red, element 3 comes and goes, element 2 is green in
// frame 0 only; entries stored out of element order.
TGlowshow fourFrames()
{
    TGlowshow g;
    g.Kind = KindNormal;
    g.Frames = {frameOf(100, {{3, 0, 0, 15}, {1, 0, 0, 0}, {2, 0, 15, 0}}), frameOf(200, {{1, 5, 0, 0}}),
                frameOf(300, {{1, 10, 0, 0}, {3, 1, 1, 1}}), frameOf(400, {{1, 15, 0, 0}})};
    g.FrameCount = 4;
    return g;
}

// Channels for elements 1 and 2, stored with 2 and 4 steps as a file may hold them: the reader
// lengthens the shorter one with zero steps and keeps its own count.
TGlowshow oddRhythm()
{
    TGlowshow g;
    g.Kind = KindRhythm;
    g.FrameCount = 2;
    g.StepCount = 4;
    TClubFrame a{1, 2, 1000, 200, {{15, 0, 0, 5}, {0, 15, 0, 10}, {}, {}}};
    TClubFrame b{2, 4, 300, 40, {{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}, {4, 4, 4, 4}}};
    g.Channels = {a, b};
    return g;
}

TGlowshow longNormal(int frames)
{
    TGlowshow g;
    g.Kind = KindNormal;
    for (int i = 0; i < frames; ++i)
        g.Frames.push_back(frameOf(std::uint16_t(i), {{1, std::uint8_t(i % 16), 0, 0}}));
    g.FrameCount = std::uint8_t(frames);
    return g;
}

TDocument docOf(TGlowshow g)
{
    TDocument doc;
    doc.Glowshows = {std::move(g), longNormal(1)};
    doc.GlowFile.GlowshowCount = 2;
    return doc;
}

std::string gridOf(const TGlowshow &g)
{
    const int count = columnCount(g);
    return count == 0 ? std::string() : clipText(copyClip(g, {0, count - 1, 1, 6}));
}

std::vector<int> durationsOf(const TGlowshow &g)
{
    std::vector<int> out;
    for (const TFrame &f : g.Frames)
        out.push_back(f.Duration);
    return out;
}

// Applies, reverts and applies again: revert must give back the document (and its bytes)
// exactly, the second apply the same result as the first.
void checkUndoRedo(TDocument &doc, SpliceColumns edit, const std::string &label)
{
    // Encoding recomputes the stored sizes: compare documents only after it.
    const std::vector<std::uint8_t> openedBytes = EncodeGlowFile(doc);
    const TDocument opened = doc;
    edit.apply(doc);
    const std::vector<std::uint8_t> editedBytes = EncodeGlowFile(doc);
    const TDocument edited = doc;
    edit.revert(doc);
    EXPECT_EQ(EncodeGlowFile(doc), openedBytes) << label;
    EXPECT_TRUE(doc == opened) << label;
    edit.apply(doc);
    EXPECT_EQ(EncodeGlowFile(doc), editedBytes) << label;
    EXPECT_TRUE(doc == edited) << label;
}

using Build = std::function<std::optional<SpliceColumns>(const TDocument &)>;

TEST(ColumnEdits, FrameCommandsOnANormalGlowshowGiveTheGridAndDurationsAndUndoToTheBytes)
{
    const struct {
        const char *name;
        Build build;
        std::string grid; // rows of elements 1, 2, 3 (4..6 stay empty)
        std::vector<int> durations;
    } cases[] = {
        {"insert before 1",
         [](const TDocument &d) { return insertColumn(d, 0, 1, false); },
         "#000\t#000\t#500\t#A00\t#F00\n#0F0\t\t\t\t\n#00F\t\t\t#111\t\n",
         {100, 200, 200, 300, 400}},
        {"insert after last",
         [](const TDocument &d) { return insertColumn(d, 0, 3, true); },
         "#000\t#500\t#A00\t#F00\t#000\n#0F0\t\t\t\t\n#00F\t\t#111\t\t\n",
         {100, 200, 300, 400, 400}},
        {"insert keeps elements of 0",
         [](const TDocument &d) { return insertColumn(d, 0, 0, true); },
         "#000\t#000\t#500\t#A00\t#F00\n#0F0\t#000\t\t\t\n#00F\t#000\t\t#111\t\n",
         {100, 100, 200, 300, 400}},
        {"duplicate 1..2",
         [](const TDocument &d) { return duplicateColumns(d, 0, 1, 2); },
         "#000\t#500\t#A00\t#500\t#A00\t#F00\n#0F0\t\t\t\t\t\n#00F\t\t#111\t\t#111\t\n",
         {100, 200, 300, 200, 300, 400}},
        {"delete 1..2",
         [](const TDocument &d) { return deleteColumns(d, 0, 1, 2); },
         "#000\t#F00\n#0F0\t\n#00F\t\n",
         {100, 400}},
        {"delete all", [](const TDocument &d) { return deleteColumns(d, 0, 0, 3); }, "", {}},
        {"move 1..2 left",
         [](const TDocument &d) { return moveColumns(d, 0, 1, 2, -1); },
         "#500\t#A00\t#000\t#F00\n\t\t#0F0\t\n\t#111\t#00F\t\n",
         {200, 300, 100, 400}},
        {"move 1..2 right",
         [](const TDocument &d) { return moveColumns(d, 0, 1, 2, 1); },
         "#000\t#F00\t#500\t#A00\n#0F0\t\t\t\n#00F\t\t\t#111\n",
         {100, 400, 200, 300}},
        {"clear rows 1..2 of 0..1",
         [](const TDocument &d) {
             return clearRange(d, 0, {0, 1, 1, 2});
         },
         "\t\t#A00\t#F00\n\t\t\t\n#00F\t\t#111\t\n",
         {100, 200, 300, 400}},
        {"fill row 3",
         [](const TDocument &d) {
             return fillRange(d, 0, {0, 3, 3, 3}, {8, 4, 2});
         },
         "#000\t#500\t#A00\t#F00\n#0F0\t\t\t\n#842\t#842\t#842\t#842\n",
         {100, 200, 300, 400}},
        {"fade rows 1..3 of 0..2",
         [](const TDocument &d) {
             return fadeRange(d, 0, {0, 2, 1, 3}, {});
         },
         "#000\t#500\t#A00\t#F00\n#0F0\t\t\t\n#00F\t#118\t#111\t\n",
         {100, 200, 300, 400}},
        {"durations",
         [](const TDocument &d) { return setDurations(d, 0, 1, 3, spreadDuration(1000, 3)); },
         "#000\t#500\t#A00\t#F00\n#0F0\t\t\t\n#00F\t\t#111\t\n",
         {100, 334, 333, 333}},
    };
    for (const auto &c : cases) {
        TDocument doc = docOf(fourFrames());
        std::optional<SpliceColumns> edit = c.build(doc);
        ASSERT_TRUE(edit) << c.name;
        checkUndoRedo(doc, *edit, c.name);
        std::string expected = c.grid;
        if (!expected.empty()) {
            const auto tabs = std::count(c.grid.begin(), c.grid.begin() + c.grid.find('\n'), '\t');
            for (int r = 0; r < 3; ++r)
                expected += std::string(std::size_t(tabs), '\t') + "\n";
        }
        EXPECT_EQ(gridOf(doc.Glowshows[0]), expected) << c.name;
        EXPECT_EQ(durationsOf(doc.Glowshows[0]), c.durations) << c.name;
        EXPECT_EQ(doc.Glowshows[0].FrameCount, c.durations.size()) << c.name;
    }
}

TEST(ColumnEdits, NewEntriesGoAtTheEndOfAFrameAndInsertedFramesKeepTheEntryOrder)
{
    TDocument doc = docOf(fourFrames());
    insertColumn(doc, 0, 0, false)->apply(doc);
    EXPECT_EQ(doc.Glowshows[0].Frames[0].Entries, (FrameEntries{{3, 0, 0, 0}, {1, 0, 0, 0}, {2, 0, 0, 0}}));
    fillRange(doc, 0, {2, 2, 1, 4}, {1, 2, 3})->apply(doc);
    EXPECT_EQ(doc.Glowshows[0].Frames[2].Entries,
              (FrameEntries{{1, 1, 2, 3}, {2, 1, 2, 3}, {3, 1, 2, 3}, {4, 1, 2, 3}}));
}

TEST(ColumnEdits, OnOffRowsFadeToTheNearerEnd)
{
    TGlowshow g = longNormal(0);
    for (int i = 0; i < 5; ++i)
        g.Frames.push_back(frameOf(10, {{5, 0, 0, 0}, {6, 0, 0, 0}}));
    g.Frames[4].Entries[0] = {5, 15, 15, 15};
    g.Frames[4].Entries[1] = {6, 15, 15, 15};
    g.FrameCount = 5;
    TDocument doc = docOf(g);
    OnOffElements onOff{};
    onOff[4] = true;
    fadeRange(doc, 0, {0, 4, 5, 6}, onOff)->apply(doc);
    EXPECT_EQ(clipText(copyClip(doc.Glowshows[0], {0, 4, 5, 6})),
              "#000\t#000\t#000\t#FFF\t#FFF\n#000\t#444\t#888\t#BBB\t#FFF\n");
}

TEST(ColumnEdits, RhythmStepsMoveInEveryChannelAndChannelCountsBecomeEvenUntilUndone)
{
    const struct {
        const char *name;
        Build build;
        std::string rows; // elements 1 and 2
    } cases[] = {
        {"insert after 0", [](const TDocument &d) { return insertColumn(d, 0, 0, true); },
         "#F00\t#000\t#0F0\t#000\t#000\n#111\t#000\t#222\t#333\t#444\n"},
        {"duplicate 0", [](const TDocument &d) { return duplicateColumns(d, 0, 0, 0); },
         "#F00\t#F00\t#0F0\t#000\t#000\n#111\t#111\t#222\t#333\t#444\n"},
        {"delete 1..3", [](const TDocument &d) { return deleteColumns(d, 0, 1, 3); }, "#F00\n#111\n"},
        {"move 3 left", [](const TDocument &d) { return moveColumns(d, 0, 3, 3, -1); },
         "#F00\t#0F0\t#000\t#000\n#111\t#222\t#444\t#333\n"},
        {"clear row 1",
         [](const TDocument &d) {
             return clearRange(d, 0, {0, 1, 1, 1});
         },
         "#000\t#000\t#000\t#000\n#111\t#222\t#333\t#444\n"},
        {"fill row 2 and absent 3",
         [](const TDocument &d) {
             return fillRange(d, 0, {1, 2, 2, 3}, {9, 9, 9});
         },
         "#F00\t#0F0\t#000\t#000\n#111\t#999\t#999\t#444\n"},
        {"fade row 2",
         [](const TDocument &d) {
             return fadeRange(d, 0, {0, 3, 2, 2}, {});
         },
         "#F00\t#0F0\t#000\t#000\n#111\t#222\t#333\t#444\n"},
    };
    for (const auto &c : cases) {
        TDocument doc = docOf(oddRhythm());
        std::optional<SpliceColumns> edit = c.build(doc);
        if (std::string(c.name) == "fade row 2") {
            EXPECT_FALSE(edit) << "a fade that changes nothing is no edit";
            continue;
        }
        ASSERT_TRUE(edit) << c.name;
        checkUndoRedo(doc, *edit, c.name);
        const TGlowshow &g = doc.Glowshows[0];
        EXPECT_EQ(clipText(copyClip(g, {0, columnCount(g) - 1, 1, 2})), c.rows) << c.name;
        for (const TClubFrame &channel : g.Channels) {
            EXPECT_EQ(channel.StepCount, g.StepCount) << c.name;
            EXPECT_EQ(channel.Steps.size(), g.StepCount) << c.name;
        }
    }
}

TEST(ColumnEdits, TheFormatLimitsAllowOrRefuse)
{
    const struct {
        const char *name;
        int frames;
        Build build;
        int framesAfter; // -1: refused
    } cases[] = {
        {"insert at 255", 255, [](const TDocument &d) { return insertColumn(d, 0, 10, true); }, -1},
        {"insert at 254", 254, [](const TDocument &d) { return insertColumn(d, 0, 253, true); }, 255},
        {"insert into none", 0, [](const TDocument &d) { return insertColumn(d, 0, 0, false); }, 1},
        {"duplicate past 255", 250, [](const TDocument &d) { return duplicateColumns(d, 0, 0, 5); }, -1},
        {"duplicate up to 255", 250, [](const TDocument &d) { return duplicateColumns(d, 0, 0, 4); }, 255},
        {"delete all 255", 255, [](const TDocument &d) { return deleteColumns(d, 0, 0, 254); }, 0},
        {"delete from none", 0, [](const TDocument &d) { return deleteColumns(d, 0, 0, 0); }, -1},
        {"delete past the end", 4, [](const TDocument &d) { return deleteColumns(d, 0, 3, 4); }, -1},
        {"move first left", 4, [](const TDocument &d) { return moveColumns(d, 0, 0, 1, -1); }, -1},
        {"move last right", 255, [](const TDocument &d) { return moveColumns(d, 0, 254, 254, 1); }, -1},
        {"move by two", 9, [](const TDocument &d) { return moveColumns(d, 0, 2, 3, 2); }, -1},
        {"stale glowshow", 4, [](const TDocument &d) { return insertColumn(d, 5, 0, true); }, -1},
        {"fill stale element", 4,
         [](const TDocument &d) {
             return fillRange(d, 0, {0, 1, 6, 7}, {1, 1, 1});
         },
         -1},
        {"paste past 255 grows to 255", 252,
         [](const TDocument &d) {
             Clip clip{1, 10, std::vector<CellValue>(10, CellValue{true, {1, 2, 3}, 0}), false, {}};
             return pasteCells(d, 0, clip, 250, 6);
         },
         255},
        {"paste at 255", 255,
         [](const TDocument &d) {
             return pasteCells(d, 0, Clip{1, 1, {CellValue{true, {1, 2, 3}, 0}}, false, {}}, 255, 1);
         },
         -1},
        {"paste columns past 255", 255,
         [](const TDocument &d) {
             Clip clip{6, 3, std::vector<CellValue>(18), true, {1, 2, 3}};
             return pasteColumns(d, 0, clip, 0, 0);
         },
         255},
    };
    for (const auto &c : cases) {
        TDocument doc = docOf(longNormal(c.frames));
        std::optional<SpliceColumns> edit = c.build(doc);
        ASSERT_EQ(edit.has_value(), c.framesAfter >= 0) << c.name;
        if (!edit)
            continue;
        checkUndoRedo(doc, *edit, c.name);
        EXPECT_EQ(doc.Glowshows[0].Frames.size(), std::size_t(c.framesAfter)) << c.name;
        EXPECT_EQ(doc.Glowshows[0].FrameCount, c.framesAfter) << c.name;
    }
}

TEST(ColumnEdits, PasteGivesTheCopiedCellsInAnotherGlowshowAndWholeColumnsBringTheirDurations)
{
    TDocument doc = docOf(fourFrames());
    doc.Glowshows[1] = longNormal(2);
    const Clip cells = copyClip(doc.Glowshows[0], {1, 3, 1, 3});
    std::optional<SpliceColumns> paste = pasteCells(doc, 1, cells, 1, 2);
    ASSERT_TRUE(paste);
    checkUndoRedo(doc, *paste, "cells");
    EXPECT_EQ(copyClip(doc.Glowshows[1], {1, 3, 2, 4}), cells);
    EXPECT_EQ(durationsOf(doc.Glowshows[1]), (std::vector<int>{0, 1, 0, 0}));

    const Clip columns = copyClip(doc.Glowshows[0], {2, 3, 1, 6});
    std::optional<SpliceColumns> replace = pasteColumns(doc, 1, columns, 0, 2);
    ASSERT_TRUE(replace);
    checkUndoRedo(doc, *replace, "columns");
    EXPECT_EQ(durationsOf(doc.Glowshows[1]), (std::vector<int>{300, 400, 0}));
    EXPECT_EQ(copyClip(doc.Glowshows[1], {0, 1, 1, 6}).cells, columns.cells);
}

TEST(ColumnEdits, DurationsTypedIntoTheSameColumnsMergeAndUndoToTheBytesBeforeAll)
{
    TDocument doc = docOf(fourFrames());
    const std::vector<std::uint8_t> opened = EncodeGlowFile(doc);
    SpliceColumns first = *setDurations(doc, 0, 1, 2, {1, 1});
    first.apply(doc);
    SpliceColumns second = *setDurations(doc, 0, 1, 2, {12, 12});
    second.apply(doc);
    const std::vector<std::uint8_t> typed = EncodeGlowFile(doc);
    ASSERT_TRUE(first.absorbs(second));
    EXPECT_FALSE(first.absorbs(*setDurations(doc, 0, 1, 3, {5, 5, 5})));
    EXPECT_FALSE(first.absorbs(*insertColumn(doc, 0, 1, true)));
    first.revert(doc);
    EXPECT_EQ(EncodeGlowFile(doc), opened);
    first.apply(doc);
    EXPECT_EQ(EncodeGlowFile(doc), typed);
}

TEST(ColumnEdits, ADurationTotalIsSpreadSoThatThePartsAddUpToIt)
{
    const struct {
        long total;
        int count;
        std::vector<std::uint16_t> parts;
    } cases[] = {{1000, 3, {334, 333, 333}},
                 {5, 5, {1, 1, 1, 1, 1}},
                 {2, 4, {1, 1, 0, 0}},
                 {65535L * 2, 2, {65535, 65535}},
                 {65535L * 2 + 1, 2, {}},
                 {-1, 2, {}},
                 {10, 0, {}}};
    for (const auto &c : cases)
        EXPECT_EQ(spreadDuration(c.total, c.count), c.parts) << c.total << "/" << c.count;
}

} // namespace
