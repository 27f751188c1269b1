#include "CommandRun.h"
#include "editor/CommandLine.h"
#include "editor/ImportJsonCommandLine.h"

#include "TestHelpers.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace {

int runArgs(std::vector<std::string> args, std::string &out, std::string &err)
{
    editor_test::CommandRun r = editor_test::runCommand(std::move(args));
    out = std::move(r.out);
    err = std::move(r.err);
    return r.code;
}

// A document of two glowshows; `second` is the second one's JSON.
std::string withSecond(const std::string &second)
{
    return R"({"Glowshows": [{"Id": 1, "Kind": 2}, )" + second + "]}";
}

std::string frameOfSecond(const std::string &frame)
{
    return withSecond(R"({"Id": 2, "Kind": 2, "Frames": [{"Duration": 1}, )" + frame + "]}");
}

std::string channelOfSecond(const std::string &channel)
{
    return withSecond(R"({"Id": 2, "Kind": 1, "Channels": [)" + channel + "]}");
}

} // namespace

TEST(ImportJsonCommand, EveryErrorNamesTheFieldExitsOneAndWritesNothing)
{
    const std::string step = R"({"Red": 0, "Green": 0, "Blue": 0, "Parameter": 1})";
    const struct {
        std::string json, message;
    } cases[] = {
        {"{", "standard input: line 1, column 2: "},
        {"[]", "standard input: the document must be a JSON object"},
        {"{}", "standard input: Glowshows: missing"},
        {R"({"Glowshows": {}})", "Glowshows: must be a list"},
        {R"({"Glowshows": [1]})", "Glowshows[0]: must be an object"},
        {R"({"Glowshows": [], "Extra": 1})", "Extra: unknown field"},
        {R"({"Glowshows": [], "GlowshowCount": 1})", "GlowshowCount: is 1, but 0 Glowshows are given"},
        {R"({"Glowshows": [], "HeaderWord": -1})", "HeaderWord: must be a whole number from 0 to 65535"},
        {R"({"Glowshows": [], "HasTrailer": 0, "TrailerText2": "x"})", "TrailerText2: a text is saved only while"},
        {R"({"Glowshows": [], "TrailerText1": "\u0100"})", "TrailerText1: holds the character U+0100"},
        {R"({"Glowshows": [], "TrailerText1": ")" + std::string(256, 'a') + "\"}",
         "TrailerText1: holds 256 characters"},
        {R"({"Glowshows": [], "TrailerText1": 5})", "TrailerText1: must be a string"},
        {withSecond(R"({"Kind": 2})"), "Glowshows[1].Id: missing"},
        {withSecond(R"({"Id": 256, "Kind": 2})"), "Glowshows[1].Id: must be a whole number from 0 to 255"},
        {withSecond(R"({"Id": 2, "Kind": 2, "Repeating": 2})"),
         "Glowshows[1].Repeating: must be a whole number from 0 to 1"},
        {withSecond(R"({"Id": 2, "Kind": 2, "RepeatDuration": 5})"),
         "Glowshows[1].RepeatDuration: is saved only while"},
        {withSecond(R"({"Id": 2, "Kind": 2, "FrameCount": 1})"),
         "Glowshows[1].FrameCount: is 1, but 0 Frames are given"},
        {withSecond(R"({"Id": 2, "Kind": 1, "Frames": [{"Duration": 1}]})"),
         "Glowshows[1].Frames: only a normal glowshow"},
        {withSecond(R"({"Id": 2, "Kind": 3, "Channels": [{}]})"), "Glowshows[1].Channels: only a rhythm glowshow"},
        {withSecond(R"({"Id": 2, "Kind": 2, "StepCount": 1})"), "Glowshows[1].StepCount: only a rhythm glowshow"},
        {withSecond(R"({"Id": 2, "Kind": 2, "Frames": [)" +
                    [] {
                        std::string frames;
                        for (int i = 0; i < 256; ++i)
                            frames += std::string(i ? "," : "") + R"({"Duration": 1})";
                        return frames;
                    }() +
                    "]}"),
         "Glowshows[1].Frames: holds 256 items; at most 255 fit"},
        {frameOfSecond(R"({"Duration": 65536})"),
         "Glowshows[1].Frames[1].Duration: must be a whole number from 0 to 65535"},
        {frameOfSecond(R"({"Duration": 1.5})"), "Glowshows[1].Frames[1].Duration: must be a whole number"},
        {frameOfSecond(R"({"Duration": "1"})"), "Glowshows[1].Frames[1].Duration: must be a whole number"},
        {frameOfSecond(R"({"Duraton": 1})"), "Glowshows[1].Frames[1].Duration: missing"},
        {frameOfSecond(R"({"Duration": 1, "Duraton": 1})"), "Glowshows[1].Frames[1].Duraton: unknown field"},
        {frameOfSecond(R"({"Duration": 1, "EntryCount": 2, "Entries": []})"),
         "Glowshows[1].Frames[1].EntryCount: is 2"},
        {frameOfSecond(R"({"Duration": 1, "Entries": [{"Element": 1, "Red": 1, "Green": 16, "Blue": 1}]})"),
         "Glowshows[1].Frames[1].Entries[0].Green: must be a whole number from 0 to 15"},
        {frameOfSecond(R"({"Duration": 1, "Entries": [{"Element": 1, "Red": 256, "Green": 1, "Blue": 1}]})"),
         "Glowshows[1].Frames[1].Entries[0].Red: must be a whole number from 0 to 255"},
        {frameOfSecond(R"({"Duration": 1, "Entries": [{"Element": 1, "Red": 1, "Green": 1}]})"),
         "Glowshows[1].Frames[1].Entries[0].Blue: missing"},
        {channelOfSecond(R"({"Element": 1, "UpperFrequency": 70000, "LowerFrequency": 1})"),
         "Glowshows[1].Channels[0].UpperFrequency: must be a whole number from 0 to 65535"},
        {channelOfSecond(R"({"Element": 1, "UpperFrequency": 1, "LowerFrequency": 1, "StepCount": 2, "Steps": [)" +
                         step + "]}"),
         "Glowshows[1].Channels[0].StepCount: is 2, but only 1 Steps are given"},
        {channelOfSecond(R"({"Element": 1, "UpperFrequency": 1, "LowerFrequency": 1, "StepCount": 0, "Steps": [)" +
                         step + "]}"),
         "Glowshows[1].Channels[0].Steps[0]: lies past the channel's StepCount 0"},
        {channelOfSecond(
             R"({"Element": 1, "UpperFrequency": 1, "LowerFrequency": 1, "Steps": [{"Red": 0, "Green": 0, "Blue": 0}]})"),
         "Glowshows[1].Channels[0].Steps[0].Parameter: missing"},
        {withSecond(
             R"({"Id": 2, "Kind": 1, "StepCount": 3, "Channels": [{"Element": 1, "UpperFrequency": 1, "LowerFrequency": 1}]})"),
         "Glowshows[1].StepCount: is 3, but the largest StepCount of the channels is 0"},
    };
    QTemporaryDir dir;
    const QString out = dir.filePath("out.pat");
    for (const auto &c : cases) {
        testing_support::writeAll(out, "kept");
        std::istringstream input(c.json);
        std::ostringstream err;
        EXPECT_EQ(editor::importJsonCommand("-", out, input, err), 1) << c.json;
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str() << "\nwanted: " << c.message;
        EXPECT_EQ(testing_support::readAll(out), "kept") << c.json;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.pat"}) << c.json;
    }
}

