#include "EditorFixture.h"

#include "TestHelpers.h"
#include "model/GlowFile.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QMessageBox>

#include <unistd.h>

namespace editor_test {
namespace {

using testing_support::fromHex;

class FileCommandsTest : public EditorFixture {
protected:
    // Opens a file and expects an error box; returns its text.
    // An error box's text: the run-time's text, then the file's full path.
    static QString naming(const char *text, const QString &file)
    {
        return QString::fromLatin1(text) + QLatin1Char('\n') +
               QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
    }

    QString openExpectingError(const QString &path)
    {
        acceptNextMessageBox();
        const std::size_t before = modalsSeen.size();
        openThroughDialog(path);
        if (modalsSeen.size() != before + 1) {
            ADD_FAILURE() << "no error box for " << path.toStdString();
            return {};
        }
        return modalsSeen.back().text;
    }

    void expectNoStrayBoxes()
    {
        for (const ModalSeen &m : unexpectedModals)
            ADD_FAILURE() << "unexpected " << m.className.toStdString() << ": " << m.text.toStdString();
    }

    bool tabShown(QWidget *page) const
    {
        return widget<QTabWidget>("PageControl1")->isTabVisible(widget<QTabWidget>("PageControl1")->indexOf(page));
    }
};

struct WorkedExample {
    const char *name;
    const char *hex;
};

const WorkedExample workedExamples[] = {
    {"OneNormalFrame", "01 01 00 0C 01  00 06 01 00 00 01 02  01 F4 01  01 0F 80"},
    {"RepeatingWithTrailer", "01 01 00 0F 01  00 09 01 00 00 01 02  01 F4 01  01 0F 80  0B B8 00  02 38 59  00"},
    {"RhythmChannel", "01 01 00 12 01  00 0C 01 00 00 01 01  02 02 03 E8 00 C8  0F 00 64  00 FF 00"},
};

TEST_F(FileCommandsTest, WorkedExamplesOpenedAndSavedAsAreByteIdentical)
{
    start();
    for (const WorkedExample &example : workedExamples) {
        SCOPED_TRACE(example.name);
        const QByteArray bytes = fromHex(example.hex);
        const QString in = writeBytes(QString::fromLatin1(example.name) + ".pat", bytes);
        const QString out = path(QString::fromLatin1(example.name) + "-saved.pat");
        openThroughDialog(in);
        ASSERT_TRUE(form().document().isLoaded());
        saveAsThroughDialog(out);
        EXPECT_EQ(fileBytes(out).toHex(' '), bytes.toHex(' '));
        EXPECT_EQ(form().Document.GlowFile.FileName, out.toStdString());
    }
    expectNoStrayBoxes();
}

TEST_F(FileCommandsTest, WorkedExampleTwoReadsIntoTheDescribedDocument)
{
    start();
    openThroughDialog(writeBytes("two.pat", fromHex(workedExamples[1].hex)));
    const model::TDocument &d = form().Document;
    ASSERT_EQ(d.Glowshows.size(), 1u);
    const model::TGlowshow &g = d.Glowshows[0];
    EXPECT_EQ(g.Repeating, 1);
    EXPECT_EQ(g.RepeatDuration, 3000);
    ASSERT_EQ(g.Frames.size(), 1u);
    EXPECT_EQ(g.Frames[0].Duration, 500);
    EXPECT_EQ(g.Frames[0].Entries, (model::FrameEntries{entry(1, 15, 8, 0)}));
    EXPECT_EQ(d.HasTrailer, 1);
    EXPECT_EQ(d.TrailerText1, "Hi");
    EXPECT_TRUE(widget<QCheckBox>("CheckBox3")->isChecked());
    EXPECT_EQ(widget<QLineEdit>("Edit1")->text(), "Hi");
    EXPECT_EQ(widget<QPlainTextEdit>("Memo1")->toPlainText(), "");
}

TEST_F(FileCommandsTest, StartWithoutArgumentShowsOnlySetupAndPreviewTabs)
{
    editor::TMForm &f = start();
    EXPECT_FALSE(f.document().isLoaded());
    EXPECT_TRUE(tabShown(widget<QWidget>("Tab1")));
    EXPECT_FALSE(tabShown(widget<QWidget>("Tab2")));
    EXPECT_TRUE(tabShown(widget<QWidget>("Tab3")));
    EXPECT_EQ(widget<QTabWidget>("PageControl1")->currentWidget(), widget<QWidget>("Tab1"));
    EXPECT_TRUE(action("AOpenFile")->isEnabled());
    EXPECT_FALSE(action("ASave")->isEnabled());
    EXPECT_FALSE(action("ASaveAs")->isEnabled());
    EXPECT_FALSE(action("AAddNewGlow")->isEnabled());
    EXPECT_FALSE(action("ADelGlow")->isEnabled());
    EXPECT_FALSE(action("AGlowCopy")->isEnabled());
    expectNoStrayBoxes();
}

TEST_F(FileCommandsTest, StartWithFileArgumentOpensItOnEditPageAndIgnoresSecondArgument)
{
    const QString first = writeBytes("first.pat", fromHex(workedExamples[1].hex));
    const QString second = writeBytes("second.pat", fromHex(workedExamples[2].hex));
    editor::TMForm &f = start({first, second});
    expectNoStrayBoxes();
    ASSERT_TRUE(f.document().isLoaded());
    EXPECT_EQ(f.Document.GlowFile.FileName, first.toStdString());
    ASSERT_EQ(f.Document.Glowshows.size(), 1u);
    EXPECT_EQ(f.Document.Glowshows[0].Kind, model::KindNormal);
    EXPECT_TRUE(tabShown(widget<QWidget>("Tab2")));
    EXPECT_EQ(widget<QTabWidget>("PageControl1")->currentWidget(), widget<QWidget>("Tab2"));
    EXPECT_TRUE(action("ASave")->isEnabled());
    EXPECT_TRUE(action("ASaveAs")->isEnabled());
    EXPECT_TRUE(action("AAddNewGlow")->isEnabled());
    EXPECT_EQ(widget<QListWidget>("ListBox1")->count(), 1);
    EXPECT_EQ(widget<QListWidget>("ListBox1")->currentRow(), 0);

    // The trailer controls show the file's notes, and the trailer is kept.
    EXPECT_TRUE(widget<QCheckBox>("CheckBox3")->isChecked());
    testing_support::writeAll(first, QByteArray("overwritten by Save"));
    trigger(action("ASave"));
    EXPECT_EQ(fileBytes(first).toHex(' '), fromHex(workedExamples[1].hex).toHex(' '));
}

TEST_F(FileCommandsTest, StartWithMissingFileReportsItAndStaysWithoutDocument)
{
    acceptNextMessageBox();
    editor::TMForm &f = start({path("absent.pat")});
    ASSERT_EQ(modalsSeen.size(), 1u);
    EXPECT_EQ(modalsSeen[0].text, naming("File not found", path("absent.pat")));
    EXPECT_FALSE(f.document().isLoaded());
    EXPECT_FALSE(action("ASave")->isEnabled());
    EXPECT_TRUE(f.Document.GlowFile.FileName.empty());
}

TEST_F(FileCommandsTest, OpenOfMissingFileReportsFileNotFoundAndKeepsDocument)
{
    start();
    const QString good = writeBytes("good.pat", fromHex(workedExamples[0].hex));
    openThroughDialog(good);
    const model::TDocument before = form().Document;

    EXPECT_EQ(openExpectingError(path("missing.pat")), naming("File not found", path("missing.pat")));
    EXPECT_EQ(form().Document, before);
    EXPECT_EQ(form().Document.GlowFile.FileName, good.toStdString());
    EXPECT_EQ(widget<QListWidget>("ListBox1")->count(), 1);
}

TEST_F(FileCommandsTest, OpenOfFileNotStartingWith257NamesItAndSaveLeavesItAlone)
{
    start();
    const QString good = writeBytes("good.pat", fromHex(workedExamples[0].hex));
    openThroughDialog(good);
    const QByteArray foreign = fromHex("01 02 00 00 00 47 50 41 54");
    const QString other = writeBytes("gimp.pat", foreign);

    const QString message = openExpectingError(other);
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(other))) << message.toStdString();
    EXPECT_EQ(form().Document.GlowFile.FileName, good.toStdString());

