#include "effects/ApplyEffect.h"
#include "effects/EffectText.h"
#include "model/Clip.h"
#include "model/GlowFile.h"

#include <gtest/gtest.h>

namespace {

using namespace effects;
using model::TDocument;
using model::TGlowshow;

TGlowshow normalOf(std::vector<std::uint16_t> durations)
{
    TGlowshow g;
    g.Kind = model::KindNormal;
    for (std::size_t i = 0; i < durations.size(); ++i) {
        model::TFrame f;
        f.Duration = durations[i];
        f.Entries.push_back({2, std::uint8_t(i % 16), 1, 1});
        f.Entries.push_back({5, 3, 3, 3});
        f.EntryCount = 2;
        g.Frames.push_back(f);
    }
    g.FrameCount = std::uint8_t(durations.size());
    return g;
}

// Channels for elements 1 and 3 over four steps with parameters 10, 20, 30, 40.
TGlowshow rhythm()
{
    TGlowshow g;
    g.Kind = model::KindRhythm;
    g.StepCount = 4;
    for (std::uint8_t e : {1, 3})
        g.Channels.push_back({e, 4, 500, 100, {{1, 1, 1, 10}, {2, 2, 2, 20}, {3, 3, 3, 30}, {4, 4, 4, 40}}});
    g.FrameCount = 2;
    return g;
}

TDocument docOf(TGlowshow g)
{
    TDocument doc;
    doc.Glowshows = {normalOf({7, 8}), std::move(g)};
    doc.GlowFile.GlowshowCount = 2;
    return doc;
}

std::string gridOf(const TGlowshow &g)
{
    const int count = model::columnCount(g);
    return count == 0 ? std::string() : model::clipText(model::copyClip(g, {0, count - 1, 1, 6}));
}

std::string durationsOf(const TGlowshow &g)
{
    std::string out;
    for (const model::TFrame &f : g.Frames)
        out += std::to_string(f.Duration) + ' ';
    return out;
}

EffectParameters parameters(const char *text)
{
    return *parseEffectText(text);
}

TEST(ApplyEffectTest, EffectEditsChangeOnlyTheirRangeAndUndoToTheSameBytes)
{
    const struct {
        const char *name;
        TGlowshow glowshow;
        EffectTarget target;
        const char *effect;
        const char *grid;
        const char *durations;
    } cases[] = {
        {"two frames, one element",
         normalOf({100, 100, 100, 100}),
         {1, 1, 2, false, 0, {2}, {}},
         "gradient colours=#F00,#00F",
         "\t\t\t\n#011\t#F00\t#00F\t#311\n\t\t\t\n\t\t\t\n#333\t#333\t#333\t#333\n\t\t\t\n",
         "100 100 100 100 "},
        {"an element gets entries",
         normalOf({100, 100}),
         {1, 0, 2, false, 0, {4}, {}},
         "solid colours=#0F0",
         "\t\n#011\t#111\n\t\n#0F0\t#0F0\n#333\t#333\n\t\n",
         "100 100 "},
        {"new frames after the first, copies of it",
         normalOf({100, 200}),
         {1, 1, 2, true, 50, {1}, {}},
         "blink colours=#FFF,#000 cycles=1",
         "\t#FFF\t#000\t\n#011\t#011\t#011\t#111\n\t\t\t\n\t\t\t\n#333\t#333\t#333\t#333\n\t\t\t\n",
         "100 50 50 200 "},
        {"frames past the end are added",
         normalOf({100, 200}),
         {1, 1, 3, false, 30, {5}, {}},
         "solid colours=#00F",
         "\t\t\t\n#011\t#111\t#111\t#111\n\t\t\t\n\t\t\t\n#333\t#00F\t#00F\t#00F\n\t\t\t\n",
         "100 200 30 30 "},
        {"a range starting past the end",
         normalOf({100}),
         {1, 2, 1, false, 30, {5}, {}},
         "solid colours=#00F",
         "\t\t\n#011\t#011\t#011\n\t\t\n\t\t\n#333\t#333\t#00F\n\t\t\n",
         "100 30 30 "},
        {"an empty glowshow",
         normalOf({}),
         {1, 0, 2, true, 40, {6}, {}},
         "solid colours=#00F",
         "\t\n\t\n\t\n\t\n\t\n#00F\t#00F\n",
         "40 40 "},
        {"rhythm steps count as equal",
         rhythm(),
         {1, 0, 4, false, 0, {1, 2, 3}, {}},
         "gradient colours=#000,#F00",
         "#000\t#500\t#A00\t#F00\n\t\t\t\n#000\t#500\t#A00\t#F00\n\t\t\t\n\t\t\t\n\t\t\t\n",
         ""},
        {"on/off elements",
         normalOf({100, 100}),
         {1, 0, 2, false, 0, {2, 5}, {false, true}},
         "blink colours=#F00,#000",
         "\t\n#FFF\t#000\n\t\n\t\n#F00\t#000\n\t\n",
         "100 100 "},
    };
    for (const auto &c : cases) {
        TDocument doc = docOf(c.glowshow);
        const std::vector<std::uint8_t> before = model::EncodeGlowFile(doc);
        const TGlowshow first = doc.Glowshows[0];
        std::optional<model::SpliceColumns> edit = effectEdit(doc, c.target, parameters(c.effect));
        ASSERT_TRUE(edit) << c.name;
        edit->apply(doc);
        EXPECT_EQ(gridOf(doc.Glowshows[1]), c.grid) << c.name;
        EXPECT_EQ(durationsOf(doc.Glowshows[1]), c.durations) << c.name;
        EXPECT_EQ(doc.Glowshows[0], first) << c.name << ": other glowshows stay";
        edit->revert(doc);
        EXPECT_EQ(model::EncodeGlowFile(doc), before) << c.name;
    }
}

TEST(ApplyEffectTest, RhythmStepsKeepTheirParameters)
{
    TDocument doc = docOf(rhythm());
    effectEdit(doc, {1, 1, 2, false, 0, {1}, {}}, parameters("solid colours=#0F0"))->apply(doc);
    const model::TClubFrame &channel = doc.Glowshows[1].Channels[0];
    for (std::size_t s = 0; s < 4; ++s)
        EXPECT_EQ(channel.Steps[s].Parameter, 10 * (s + 1));
    EXPECT_EQ(channel.Steps[1].Green, 15);
    effectEdit(doc, {1, 3, 2, true, 0, {3}, {}}, parameters("solid colours=#00F"))->apply(doc);
    EXPECT_EQ(doc.Glowshows[1].StepCount, 6);
    EXPECT_EQ(doc.Glowshows[1].Channels[1].Steps[4], (model::TClubStep{0, 0, 15, 30})) << "a copy of the step before";
}

TEST(ApplyEffectTest, TargetsThatDoNotFitAreRefused)
{
    TDocument doc = docOf(normalOf(std::vector<std::uint16_t>(250, 10)));
    const EffectParameters red = parameters("solid colours=#F00");
    const struct {
        const char *name;
        EffectTarget target;
    } cases[] = {
        {"no such glowshow", {2, 0, 1, false, 0, {1}, {}}},
        {"no elements", {1, 0, 1, false, 0, {}, {}}},
        {"element 0", {1, 0, 1, false, 0, {0}, {}}},
        {"element 7", {1, 0, 1, false, 0, {1, 7}, {}}},
        {"no frames", {1, 0, 0, false, 0, {1}, {}}},
        {"negative frame", {1, -1, 2, false, 0, {1}, {}}},
        {"256 frames", {1, 240, 16, false, 0, {1}, {}}},
        {"six new frames", {1, 3, 6, true, 0, {1}, {}}},
        {"inserted past the end", {1, 251, 1, true, 0, {1}, {}}},
        {"nothing changes", {1, 0, 2, false, 0, {5}, {}}},
    };
    for (const auto &c : cases)
        EXPECT_FALSE(effectEdit(doc, c.target,
                                c.name == std::string("nothing changes") ? parameters("solid colours=#333") : red))
            << c.name;
    EXPECT_TRUE(effectEdit(doc, {1, 240, 15, false, 0, {1}, {}}, red)) << "up to 255";
}

} // namespace
