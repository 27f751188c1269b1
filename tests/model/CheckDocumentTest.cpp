#include "model/CheckDocument.h"

#include <gtest/gtest.h>

using namespace model;

namespace {

TGlowshow normal(std::uint8_t id, std::vector<TFrame> frames)
{
    TGlowshow g;
    g.Id = id;
    g.Kind = KindNormal;
    g.FrameCount = std::uint8_t(frames.size());
    g.Frames = std::move(frames);
    return g;
}

TFrame frame(std::uint16_t duration, std::vector<std::uint8_t> elements)
{
    TFrame f;
    f.Duration = duration;
    for (std::uint8_t e : elements)
        f.Entries.push_back({e, 15, 15, 15});
    f.EntryCount = std::uint8_t(f.Entries.size());
    return f;
}

TGlowshow rhythm(std::uint8_t id, std::vector<TClubFrame> channels)
{
    TGlowshow g;
    g.Id = id;
    g.Kind = KindRhythm;
    g.FrameCount = std::uint8_t(channels.size());
    g.Channels = std::move(channels);
    return g;
}

TClubFrame channel(std::uint8_t element, std::uint16_t upper, std::uint16_t lower)
{
    return {element, 0, upper, lower, {}};
}

TGlowshow largest()
{
    TGlowshow g = normal(1, std::vector<TFrame>(255, frame(100, std::vector<std::uint8_t>(100, 1))));
    g.Repeating = 1;
    return g;
}

// Element 6 is missing from the model.
const ElementsOnModel NoSixth{true, true, true, true, true, false};

struct Case {
    const char *name;
    std::vector<TGlowshow> glowshows;
    std::optional<ElementsOnModel> onModel;
    std::vector<Finding> expected;
};

} // namespace

TEST(CheckDocument, FindsWhatAPhoneMayNotAccept)
{
    const auto error = Severity::Error;
    const auto note = Severity::Note;
    const Case cases[] = {
        {"clean", {normal(1, {frame(100, {1, 5})}), rhythm(2, {channel(3, 900, 100)})}, NoSixth, {}},
        {"an Id used twice",
         {normal(7, {frame(1, {})}), normal(8, {frame(1, {})}), normal(7, {frame(1, {})})},
         {},
         {{Problem::DuplicateId, error, 2, -1, -1, 0, 7, 0}}},
        {"elements outside 1 to 6, once per frame",
         {normal(1, {frame(1, {2}), frame(1, {0, 9, 9}), frame(1, {9})})},
         {},
         {{Problem::ElementOutOfRange, error, 0, 1, -1, 0, 0, 1},
          {Problem::ElementOutOfRange, error, 0, 1, -1, 9, 9, 2}}},
        {"a channel's element outside 1 to 6",
         {rhythm(1, {channel(1, 5, 5), channel(7, 5, 5)})},
         {},
         {{Problem::ElementOutOfRange, error, 0, -1, 1, 7, 7, 1}}},
        {"an element not on the model",
         {normal(1, {frame(1, {6})}), rhythm(2, {channel(6, 5, 5)})},
         NoSixth,
         {{Problem::ElementNotOnModel, error, 0, 0, -1, 6, 6, 1},
          {Problem::ElementNotOnModel, error, 1, -1, 0, 6, 6, 1}}},
        {"no frames or channels, as notes",
         {normal(1, {}), rhythm(2, {})},
         {},
         {{Problem::NoFrames, note, 0, -1, -1, 0, 0, 0}, {Problem::NoChannels, note, 1, -1, -1, 0, 0, 0}}},
        {"frames of 0 ms, one note",
         {normal(1, {frame(5, {}), frame(0, {}), frame(0, {})})},
         {},
         {{Problem::ZeroDuration, note, 0, 1, -1, 0, 0, 2}}},
        {"a band upside down",
         {rhythm(1, {channel(2, 100, 100), channel(3, 99, 100)})},
         {},
         {{Problem::BandReversed, error, 0, -1, 1, 3, 99, 100}}},
        {"a body over 65535 bytes", {largest()}, {}, {{Problem::BodyTooLarge, error, 0, -1, -1, 0, 255 * 303 + 3, 0}}},
        {"an unknown kind",
         {[] {
             TGlowshow g;
             g.Kind = 3;
             return g;
         }()},
         {},
         {{Problem::UnknownKind, error, 0, -1, -1, 0, 3, 0}}},
    };
    for (const Case &c : cases) {
        TDocument doc;
        doc.Glowshows = c.glowshows;
        EXPECT_EQ(CheckDocument(doc, c.onModel), c.expected) << c.name;
        EXPECT_EQ(hasErrors(CheckDocument(doc, c.onModel)),
                  std::any_of(c.expected.begin(), c.expected.end(),
                              [](const Finding &f) { return f.severity == Severity::Error; }))
            << c.name;
    }
}
