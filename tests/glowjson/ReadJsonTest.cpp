#include "glowjson/GlowJson.h"
#include "model/GlowFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A document with every field drawn at random, including what the editor never makes (elements
// past 6, red above 15, channels of unequal length, other kinds), as a file could hold it.
model::TDocument randomDocument(std::mt19937 &rng)
{
    const auto pick = [&rng](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    model::TDocument doc;
    doc.Glowshows.resize(std::size_t(pick(0, 5)));
    for (model::TGlowshow &g : doc.Glowshows) {
        g.Id = std::uint8_t(pick(0, 255));
        g.Kind = std::uint8_t(pick(1, 3));
        g.Repeating = std::uint8_t(pick(0, 1));
        g.RepeatDuration = std::uint16_t(pick(0, 65535));
        g.FrameCount = std::uint8_t(pick(0, 5));
        if (g.Kind == model::KindNormal) {
            g.Frames.resize(g.FrameCount);
            for (model::TFrame &f : g.Frames) {
                f.Duration = std::uint16_t(pick(0, 65535));
                f.EntryCount = std::uint8_t(pick(0, 8));
                for (int e = 0; e < f.EntryCount; ++e)
                    f.Entries.push_back({std::uint8_t(pick(0, 9)), std::uint8_t(pick(0, 255)),
                                         std::uint8_t(pick(0, 15)), std::uint8_t(pick(0, 15))});
            }
        } else if (g.Kind == model::KindRhythm) {
            g.Channels.resize(g.FrameCount);
            for (model::TClubFrame &c : g.Channels) {
                c.Element = std::uint8_t(pick(0, 9));
                c.StepCount = std::uint8_t(pick(0, 6));
                c.UpperFrequency = std::uint16_t(pick(0, 65535));
                c.LowerFrequency = std::uint16_t(pick(0, 65535));
                for (int s = 0; s < c.StepCount; ++s)
                    c.Steps.push_back({std::uint8_t(pick(0, 255)), std::uint8_t(pick(0, 15)), std::uint8_t(pick(0, 15)),
                                       std::uint8_t(pick(0, 255))});
            }
        }
    }
    doc.HasTrailer = std::uint8_t(pick(0, 1));
    for (std::string *text : {&doc.TrailerText1, &doc.TrailerText2})
        for (int n = doc.HasTrailer ? pick(0, 12) : 0; n > 0; --n)
            text->push_back(char(pick(0, 255)));
    return doc;
}

// --dump then --import-json of a file: the document the file reads as, and the bytes --resave
// writes. False when the file does not read.
bool expectRoundTrip(const Bytes &file, const std::string &name)
{
    model::TDocument read;
    try {
        if (!model::DecodeGlowFile(read, file.data(), file.size()))
            return false;
    } catch (const model::IoError &) {
        return false;
    }
    model::TDocument resaved = read;
    const Bytes expected = model::EncodeGlowFile(resaved);
    const std::string json = glowjson::dumpJson(read);
    model::TDocument imported;
    EXPECT_NO_THROW(imported = glowjson::readJson(QByteArray::fromStdString(json))) << name << '\n' << json;
    EXPECT_EQ(imported, read) << name << '\n' << json;
    EXPECT_EQ(model::EncodeGlowFile(imported), expected) << name;
    return true;
}

} // namespace

TEST(JsonRoundTrip, GeneratedDocumentsComeBackAsTheFileTheyWereWrittenTo)
{
    std::mt19937 rng(24);
    for (int i = 0; i < 300; ++i) {
        model::TDocument doc = randomDocument(rng);
        ASSERT_TRUE(expectRoundTrip(model::EncodeGlowFile(doc), "document " + std::to_string(i)));
    }
}

TEST(JsonRoundTrip, EveryReadableFileOfTheFuzzCorporaComesBack)
{
    int read = 0;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(GLOW_FUZZ_CORPORA)) {
        const std::string path = entry.path().string();
        if (entry.is_regular_file() && expectRoundTrip(model::readFileBytes(path), path))
            ++read;
    }
    EXPECT_GE(read, 8);
}

TEST(JsonForm, CountsAndTrailerMayBeLeftOutAndShortChannelsArePadded)
{
    const model::TDocument doc = glowjson::readJson(R"({"TrailerText1": "A", "Glowshows": [
        {"Id": 5, "Kind": 2, "Frames": [{"Duration": 500, "Entries": [{"Element": 1, "Red": 15, "Green": 8, "Blue": 0}]}]},
        {"Id": 6, "Kind": 1, "Channels": [
            {"Element": 1, "UpperFrequency": 900, "LowerFrequency": 100, "Steps": [{"Red": 1, "Green": 2, "Blue": 3, "Parameter": 4}]},
            {"Element": 2, "UpperFrequency": 900, "LowerFrequency": 100, "Steps": []}]}]})");
    EXPECT_EQ(doc.GlowFile.GlowshowCount, 2);
    EXPECT_EQ(doc.HasTrailer, 1);
    EXPECT_EQ(doc.TrailerText2, "");
    EXPECT_EQ(doc.Glowshows[0].FrameCount, 1);
    EXPECT_EQ(doc.Glowshows[0].Frames[0].EntryCount, 1);
    const model::TGlowshow &rhythm = doc.Glowshows[1];
    EXPECT_EQ(rhythm.StepCount, 1);
    EXPECT_EQ(rhythm.Channels[1].StepCount, 0);
    EXPECT_EQ(rhythm.Channels[1].Steps.size(), 1u);
}
