#include "editor/CommandLine.h"
#include "CommandRun.h"

#include "TestHelpers.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Outcome = editor_test::CommandRun;

Outcome runAs(const std::string &program, std::vector<std::string> args)
{
    return editor_test::runCommandAs(program, std::move(args));
}

Outcome run(std::vector<std::string> args)
{
    return runAs("GlowshowEditor2", std::move(args));
}

const char *const Example2 = "01 01 00 0F 01 00 09 01 00 00 01 02 01 F4 01 01 0F 80 0B B8 00 02 38 59 00";

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(mDir.isValid());
        testing_support::writeAll(mDir.filePath("ex2.pat"), testing_support::fromHex(Example2));
        testing_support::writeAll(mDir.filePath("gimp.pat"), testing_support::fromHex("01 02 00 00 00"));
        testing_support::writeAll(mDir.filePath("short.pat"), testing_support::fromHex("01 01 00 0F 01 00 09"));
    }
    std::string path(const char *name) const { return mDir.filePath(name).toStdString(); }
    QTemporaryDir mDir;
};

} // namespace

TEST_F(CommandLine, GuiStartsWithoutArgumentsOrWithAFile)
{
    EXPECT_EQ(run({}).code, editor_test::StartsGui);
    EXPECT_EQ(run({path("ex2.pat")}).code, editor_test::StartsGui);
    EXPECT_EQ(run({path("ex2.pat"), "--dump", "x"}).code, editor_test::StartsGui); // further arguments ignored
    EXPECT_EQ(run({"-"}).code, editor_test::StartsGui);
}

TEST_F(CommandLine, DumpPrintsTheDocumentAsJson)
{
    const Outcome r = run({"--dump", path("ex2.pat")});
    ASSERT_EQ(r.code, 0) << r.err;
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(r.out), &parseError);
    ASSERT_EQ(parseError.error, QJsonParseError::NoError) << r.out;
    const QJsonObject doc = json.object();
    EXPECT_EQ(doc["HeaderWord"].toInt(), 15);
    EXPECT_EQ(doc["GlowshowCount"].toInt(), 1);
    EXPECT_EQ(doc["HasTrailer"].toInt(), 1);
    EXPECT_EQ(doc["TrailerText1"].toString(), "Hi");
    EXPECT_EQ(doc["TrailerText2"].toString(), "");
    const QJsonArray glowshows = doc["Glowshows"].toArray();
    ASSERT_EQ(glowshows.size(), 1);
    const QJsonObject g = glowshows[0].toObject();
    const std::pair<const char *, int> fields[] = {
        {"StoredSize", 9}, {"FrameCount", 1}, {"StepCount", 0},        {"Id", 1},
        {"Kind", 2},       {"Repeating", 1},  {"RepeatDuration", 3000}};
    for (const auto &[name, value] : fields) {
        ASSERT_TRUE(g[name].isDouble()) << name;
        EXPECT_EQ(g[name].toInt(), value) << name;
    }
    ASSERT_TRUE(g["Channels"].isArray());
    EXPECT_TRUE(g["Channels"].toArray().isEmpty());
    const QJsonArray frames = g["Frames"].toArray();
    ASSERT_EQ(frames.size(), 1);
    EXPECT_EQ(frames[0]["Duration"].toInt(), 500);
    EXPECT_EQ(frames[0]["EntryCount"].toInt(), 1);
    const QJsonObject entry = frames[0]["Entries"].toArray()[0].toObject();
    EXPECT_EQ(entry["Element"].toInt(), 1);
    EXPECT_EQ(entry["Red"].toInt(), 15);
    EXPECT_EQ(entry["Green"].toInt(), 8);
    EXPECT_EQ(entry["Blue"].toInt(), 0);
}

