#include "EditorFixture.h"

#include "AnimationHelpers.h"

#include "editor/CommandLine.h"
#include "preview/BitmapPictureSink.h"
#include "preview/Playback.h"
#include "preview/QtDrawingSurface.h"
#include "profiles/IniFile.h"
#include "profiles/Skin.h"

#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QListWidget>

#include <sstream>

using editor_test::EditorFixture;

namespace {

model::TDocument showDocument()
{
    model::TDocument doc;
    doc.Glowshows.resize(4);
    model::TGlowshow &normal = doc.Glowshows[0];
    normal.Id = 0x0A;
    normal.Kind = model::KindNormal;
    for (int i = 0; i < 6; ++i) {
        model::TFrame f;
        f.Duration = std::uint16_t(i == 2 ? 0 : 80 + 10 * i);
        for (std::uint8_t n = 1; n <= 6; ++n)
            f.Entries.push_back(
                {n, std::uint8_t((i * 3 + n) % 16), std::uint8_t((i + n * 5) % 16), std::uint8_t(i % 16)});
        f.EntryCount = 6;
        normal.Frames.push_back(f);
    }
    normal.FrameCount = 6;
    doc.Glowshows[1].Kind = model::KindRhythm;
    doc.Glowshows[1].Id = 0x0B;
    doc.Glowshows[2].Kind = model::KindNormal; // no frames
    doc.Glowshows[2].Id = 0x0C;
    doc.Glowshows[3] = normal;
    doc.Glowshows[3].Id = 0x80;
    doc.Glowshows[3].Repeating = 1;
    doc.GlowFile.GlowshowCount = 4;
    return doc;
}

testing_support::DecodedAnimation decode(const QString &path)
{
    QImageReader reader(path);
    return testing_support::decodeAnimation(reader);
}

class ExportTest : public EditorFixture {
protected:
    struct Outcome {
        int code;
        std::string err;
    };
    Outcome runExport(std::vector<std::string> args)
    {
        args.insert(args.begin(), "--export");
        const CommandOutcome r = runCommandLine(std::move(args));
        return {r.code, r.err};
    }
    std::string p(const char *name) const { return path(QString::fromLatin1(name)).toStdString(); }
};

} // namespace

TEST_F(ExportTest, CommandLineFilesPlayLikeThePreviewOfTheProfile)
{
    const QString in = writePat("show.pat", showDocument());
    const model::TDocument doc = showDocument();
    // What the preview shows of the five visible frames with a profile's skin and elements.
    struct Preview {
        profiles::TProfile profile;
        std::vector<QImage> shown;
    };
    auto preview = [&doc](const char *name) {
        Preview p;
        p.profile.ProfileName = name;
        preview::QtDrawingSurface surface;
        preview::BitmapPictureSink pictures(surface);
        profiles::ALoadProfilePics(p.profile, GLOW_DATA_DIR "/", pictures);
        const auto elements =
            profiles::readElements(profiles::IniFile::load(profiles::profilePath(GLOW_DATA_DIR "/", name, "eng")));
        for (int n = 1; n <= 6; ++n)
            p.profile.ElementColors[n] = elements[std::size_t(n - 1)].color;
        profiles::PerElement<bool> lit;
        for (std::uint8_t i = 0; i < 6; ++i) {
            preview::drawGlowshowFrame(surface, p.profile, doc.Glowshows[0], i, lit);
            if (doc.Glowshows[0].Frames[i].Duration != 0)
                p.shown.push_back(surface.backBuffer().copy());
        }
        return p;
    };
    const struct {
        std::vector<std::string> args;
        const char *out;
        int loopCount;
        int percent;
        const char *profile; // the settings hold none: the default
    } cases[] = {
        {{"0"}, "a.gif", 0, 100, "Motorola (All Models)"},
        {{"id:0a", "--loop", "--speed", "50"}, "b.webp", -1, 50, "Motorola (All Models)"},
        {{"id:80", "--profile", "Motorola Lumen X1"}, "c.gif", -1, 100, "Motorola Lumen X1"}, // repeats
        {{"3", "--speed", "200", "--profile", "Motorola Pico S2"}, "d.webp", -1, 200, "Motorola Pico S2"},
        {{"0", "--profile", "Motorola Pico S2"}, "e.gif", 0, 100, "Motorola Pico S2"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.out);
        const Preview expected = preview(c.profile);
        const std::vector<QImage> &shown = expected.shown;
        const profiles::TProfile &profile = expected.profile;
        std::vector<std::string> args{in.toStdString(), c.args[0], p(c.out)};
        args.insert(args.end(), c.args.begin() + 1, c.args.end());
        const Outcome r = runExport(args);
        ASSERT_EQ(r.code, 0) << r.err;
        const testing_support::DecodedAnimation d = decode(path(QString::fromLatin1(c.out)));
        EXPECT_EQ(d.loopCount, c.loopCount);
        ASSERT_EQ(d.frames.size(), shown.size());
        int exact = 0, played = 0;
        const bool gif = QString::fromLatin1(c.out).endsWith(QLatin1String(".gif"));
        for (std::size_t i = 0, frame = 0; i < shown.size(); ++i, ++frame) {
            if (doc.Glowshows[0].Frames[frame].Duration == 0)
                ++frame;
            const int ms = doc.Glowshows[0].Frames[frame].Duration * 100 / c.percent;
            exact += ms;
            played += d.delays[i];
            EXPECT_LE(std::abs(d.delays[i] - ms), gif ? 10 : 0) << i;
            EXPECT_LE(std::abs(played - exact), gif ? 5 : 0) << i;
            for (int n = 1; n <= 6; ++n) {
                if (!profile.ElementAvailable[n] || profile.Shapes[n].empty())
                    continue;
                const profiles::TCoord &s = profile.Shapes[n].front();
                const QPoint centre((s.Left + s.Right) / 2, (s.Top + s.Bottom) / 2);
                EXPECT_EQ(d.frames[i].pixel(centre), shown[i].pixel(centre)) << "frame " << i << " element " << n;
            }
        }
    }
}