    trigger(action("ASave"));
    EXPECT_EQ(fileBytes(other), foreign);
    EXPECT_EQ(fileBytes(good).toHex(' '), fromHex(workedExamples[0].hex).toHex(' '));
}

TEST_F(FileCommandsTest, OpenOfTruncatedFileOrFolderReportsTheRunTimeErrorAndKeepsDocument)
{
    start();
    const QString good = writeBytes("good.pat", fromHex(workedExamples[0].hex));
    openThroughDialog(good);
    const model::TDocument before = form().Document;
    const QString truncated = writeBytes("short.pat", fromHex("01 01 00 0C 01 00 06 01"));
    EXPECT_EQ(openExpectingError(truncated), naming("Read beyond end of file", truncated));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.pat"));
    EXPECT_EQ(openExpectingError(path("folder.pat")), naming("File access denied", path("folder.pat")));
    EXPECT_EQ(form().Document, before);
}

TEST_F(FileCommandsTest, CancelledOpenChangesNothing)
{
    start();
    trigger(action("AOpenFile"));
    EXPECT_EQ(dialogs.openCalls, 1);
    EXPECT_FALSE(form().document().isLoaded());
    EXPECT_FALSE(action("ASave")->isEnabled());
    expectNoStrayBoxes();
}

TEST_F(FileCommandsTest, SaveAsCancelledKeepsNameAndConfirmedRedirectsLaterSaves)
{
    const QString original = writeBytes("original.pat", fromHex(workedExamples[0].hex));
    startWith(documentOf({}), "unused.pat");
    openThroughDialog(original);

    trigger(action("ASaveAs")); // no name queued: cancelled
    EXPECT_EQ(dialogs.saveCalls, 1);
    EXPECT_EQ(form().Document.GlowFile.FileName, original.toStdString());

    const QString renamed = path("renamed.pat");
    saveAsThroughDialog(renamed);
    EXPECT_EQ(form().Document.GlowFile.FileName, renamed.toStdString());
    ASSERT_TRUE(QFile::exists(renamed));

    form().Document.Glowshows[0].Frames[0].Duration = 1000;
    trigger(action("ASave"));
    EXPECT_EQ(dialogs.saveCalls, 2);
    EXPECT_EQ(fileBytes(renamed).mid(12, 2), fromHex("03 E8"));
    EXPECT_EQ(fileBytes(original).toHex(' '), fromHex(workedExamples[0].hex).toHex(' '));
    expectNoStrayBoxes();
}