TEST(DumpJson, TrailerBytesBecomeLatin1CharactersAndRhythmStepsAreListed)
{
    model::TDocument doc;
    doc.HasTrailer = 1;
    doc.TrailerText1 = std::string("\"\\\x00\x1f\x7f\xe9\xff", 7);
    model::TGlowshow g;
    g.Kind = model::KindRhythm;
    g.FrameCount = 1;
    g.StepCount = 1;
    g.Channels = {model::TClubFrame{3, 1, 1000, 200, {model::TClubStep{1, 2, 3, 250}}}};
    doc.Glowshows = {g};
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(editor::dumpJson(doc))).object();
    EXPECT_EQ(json["TrailerText1"].toString(), QString::fromLatin1("\"\\\x00\x1f\x7f\xe9\xff", 7));
    const QJsonObject c = json["Glowshows"][0]["Channels"][0].toObject();
    EXPECT_EQ(c["Element"].toInt(), 3);
    EXPECT_EQ(c["StepCount"].toInt(), 1);
    EXPECT_EQ(c["UpperFrequency"].toInt(), 1000);
    EXPECT_EQ(c["LowerFrequency"].toInt(), 200);
    EXPECT_EQ(c["Steps"][0]["Parameter"].toInt(), 250);
    EXPECT_EQ(c["Steps"][0]["Blue"].toInt(), 3);
    EXPECT_TRUE(json["Glowshows"][0]["Frames"].toArray().isEmpty());
}

TEST_F(CommandLine, ResaveWritesTheSameBytes)
{
    const Outcome r = run({"--resave", path("ex2.pat"), path("out.pat")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(testing_support::readAll(QString::fromStdString(path("out.pat"))), testing_support::fromHex(Example2));
}

TEST_F(CommandLine, FailuresExitOneWithTheErrorAndWriteNothing)
{
    struct Case {
        std::vector<std::string> args;
        const char *errorText;
    };
    const Case cases[] = {
        {{"--dump", path("absent.pat")}, "File not found"},
        {{"--dump", path("short.pat")}, "Read beyond end of file"},
        {{"--dump", path("gimp.pat")}, "not a glowshow file"},
        {{"--resave", path("absent.pat"), path("out.pat")}, "File not found"},
        {{"--resave", path("gimp.pat"), path("out.pat")}, "not a glowshow file"},
        {{"--resave", path("short.pat"), path("out.pat")}, "Read beyond end of file"},
        {{"--resave", path("ex2.pat"), path("nofolder/out.pat")}, "Invalid filename"},
        {{"--dump"}, "--dump FILE"},
        {{"--resave", path("ex2.pat")}, "--resave IN OUT"},
        {{"--bogus"}, "bogus"},
    };
    for (const Case &c : cases) {
        const Outcome r = run(c.args);
        EXPECT_EQ(r.code, 1) << c.args[0] << " " << c.errorText;
        EXPECT_NE(r.err.find(c.errorText), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << c.errorText;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(path("out.pat")))) << c.errorText;
    }
}

TEST_F(CommandLine, MessagesNameTheProgramTheWayOutAndAFolderForWhatItIs)
{
    ASSERT_TRUE(QDir(mDir.path()).mkdir("folder.pat"));
    struct Case {
        std::vector<std::string> args;
        int code;
        const char *out;
        const char *err;
    };
    const Case cases[] = {
        {{"--help"}, 0, "Usage: glowedit [options]", ""},
        {{"--bogus"}, 1, "", "See glowedit --help."},
        {{"--dump", path("folder.pat")}, 1, "", "folder.pat: is a directory, not a file"},
        {{"--resave", path("ex2.pat"), mDir.path().toStdString()}, 1, "", ": is a directory, not a file"},
    };
    for (const Case &c : cases) {
        std::vector<std::string> args = c.args;
        const Outcome r = runAs("/opt/tools/glowedit", args);
        EXPECT_EQ(r.code, c.code) << c.args[0];
        EXPECT_NE(r.out.find(c.out), std::string::npos) << r.out;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
}

TEST_F(CommandLine, HelpAndVersion)
{
    const Outcome version = run({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "Glowshow Editor 2 2.1.1\n");
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("--dump"), std::string::npos);
    EXPECT_NE(help.out.find("--resave"), std::string::npos);
}
