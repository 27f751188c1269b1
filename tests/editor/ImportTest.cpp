#include "EditorFixture.h"

#include "CommandRun.h"

#include "editor/ImportGlowshowsDialog.h"
#include "export/AnimationWriters.h"
#include "model/GlowFile.h"

#include <QAction>

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using editor_test::EditorFixture;

namespace {

class ImportTest : public EditorFixture {
protected:
    std::string p(const char *name) const { return path(QString::fromLatin1(name)).toStdString(); }
    model::TDocument readBack(const char *name) const
    {
        model::TDocument doc;
        const QByteArray bytes = fileBytes(path(QString::fromLatin1(name)));
        model::DecodeGlowFile(doc, reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                              std::size_t(bytes.size()));
        return doc;
    }
};

// Pictures of the given sizes and fill colours, 100 ms each, as a GIF.
QByteArray filledGif(QSize size, const std::vector<QRgb> &colours)
{
    exporting::Animation animation;
    animation.size = size;
    for (const QRgb colour : colours) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(colour);
        animation.frames.push_back({QRect(QPoint(), size), picture, 100});
    }
    return exporting::encodeGif(animation);
}

} // namespace

TEST_F(ImportTest, CommandLineWritesTheGlowshowAloneOrAppended)
{
    const model::TDocument base =
        editor_test::documentOf({editor_test::normalGlowshow(1, {}), editor_test::normalGlowshow(2, {})});
    writePat("base.pat", base);
    writeBytes("red.gif", filledGif({4, 4}, {qRgb(255, 0, 0), qRgb(0, 0, 255)}));
    const std::string profile = "Motorola (All Models)"; // six full-colour elements

    const editor_test::CommandRun alone =
        editor_test::runCommand({"--import-animation", p("red.gif"), p("alone.pat"), "--profile", profile});
    ASSERT_EQ(alone.code, 0) << alone.err;
    const model::TDocument one = readBack("alone.pat");
    ASSERT_EQ(one.Glowshows.size(), 1u);
    EXPECT_EQ(one.Glowshows[0].Id, 1);
    ASSERT_EQ(one.Glowshows[0].Frames.size(), 2u);
    EXPECT_EQ(one.Glowshows[0].Frames[0].Entries.size(), 6u);
    EXPECT_EQ(one.Glowshows[0].Frames[0].Entries[0], (model::TFrameEntry{1, 15, 0, 0}));
    EXPECT_EQ(one.Glowshows[0].Frames[1].Duration, 100);

    const editor_test::CommandRun into = editor_test::runCommand(
        {"--import-animation", p("red.gif"), p("into.pat"), "--into", p("base.pat"), "--profile", profile});
    ASSERT_EQ(into.code, 0) << into.err;
    EXPECT_EQ(into.out, "Id 01 is in use: the new glowshow has Id 03\n");
    const model::TDocument appended = readBack("into.pat");
    ASSERT_EQ(appended.Glowshows.size(), 3u);
    EXPECT_EQ(appended.Glowshows[0], readBack("base.pat").Glowshows[0]);
    model::TGlowshow expected = one.Glowshows[0];
    expected.Id = 3;
    EXPECT_EQ(appended.Glowshows[2], expected);
}