TEST(ImportJsonCommand, DumpThenImportGivesTheBytesOfResave)
{
    QTemporaryDir dir;
    const std::vector<const char *> files = {
        "01 01 00 0F 01 00 09 01 00 00 01 02 01 F4 01 01 0F 80 0B B8 00 02 38 59 00",
        "01 01 00 00 01 00 00 02 00 00 05 01 01 02 00 0A 00 01 11 12 13 21 22 23 03 04 FF FF 00 00 31 32 33 41 42 43 "
        "51 "
        "52 53 61 62 63",
        "01 01 00 06 02 00 05 07 AA BB 09 03 00 06 01 00 00 01 02 01 F4 01 01 0F 80 04 F0 F5 FF 00 02 EF 31"};
    for (const char *hex : files) {
        const QString in = dir.filePath("in.pat"), json = dir.filePath("in.json");
        testing_support::writeAll(in, testing_support::fromHex(hex));
        std::string out, err;
        ASSERT_EQ(runArgs({"--dump", in.toStdString()}, out, err), 0) << err;
        testing_support::writeAll(json, QByteArray::fromStdString(out));
        ASSERT_EQ(runArgs({"--import-json", json.toStdString(), dir.filePath("imported.pat").toStdString()}, out, err),
                  0)
            << err;
        ASSERT_EQ(runArgs({"--resave", in.toStdString(), dir.filePath("resaved.pat").toStdString()}, out, err), 0);
        EXPECT_EQ(testing_support::readAll(dir.filePath("imported.pat")),
                  testing_support::readAll(dir.filePath("resaved.pat")))
            << hex;
    }
}

TEST(ImportJsonCommand, UnreadableInputOrOutputExitsOne)
{
    QTemporaryDir dir;
    testing_support::writeAll(dir.filePath("ok.json"), R"({"Glowshows": []})");
    std::string out, err;
    EXPECT_EQ(
        runArgs({"--import-json", dir.filePath("missing.json").toStdString(), dir.filePath("a.pat").toStdString()}, out,
                err),
        1);
    EXPECT_NE(err.find("missing.json"), std::string::npos) << err;
    EXPECT_EQ(runArgs({"--import-json", dir.filePath("ok.json").toStdString(), dir.path().toStdString()}, out, err), 1);
    EXPECT_EQ(runArgs({"--import-json", dir.filePath("ok.json").toStdString()}, out, err), 1);
    EXPECT_EQ(err, "usage: --import-json IN.json OUT.pat\n");
    EXPECT_FALSE(QFile::exists(dir.filePath("a.pat")));
}
