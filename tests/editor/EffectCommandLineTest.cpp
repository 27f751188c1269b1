#include "CommandRun.h"
#include "model/Clip.h"
#include "model/GlowFile.h"

#include "TestHelpers.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

model::TGlowshow normalOf(int frames, std::uint8_t id)
{
    model::TGlowshow g;
    g.Id = id;
    for (int i = 0; i < frames; ++i) {
        model::TFrame f;
        f.Duration = std::uint16_t(100 * (i + 1));
        f.Entries.push_back({2, std::uint8_t(i), 7, 7});
        f.EntryCount = 1;
        g.Frames.push_back(f);
    }
    g.FrameCount = std::uint8_t(frames);
    return g;
}

model::TDocument document()
{
    model::TDocument doc;
    doc.Glowshows = {normalOf(4, 1), normalOf(2, 0x0A), normalOf(0, 3)};
    doc.GlowFile.GlowshowCount = 3;
    return doc;
}

class EffectCommandLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(mDir.isValid());
        model::TDocument doc = document();
        const std::vector<std::uint8_t> bytes = model::EncodeGlowFile(doc);
        testing_support::writeAll(mDir.filePath("in.pat"),
                                  QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
    }
    std::string path(const char *name) const { return mDir.filePath(name).toStdString(); }
    std::pair<int, std::string> run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--effect", path("in.pat")});
        const editor_test::CommandRun r = editor_test::runCommand(std::move(args));
        return {r.code, r.err};
    }
    model::TDocument read(const char *name) const
    {
        model::TDocument doc;
        EXPECT_TRUE(model::ReadGlowFile(doc, path(name)));
        return doc;
    }
    QTemporaryDir mDir;
};

std::string gridOf(const model::TGlowshow &g)
{
    std::string grid = model::clipText(model::copyClip(g, {0, model::columnCount(g) - 1, 1, 6}));
    for (const model::TFrame &f : g.Frames)
        grid += std::to_string(f.Duration) + ' ';
    return grid;
}

} // namespace

TEST_F(EffectCommandLine, AppliesTheEffectToItsRangeOnly)
{
    const struct {
        std::vector<std::string> args;
        int glowshow;
        const char *grid;
    } cases[] = {
        {{"0", "out.pat", "gradient", "colours=#F00,#00F", "frames=2-3", "elements=2"},
         0,
         "\t\t\t\n#077\t#F00\t#00F\t#377\n\t\t\t\n\t\t\t\n\t\t\t\n\t\t\t\n100 200 300 400 "},
        // The second frame starts a third of the way in: the chase is still on the first element.
        {{"id:0a", "out.pat", "chase", "colours=#F00,#000", "elements=3,1"},
         1,
         "#000\t#000\n#077\t#177\n#F00\t#F00\n\t\n\t\n\t\n100 200 "},
        {{"1", "out.pat", "solid", "colours=#00F", "frames=2-4", "elements=6", "duration=40"},
         1,
         "\t\t\t\n#077\t#177\t#177\t#177\n\t\t\t\n\t\t\t\n\t\t\t\n\t#00F\t#00F\t#00F\n100 200 40 40 "},
        {{"1", "out.pat", "solid", "colours=#00F", "frames=3"},
         1,
         "\t\t#00F\n#077\t#177\t#00F\n\t\t#00F\n\t\t#00F\n\t\t#00F\n\t\t#00F\n100 200 200 "},
        {{"2", "out.pat", "blink", "frames=1-2", "elements=1"}, 2, "#FFF\t#000\n\t\n\t\n\t\n\t\n\t\n100 100 "},
        // Elements 1 and 6 switch on and off, 3 and 4 are not on this model.
        {{"1", "out.pat", "solid", "colours=#200", "--profile", "Motorola Pico S2"},
         1,
         "#FFF\t#FFF\n#200\t#200\n\t\n\t\n#200\t#200\n#FFF\t#FFF\n100 200 "},
    };
    const model::TDocument in = document();
    for (const auto &c : cases) {
        QFile::remove(QString::fromStdString(path("out.pat")));
        std::vector<std::string> args = c.args;
        args[1] = path("out.pat");
        const auto [code, err] = run(args);
        ASSERT_EQ(code, 0) << err;
        const model::TDocument out = read("out.pat");
        ASSERT_EQ(out.Glowshows.size(), 3u);
        EXPECT_EQ(gridOf(out.Glowshows[std::size_t(c.glowshow)]), c.grid) << c.args[2];
        for (int g = 0; g < 3; ++g) {
            if (g == c.glowshow)
                continue;
            EXPECT_EQ(gridOf(out.Glowshows[std::size_t(g)]), gridOf(in.Glowshows[std::size_t(g)])) << c.args[2];
        }
    }
}