TEST_F(ImportTest, CommandLineErrorsNameTheFileExitOneAndWriteNothing)
{
    std::vector<QRgb> many; // 256 different frames: red and green levels in turn
    for (int i = 0; i < 256; ++i)
        many.push_back(qRgb((i % 16) * 17, (i / 16) * 17, 0));
    const std::string tooMany = writeBytes("many.gif", filledGif({2, 2}, many)).toStdString();
    const std::string ok = writeBytes("ok.gif", filledGif({2, 2}, {qRgb(1, 2, 3)})).toStdString();
    const std::string picture = writeBytes("still.png", QByteArray::fromHex("89504e470d0a1a0a")).toStdString();
    const std::string notPat = writeBytes("gimp.pat", QByteArray::fromHex("0102000000")).toStdString();
    const std::string truncated =
        writeBytes("cut.gif", filledGif({8, 8}, {qRgb(9, 9, 9), qRgb(200, 1, 1)}).left(30)).toStdString();
    const struct {
        std::vector<std::string> args;
        std::string file; // named in the message
        const char *error;
    } cases[] = {
        {{p("absent.gif"), p("out.pat")}, p("absent.gif"), "File not found"},
        {{p(""), p("out.pat")}, p(""), "File access denied"},
        {{picture, p("out.pat")}, picture, "not a GIF or WebP animation"},
        {{notPat, p("out.pat")}, notPat, "not a GIF or WebP animation"},
        {{truncated, p("out.pat")}, truncated, "damaged"},
        {{tooMany, p("out.pat")}, tooMany, "more than 255 different frames"},
        {{ok, p("out.pat"), "--profile", "Nokia"}, "Nokia", "no profile"},
        {{ok, p("out.pat"), "--into", p("absent.pat")}, p("absent.pat"), "File not found"},
        {{ok, p("out.pat"), "--into", notPat}, notPat, "not a glowshow file"},
        {{ok, p("nofolder/out.pat")}, p("nofolder/out.pat"), "Invalid filename"},
        {{ok}, "--import-animation", "usage"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.error);
        std::vector<std::string> args = c.args;
        args.insert(args.begin(), "--import-animation");
        const editor_test::CommandRun r = editor_test::runCommand(args);
        EXPECT_EQ(r.code, 1);
        EXPECT_NE(r.err.find(c.error), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.file), std::string::npos) << r.err;
        const QStringList written = QDir(path({})).entryList({"out*"});
        EXPECT_TRUE(written.isEmpty());
        for (const QString &name : written)
            QFile::remove(path(name));
    }
}

TEST_F(ImportTest, DialogSaysWhichIdsChangeAndOffersOkOnlyForWhatFits)
{
    const model::TDocument target =
        editor_test::documentOf({editor_test::normalGlowshow(1, {}), editor_test::normalGlowshow(2, {})});
    const std::vector<model::TGlowshow> other = {editor_test::normalGlowshow(1, {}), editor_test::normalGlowshow(3, {}),
                                                 editor_test::rhythmGlowshow(7, 1, {})};
    const auto label = [](const model::TGlowshow &g) {
        return QStringLiteral("(%1)%2").arg(g.Id, 2, 16, QLatin1Char('0')).arg(g.Kind == model::KindRhythm ? "R" : "");
    };
    const auto text = [](std::string_view key) {
        return key == "ImportNewId" ? QStringLiteral("%1 > %2")
                                    : QString::fromLatin1(key.data(), qsizetype(key.size()));
    };
    editor::ImportGlowshowsDialog dialog(target, other, label, text);
    auto *list = dialog.findChild<QListWidget *>("ImportGlowshowsList");
    auto *ok = dialog.findChild<QDialogButtonBox *>("ImportGlowshowsButtons")->button(QDialogButtonBox::Ok);
    const auto shown = [list] {
        QStringList lines;
        for (int row = 0; row < list->count(); ++row)
            lines << list->item(row)->text() + (list->item(row)->checkState() == Qt::Checked ? "" : " -");
        return lines;
    };
    const auto ids = [&dialog] {
        std::vector<int> result;
        for (const model::TGlowshow &g : dialog.chosen())
            result.push_back(g.Id);
        return result;
    };

    EXPECT_EQ(shown(), QStringList({"(01) > (03)", "(03) > (04)", "(07)R"}));
    EXPECT_EQ(ids(), std::vector<int>({3, 4, 7}));
    EXPECT_TRUE(ok->isEnabled());

    list->item(0)->setCheckState(Qt::Unchecked); // (03) keeps its Id now
    EXPECT_EQ(shown(), QStringList({"(01) -", "(03)", "(07)R"}));
    EXPECT_EQ(ids(), std::vector<int>({3, 7}));

    for (int row = 1; row < 3; ++row)
        list->item(row)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(ok->isEnabled());

    std::vector<model::TGlowshow> many(254, editor_test::normalGlowshow(9, {}));
    const model::TDocument nearlyFull = editor_test::documentOf(many);
    editor::ImportGlowshowsDialog tooMany(nearlyFull, other, label, text);
    EXPECT_FALSE(
        tooMany.findChild<QDialogButtonBox *>("ImportGlowshowsButtons")->button(QDialogButtonBox::Ok)->isEnabled());
    EXPECT_FALSE(tooMany.findChild<QLabel *>("ImportGlowshowsNote")->text().isEmpty());
    tooMany.findChild<QListWidget *>("ImportGlowshowsList")->item(0)->setCheckState(Qt::Unchecked);
    tooMany.findChild<QListWidget *>("ImportGlowshowsList")->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_TRUE(
        tooMany.findChild<QDialogButtonBox *>("ImportGlowshowsButtons")->button(QDialogButtonBox::Ok)->isEnabled());
}

