#include "model/Clip.h"

#include <gtest/gtest.h>

namespace {

using namespace model;

TGlowshow sample()
{
    TGlowshow g;
    g.Kind = KindNormal;
    TFrame a;
    a.Duration = 250;
    a.Entries = {{2, 15, 8, 0}, {1, 0, 0, 0}};
    a.EntryCount = 2;
    TFrame b;
    b.Duration = 65535;
    b.Entries = {{6, 1, 10, 12}};
    b.EntryCount = 1;
    g.Frames = {a, b};
    g.FrameCount = 2;
    return g;
}

TEST(Clip, TextHoldsOneLinePerElementAndHexCellsAndComesBackAsTheSameCells)
{
    const struct {
        FrameRange range;
        std::string text;
    } cases[] = {
        {{0, 1, 1, 2}, "#000\t\n#F80\t\n"},
        {{1, 1, 6, 6}, "#1AC\n"},
        {{0, 1, 3, 3}, "\t\n"},
        {{0, 1, 1, 6}, "#000\t\n#F80\t\n\t\n\t\n\t\n\t#1AC\n"},
    };
    for (const auto &c : cases) {
        Clip clip = copyClip(sample(), c.range);
        EXPECT_EQ(clipText(clip), c.text);
        const std::optional<Clip> back = parseClipText(clipText(clip));
        ASSERT_TRUE(back) << c.text;
        EXPECT_EQ(back->cells, clip.cells) << c.text;
        EXPECT_EQ(back->rows, clip.rows);
        EXPECT_EQ(back->columns, clip.columns);
    }
}

TEST(Clip, TextFromOtherProgramsIsReadLeniently)
{
    const struct {
        const char *text;
        int rows, columns;
        std::vector<CellValue> cells;
    } cases[] = {
        {"#f80\r\n #0a0 \r\n", 2, 1, {{true, {15, 8, 0}}, {true, {0, 10, 0}}}},
        {"#123\t#456\n#789", 2, 2, {{true, {1, 2, 3}}, {true, {4, 5, 6}}, {true, {7, 8, 9}}, {}}},
        {"\t#FFF", 1, 2, {{}, {true, {15, 15, 15}}}},
    };
    for (const auto &c : cases) {
        const std::optional<Clip> clip = parseClipText(c.text);
        ASSERT_TRUE(clip) << c.text;
        EXPECT_EQ(clip->rows, c.rows) << c.text;
        EXPECT_EQ(clip->columns, c.columns) << c.text;
        EXPECT_EQ(clip->cells, c.cells) << c.text;
    }
}

TEST(Clip, MalformedTextIsRefused)
{
    const std::string tooWide = std::string(255, '\t') + "#000";
    const char *const cases[] = {"",          "hello",   "#F8",       "#F800",          "F80",      "#G00",
                                 "#F80;#000", "1\t2\t3", "#000 #111", "\n\n\n\n\n\n\n", "#0\n#1\n", tooWide.c_str()};
    for (const char *text : cases)
        EXPECT_FALSE(parseClipText(text)) << "[" << text << "]";
    EXPECT_TRUE(parseClipText(std::string(254, '\t') + "#000"));
}

TEST(Clip, ExactBytesKeepEveryCellParameterAndDurationAndRefuseAnythingElse)
{
    TGlowshow rhythm;
    rhythm.Kind = KindRhythm;
    rhythm.FrameCount = 1;
    rhythm.StepCount = 2;
    rhythm.Channels = {{4, 2, 0, 0, {{1, 2, 3, 200}, {4, 5, 6, 7}}}};
    const Clip clips[] = {copyClip(sample(), {0, 1, 1, 6}), copyClip(sample(), {1, 1, 2, 3}),
                          copyClip(rhythm, {0, 1, 3, 4})};
    EXPECT_EQ(clips[0].durations, (std::vector<std::uint16_t>{250, 65535}));
    EXPECT_EQ(clips[2].at(1, 0), (CellValue{true, {1, 2, 3}, 200}));
    for (const Clip &clip : clips) {
        const std::vector<std::uint8_t> bytes = encodeClip(clip);
        EXPECT_EQ(decodeClip(bytes.data(), bytes.size()), clip);
        for (std::size_t cut = 0; cut < bytes.size(); ++cut)
            EXPECT_FALSE(decodeClip(bytes.data(), cut)) << cut;
        std::vector<std::uint8_t> longer = bytes;
        longer.push_back(0);
        EXPECT_FALSE(decodeClip(longer.data(), longer.size()));
    }
    std::vector<std::uint8_t> bad = encodeClip(clips[1]);
    const struct {
        std::size_t at;
        std::uint8_t value;
    } corruptions[] = {{0, 'X'}, {4, 2}, {5, 0}, {5, 7}, {6, 0}, {7, 1}, {7, 2}, {8, 2}, {9, 16}};
    for (const auto &c : corruptions) {
        std::vector<std::uint8_t> b = bad;
        b[c.at] = c.value;
        EXPECT_FALSE(decodeClip(b.data(), b.size())) << c.at;
    }
}

} // namespace