TEST_F(EffectCommandLine, OutMayBeInAndAnEffectChangingNothingCopies)
{
    const QByteArray before = testing_support::readAll(mDir.filePath("in.pat"));
    ASSERT_EQ(run({"0", path("in.pat"), "solid", "colours=#077", "elements=2", "frames=1"}).first, 0);
    EXPECT_EQ(testing_support::readAll(mDir.filePath("in.pat")), before);
    ASSERT_EQ(run({"0", path("in.pat"), "solid", "colours=#0F0", "elements=2", "frames=4"}).first, 0);
    const QByteArray after = testing_support::readAll(mDir.filePath("in.pat"));
    ASSERT_EQ(after.size(), before.size());
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < after.size(); ++i)
        if (after[i] != before[i])
            last = i, first = first < 0 ? i : first;
    EXPECT_GE(first, 0);
    EXPECT_LT(last - first, 3) << "only the bytes of one entry change";
    EXPECT_NE(after, before);
}

TEST_F(EffectCommandLine, BadInputExitsOneNamingTheProblemAndWritesNothing)
{
    const struct {
        std::vector<std::string> args;
        const char *error;
    } cases[] = {
        {{"0", "out.pat", "sparkle"}, "unknown effect \"sparkle\"; the effects are solid, gradient,"},
        {{"0", "out.pat", "pulse", "speed=2"}, "unknown key \"speed\""},
        {{"0", "out.pat", "pulse", "cycles"}, "\"cycles\" is not KEY=VALUE"},
        {{"0", "out.pat", "pulse", "cycles=x"}, "cycles: \"x\" is not a whole number"},
        {{"0", "out.pat", "pulse", "colours=#F00,#GGG"}, "colours: \"#GGG\" is not a colour"},
        {{"0", "out.pat", "pulse", "frames=0-3"}, "frames: \"0-3\" is not a range"},
        {{"0", "out.pat", "pulse", "frames=3-256"}, "frames: \"3-256\" is not a range"},
        {{"0", "out.pat", "pulse", "frames=3-2"}, "frames: \"3-2\" is not a range"},
        {{"0", "out.pat", "pulse", "frames=a"}, "frames: \"a\" is not a range"},
        {{"0", "out.pat", "pulse", "elements=1,7"}, "elements: \"1,7\" is not a list of elements from 1 to 6"},
        {{"0", "out.pat", "pulse", "elements=0"}, "elements: \"0\""},
        {{"0", "out.pat", "pulse", "elements="}, "elements: \"\""},
        {{"0", "out.pat", "pulse", "duration=65536"}, "duration: \"65536\" is not a whole number of milliseconds"},
        {{"3", "out.pat", "pulse"}, "no glowshow 3"},
        {{"id:0B", "out.pat", "pulse"}, "no glowshow id:0B"},
        {{"2", "out.pat", "pulse"}, "has no frames; give frames=A-B"},
        {{"0", "out.pat", "pulse", "--profile", "Nokia"}, "no profile \"Nokia\""},
        {{"0", "nofolder/out.pat", "pulse"}, "Invalid filename"},
        {{"0", "out.pat"}, "usage: --effect IN GLOWSHOW OUT NAME"},
    };
    for (const auto &c : cases) {
        std::vector<std::string> args = c.args;
        if (args.size() > 1)
            args[1] = mDir.filePath(QString::fromStdString(args[1])).toStdString();
        const auto [code, err] = run(args);
        EXPECT_EQ(code, 1) << c.error;
        EXPECT_NE(err.find(c.error), std::string::npos) << err;
        EXPECT_FALSE(QFile::exists(mDir.filePath("out.pat"))) << c.error;
    }
}