TEST_F(FileCommandsTest, SaveAsOntoFolderReportsAccessDeniedAndKeepsName)
{
    const QString original = writeBytes("original.pat", fromHex(workedExamples[0].hex));
    start();
    openThroughDialog(original);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.pat"));
    acceptNextMessageBox();
    saveAsThroughDialog(path("folder.pat"));
    ASSERT_EQ(modalsSeen.size(), 1u);
    EXPECT_EQ(modalsSeen[0].text, naming("File access denied", path("folder.pat")));
    EXPECT_EQ(form().Document.GlowFile.FileName, original.toStdString());
}

TEST_F(FileCommandsTest, SaveOntoReadOnlyFileReportsAccessDeniedAndLeavesIt)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind the superuser";
    const QString target = writeBytes("locked.pat", fromHex(workedExamples[0].hex));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    start();
    openThroughDialog(target);
    form().Document.Glowshows[0].Frames[0].Duration = 1000;
    acceptNextMessageBox();
    trigger(action("ASave"));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(modalsSeen.size(), 1u);
    EXPECT_EQ(modalsSeen[0].text, naming("File access denied", target));
    EXPECT_EQ(fileBytes(target).toHex(' '), fromHex(workedExamples[0].hex).toHex(' '));
}

TEST_F(FileCommandsTest, AddingThroughTypeDialogAppendsChosenKindOrNothingOnCancel)
{
    struct Case {
        const char *name;
        int button;
        bool adds;
        std::uint8_t kind;
    };
    const Case cases[] = {
        {"Normal", 1, true, model::KindNormal}, {"Clublight", 2, true, model::KindRhythm}, {"Cancel", 3, false, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        startWith(documentOf({normalGlowshow(10, {frame(100, {entry(1, 1, 2, 3)})})}));
        widget<QListWidget>("ListBox1")->setCurrentRow(0);
        const model::TGlowshow first = form().Document.Glowshows[0];
        answerGlowshowType(c.button);
        trigger(action("AAddNewGlow"));
        ASSERT_EQ(modalsSeen.size(), 1u);
        const model::TDocument &d = form().Document;
        ASSERT_EQ(d.Glowshows.size(), c.adds ? 2u : 1u);
        EXPECT_EQ(d.GlowFile.GlowshowCount, d.Glowshows.size());
        EXPECT_EQ(d.Glowshows[0], first);
        EXPECT_EQ(widget<QListWidget>("ListBox1")->count(), int(d.Glowshows.size()));
        EXPECT_EQ(widget<QListWidget>("ListBox1")->currentRow(), 0);
        if (c.adds) {
            EXPECT_EQ(d.Glowshows[1].Kind, c.kind);
            EXPECT_EQ(d.Glowshows[1].Id, 1);
        }
        modalsSeen.clear();
        expectNoStrayBoxes();
    }
}

TEST_F(FileCommandsTest, AddingIsDisabledAtTheLargestGlowshowCount)
{
    std::vector<model::TGlowshow> many(254, normalGlowshow(1, {frame(10, {})}));
    startWith(documentOf(many));
    ASSERT_TRUE(action("AAddNewGlow")->isEnabled());
    answerGlowshowType(1);
    trigger(action("AAddNewGlow"));
    ASSERT_EQ(form().Document.Glowshows.size(), 255u);
    EXPECT_FALSE(action("AAddNewGlow")->isEnabled());
    trigger(action("AAddNewGlow")); // would hang on the dialog if it ran
    EXPECT_EQ(form().Document.Glowshows.size(), 255u);
    expectNoStrayBoxes();
}

TEST_F(FileCommandsTest, NewFileGivesEmptyUsableDocumentAndSaveWithoutNameAsksForOne)
{
    startWith(documentOf({normalGlowshow(10, {frame(100, {entry(1, 1, 2, 3)})})}));
    widget<QCheckBox>("CheckBox3")->click();
    widget<QLineEdit>("Edit1")->setText("old");
    answerMessageBox(QMessageBox::Discard);
    trigger(action("ANewFile"));
    const model::TDocument &d = form().Document;
    EXPECT_TRUE(d.Glowshows.empty());
    EXPECT_TRUE(d.GlowFile.FileName.empty());
    EXPECT_EQ(d.HasTrailer, 0);
    EXPECT_EQ(widget<QListWidget>("ListBox1")->count(), 0);
    EXPECT_TRUE(action("ASave")->isEnabled());
    EXPECT_TRUE(action("AAddNewGlow")->isEnabled());
    EXPECT_FALSE(widget<QCheckBox>("CheckBox3")->isChecked());

    answerGlowshowType(1);
    trigger(action("AAddNewGlow"));
    ASSERT_EQ(form().Document.Glowshows.size(), 1u);

    const QString target = path("new.pat");
    dialogs.saveNames.append(target);
    trigger(action("ASave"));
    EXPECT_EQ(dialogs.saveCalls, 1);
    EXPECT_EQ(form().Document.GlowFile.FileName, target.toStdString());
    model::TDocument read;
    const QByteArray bytes = fileBytes(target);
    ASSERT_TRUE(
        model::DecodeGlowFile(read, reinterpret_cast<const std::uint8_t *>(bytes.data()), std::size_t(bytes.size())));
    ASSERT_EQ(read.Glowshows.size(), 1u);
    EXPECT_EQ(read.Glowshows[0].Kind, model::KindNormal);
    expectNoStrayBoxes();
}

TEST_F(FileCommandsTest, UntickedTrailerIsNotSavedAndTickingAgainSavesTheTexts)
{
    startWith(documentOf({normalGlowshow(1, {frame(500, {entry(1, 15, 8, 0)})})}));
    const QString out = path("out.pat");
    widget<QCheckBox>("CheckBox3")->click();
    ASSERT_TRUE(widget<QCheckBox>("CheckBox3")->isChecked());
    widget<QLineEdit>("Edit1")->clear();
    QTest::keyClicks(widget<QLineEdit>("Edit1"), "Hi");
    saveAsThroughDialog(out);
    EXPECT_EQ(fileBytes(out).toHex(' '),
              fromHex("01 01 00 0C 01 00 06 01 00 00 01 02 01 F4 01 01 0F 80 02 38 59 00").toHex(' '));

    widget<QCheckBox>("CheckBox3")->click();
    trigger(action("ASave"));
    EXPECT_EQ(fileBytes(out).toHex(' '), fromHex(workedExamples[0].hex).toHex(' '));
    EXPECT_EQ(widget<QLineEdit>("Edit1")->text(), "Hi");
}

TEST_F(FileCommandsTest, TrailerTextsRefuseMoreThan255Characters)
{
    start();
    openThroughDialog(writeBytes("one.pat", fromHex(workedExamples[0].hex)));
    widget<QCheckBox>("CheckBox3")->click();
    widget<QLineEdit>("Edit1")->setText(QString(255, QLatin1Char('a')));
    QTest::keyClicks(widget<QLineEdit>("Edit1"), "bc");
    EXPECT_EQ(form().Document.TrailerText1.size(), 255u);
    EXPECT_LE(widget<QLineEdit>("Edit1")->text().size(), 255);

    widget<QPlainTextEdit>("Memo1")->setPlainText(QString(255, QLatin1Char('m')));
    widget<QPlainTextEdit>("Memo1")->moveCursor(QTextCursor::End);
    QTest::keyClicks(widget<QPlainTextEdit>("Memo1"), "x");
    EXPECT_EQ(form().Document.TrailerText2.size(), 255u);

    const QString out = path("long.pat");
    saveAsThroughDialog(out);
    const QByteArray bytes = fileBytes(out);
    ASSERT_EQ(bytes.size(), 18 + 1 + 255 + 1 + 255);
    EXPECT_EQ(quint8(bytes[18]), 255);
    EXPECT_EQ(quint8(bytes[18 + 256]), 255);
}

TEST_F(FileCommandsTest, TrailerBytesOfEveryCodeSurviveOpenAndSave)
{
    // Text 1 holds codes below 0x10 and the high half (including codes the ANSI page leaves
    // undefined); text 2 holds a line break pair.
    QByteArray text1;
    for (int code : {0x01, 0x05, 0x0F, 0x41, 0x7F, 0x80, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0xA0, 0xC0, 0xFF})
        text1.append(char(code));
    const QByteArray text2("ab\r\ncd");
    QByteArray bytes = fromHex(workedExamples[0].hex);
    for (const QByteArray &t : {text1, text2}) {
        bytes.append(char(t.size()));
        for (char c : t)
            bytes.append(char(quint8(c) - 16));
    }
    start();
    const QString in = writeBytes("trailer.pat", bytes);
    openThroughDialog(in);
    EXPECT_EQ(form().Document.TrailerText1, text1.toStdString());
    EXPECT_EQ(form().Document.TrailerText2, text2.toStdString());
    EXPECT_TRUE(widget<QCheckBox>("CheckBox3")->isChecked());
    const QString out = path("trailer-saved.pat");
    saveAsThroughDialog(out);
    EXPECT_EQ(fileBytes(out).toHex(' '), bytes.toHex(' '));
    expectNoStrayBoxes();
}

} // namespace
} // namespace editor_test