TEST_F(ExportTest, CommandLineRefusalsExitOneAndWriteNothing)
{
    const QString in = writePat("show.pat", showDocument());
    const std::string file = in.toStdString();
    const struct {
        std::vector<std::string> args;
        const char *error;
    } cases[] = {
        {{p("absent.pat"), "0", p("out.gif")}, "File not found"},
        {{file, "4", p("out.gif")}, "no glowshow 4"},
        {{file, "id:FF", p("out.gif")}, "no glowshow id:FF"},
        {{file, "x", p("out.gif")}, "no glowshow x"},
        {{file, "1", p("out.gif")}, "rhythm glowshow"},
        {{file, "2", p("out.webp")}, "nothing to animate"},
        {{file, "0", p("out.bmp")}, "unknown file type"},
        {{file, "0", p("out")}, "unknown file type"},
        {{file, "0", p("out.gif"), "--speed", "5"}, "--speed"},
        {{file, "0", p("out.png"), "--scale", "0"}, "--scale"},
        {{file, "0", p("out.gif"), "--profile", "Nokia"}, "no profile \"Nokia\""},
        {{file, "0", p("nofolder/out.gif")}, "Invalid filename"},
        {{file, "0"}, "usage: --export IN GLOWSHOW OUT"},
    };
    for (const auto &c : cases) {
        const Outcome r = runExport(c.args);
        EXPECT_EQ(r.code, 1) << c.error;
        EXPECT_NE(r.err.find(c.error), std::string::npos) << r.err;
        EXPECT_TRUE(QDir(path({})).entryList({"out*"}).isEmpty()) << c.error;
    }
}

TEST_F(ExportTest, WindowActionsFollowTheSelectedGlowshow)
{
    startWith(showDocument());
    const struct {
        int row;
        bool animation, storyboard;
    } cases[] = {{0, true, true}, {1, false, true}, {2, true, true}, {3, true, true}};
    for (const auto &c : cases) {
        widget<QListWidget>("ListBox1")->setCurrentRow(c.row);
        EXPECT_EQ(action("AExportAnimation")->isEnabled(), c.animation) << c.row;
        EXPECT_EQ(action("AExportStoryboard")->isEnabled(), c.storyboard) << c.row;
    }
    // Row 2 has no frames: the command says so and asks for no name.
    widget<QListWidget>("ListBox1")->setCurrentRow(2);
    acceptNextMessageBox();
    trigger(action("AExportAnimation"));
    ASSERT_EQ(modalsSeen.size(), 1u);
    EXPECT_TRUE(modalsSeen[0].text.contains("nothing to animate")) << modalsSeen[0].text.toStdString();
    EXPECT_TRUE(dialogs.exportSuggestions.isEmpty());
}

TEST_F(ExportTest, WindowWritesTheChosenFileOrKeepsTheOldOne)
{
    startWith(showDocument());
    const QString old = writeBytes("old.gif", "old bytes");
    QFile::setPermissions(old, QFile::ReadOwner);
    const struct {
        int row;
        QAction *action;
        QString name;
        const char *format; // nullptr: refused with this message
        const char *message;
    } cases[] = {
        {0, action("AExportAnimation"), path("w.gif"), "gif", nullptr},
        {3, action("AExportAnimation"), path("w.webp"), "webp", nullptr},
        {1, action("AExportStoryboard"), path("w.png"), "png", nullptr},
        {0, action("AExportAnimation"), path("w.png"), nullptr, "an animation is saved as .gif or .webp"},
        {0, action("AExportStoryboard"), path("s.gif"), nullptr, "a storyboard is saved as .png"},
        {0, action("AExportAnimation"), old, nullptr, "File access denied"},
    };
    for (const auto &c : cases) {
        widget<QListWidget>("ListBox1")->setCurrentRow(c.row);
        dialogs.exportNames = {c.name};
        const std::size_t boxes = modalsSeen.size();
        if (c.message)
            acceptNextMessageBox();
        trigger(c.action);
        if (c.format) {
            QImageReader reader(c.name);
            EXPECT_EQ(reader.format(), c.format);
            EXPECT_FALSE(reader.read().isNull()) << c.name.toStdString();
        } else {
            ASSERT_EQ(modalsSeen.size(), boxes + 1) << c.message;
            EXPECT_TRUE(modalsSeen.back().text.contains(c.message)) << modalsSeen.back().text.toStdString();
        }
    }
    EXPECT_EQ(fileBytes(old), "old bytes");
    EXPECT_FALSE(QFile::exists(path("s.gif")));
    EXPECT_EQ(dialogs.exportSuggestions.first(), "show-0A.gif");
    EXPECT_TRUE(unexpectedModals.empty());
}