TEST_F(ImportTest, WindowAppendsAsOneUndoableStepAndChangesNothingOnAnError)
{
    const auto bytesOf = [](model::TDocument doc) { return model::EncodeGlowFile(doc); };
    const model::TDocument start = editor_test::documentOf(
        {editor_test::normalGlowshow(1, {editor_test::frame(100, {})}), editor_test::normalGlowshow(2, {})});
    const model::TGlowshow normal = editor_test::normalGlowshow(1, {editor_test::frame(300, {})});
    const model::TGlowshow rhythm = editor_test::rhythmGlowshow(5, 1, {});
    const QString other = writePat("other.pat", editor_test::documentOf({normal, rhythm}));
    startWith(start);
    const std::vector<std::uint8_t> opened = bytesOf(form().Document);

    dialogs.openNames << other;
    answerNextModal([](QWidget *w) { qobject_cast<QDialog *>(w)->accept(); });
    trigger(action("AImportGlowshows"));
    ASSERT_EQ(form().Document.Glowshows.size(), 4u);
    EXPECT_EQ(form().Document.Glowshows[2].Id, 3); // 1 was in use
    EXPECT_EQ(form().Document.Glowshows[2].Frames, normal.Frames);
    EXPECT_EQ(form().Document.Glowshows[3].Kind, model::KindRhythm);
    EXPECT_EQ(widget<QListWidget>("ListBox1")->count(), 4);
    trigger(action("AUndo"));
    EXPECT_EQ(bytesOf(form().Document), opened);
    EXPECT_EQ(widget<QListWidget>("ListBox1")->count(), 2);

    dialogs.importNames << writeBytes("blue.gif", filledGif({4, 4}, {qRgb(0, 0, 255)}));
    trigger(action("AImportAnimation"));
    ASSERT_EQ(form().Document.Glowshows.size(), 3u);
    EXPECT_EQ(form().Document.Glowshows[2].Id, 3);
    trigger(action("AUndo"));
    EXPECT_EQ(bytesOf(form().Document), opened);

    const struct {
        const char *action;
        QString file;
        const char *error;
    } failures[] = {
        {"AImportGlowshows", writeBytes("gimp.pat", QByteArray::fromHex("0102000000")), "not a glowshow file"},
        {"AImportGlowshows", path("absent.pat"), "File not found"},
        {"AImportAnimation", writeBytes("text.gif", "not a picture"), "is not a GIF or WebP animation"},
        {"AImportAnimation", path("absent.gif"), "File not found"},
    };
    for (const auto &f : failures) {
        SCOPED_TRACE(f.error);
        (std::string(f.action) == "AImportGlowshows" ? dialogs.openNames : dialogs.importNames) << f.file;
        acceptNextMessageBox();
        const std::size_t seen = modalsSeen.size();
        trigger(action(f.action));
        ASSERT_EQ(modalsSeen.size(), seen + 1);
        EXPECT_TRUE(modalsSeen.back().text.contains(QString::fromLatin1(f.error)))
            << modalsSeen.back().text.toStdString();
        EXPECT_TRUE(modalsSeen.back().text.contains(QDir::toNativeSeparators(f.file)));
        EXPECT_EQ(bytesOf(form().Document), opened);
    }
    EXPECT_TRUE(unexpectedModals.empty());
}
