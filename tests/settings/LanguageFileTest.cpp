#include "settings/LanguageFile.h"

#include "model/IoError.h"
#include "profiles/CodePage.h"
#include "TestHelpers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>

using settings::LanguageTexts;

namespace {

// The checked-in language files sit in tests/data/settings/Languages.
const std::string DataProgramDir = std::string(GLOW_TEST_DATA) + "/settings/";

// A program folder of its own with a Languages/ folder in it.
class LanguageFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(mDir.isValid());
        ASSERT_TRUE(QDir(mDir.path()).mkpath("Languages"));
    }
    // Reading a language changes the process-wide code page; leave it as we found it.
    void TearDown() override { profiles::setAnsiCodePage(1252); }

    std::string programDir() const { return mDir.path().toStdString() + "/"; }
    void write(const QString &relativePath, const QByteArray &bytes) const
    {
        testing_support::writeAll(mDir.filePath(relativePath), bytes);
    }

    QTemporaryDir mDir;
};

using LanguageSearch = LanguageFolder;
using LanguageReading = LanguageFolder;
using AboutText = LanguageFolder;

TEST_F(LanguageSearch, ListsEveryLngEntryStrippedSoThatOldCopiesRepeatTheName)
{
    write("Languages/English.lng", "");
    write("Languages/English.old.lng", "");
    write("Languages/Russian.lng", "");
    write("Languages/About.eng", "");
    write("Languages/readme.txt", "");
    ASSERT_TRUE(QDir(mDir.path()).mkpath("Languages/Folder.lng"));

    std::vector<std::string> found = settings::searchLanguages(programDir());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"English", "English", "Folder", "Russian"}));
}

TEST_F(LanguageSearch, MissingLanguagesFolderListsNothing)
{
    ASSERT_TRUE(QDir(mDir.path()).rmdir("Languages"));
    EXPECT_TRUE(settings::searchLanguages(programDir()).empty());
}

TEST_F(LanguageReading, MissingKeysAndSectionsReadAsEmptyTexts)
{
    const LanguageTexts texts = settings::readLanguage(DataProgramDir, "Partial");

    // Section and key names ignore case, quotes are dropped, blanks trimmed.
    EXPECT_EQ(texts.Ext, "prt");
    EXPECT_EQ(texts.s(1), "File");
    EXPECT_EQ(texts.s(8), "About this");
    EXPECT_EQ(texts.s(43), "[Rhythm]");
    EXPECT_EQ(texts.d(3), "Normal");
    // Without "s51" and "s57" both play and stop captions are empty.
    EXPECT_EQ(texts.s(51), "");
    EXPECT_EQ(texts.s(57), "");
    for (int n : {2, 9, 42, 56})
        EXPECT_EQ(texts.s(n), "") << "s" << n;
    for (int n : {1, 2, 4, 5})
        EXPECT_EQ(texts.d(n), "") << "d" << n;
}

TEST_F(LanguageReading, MissingFileGivesEmptyTextsAndResetsTheCodePage)
{
    profiles::setAnsiCodePage(1251);
    const LanguageTexts texts = settings::readLanguage(programDir(), "Klingon");

    EXPECT_EQ(texts.Ext, "");
    EXPECT_EQ(texts.CodePage, 1252);
    EXPECT_EQ(profiles::ansiCodePage(), 1252);
    EXPECT_TRUE(std::all_of(texts.Strings.begin(), texts.Strings.end(), [](auto &s) { return s.empty(); }));
    EXPECT_TRUE(std::all_of(texts.Dialogs.begin(), texts.Dialogs.end(), [](auto &s) { return s.empty(); }));
}

TEST_F(LanguageReading, NonUtf8FileDecodesThroughTheCodePageItNames)
{
    const LanguageTexts texts = settings::readLanguage(DataProgramDir, "Cp1251");

    EXPECT_EQ(texts.CodePage, 1251);
    EXPECT_EQ(profiles::ansiCodePage(), 1251);
    EXPECT_EQ(texts.Ext, "cyr");
    EXPECT_EQ(texts.s(1), "Привет");
    EXPECT_EQ(texts.s(57), "Стоп");
    EXPECT_EQ(texts.d(5), "Отмена");
}

TEST_F(LanguageReading, FileWithoutCodepageIsReadAsWestern)
{
    profiles::setAnsiCodePage(1251); // left over from the language chosen before
    const LanguageTexts texts = settings::readLanguage(DataProgramDir, "NoCodepage");

    EXPECT_EQ(texts.CodePage, 1252);
    EXPECT_EQ(texts.s(1), "Ïðèâåò");
}

TEST_F(LanguageReading, Utf8FileStaysUtf8WhateverCodepageItNames)
{
    write("Languages/Russian.lng", "[Language]\nExt=rus\nCodepage=1251\n[Strings]\ns1=Файл\n");
    const LanguageTexts texts = settings::readLanguage(programDir(), "Russian");

    EXPECT_EQ(texts.CodePage, 1251);
    EXPECT_EQ(texts.s(1), "Файл");
}

TEST_F(LanguageReading, NameThatLeavesTheLanguagesFolderReadsAsMissing)
{
    // Files outside Languages/ that a crafted name would reach.
    write("Secret.lng", "[Language]\nExt=bad\n");
    ASSERT_TRUE(QDir(mDir.path()).mkpath("Languages/sub"));
    write("Languages/sub/Nested.lng", "[Language]\nExt=bad\n");

    for (const std::string name : {"../Secret", "..\\Secret", "sub/Nested", "sub\\Nested", "..", "C:Secret"})
        EXPECT_EQ(settings::readLanguage(programDir(), name).Ext, "") << name;
}

TEST_F(LanguageReading, FileNameMatchesWithoutRegardToCase)
{
    write("Languages/ENGLISH.LNG", "[Language]\nExt=eng\n");
    EXPECT_EQ(settings::readLanguage(programDir(), "English").Ext, "eng");
}

TEST_F(AboutText, LinesBreakAtCrLfOrCrLf)
{
    struct Case {
        const char *text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"one\rtwo\rthree", {"one", "two", "three"}},
        {"one\ntwo\nthree\n", {"one", "two", "three"}},
        {"one\r\ntwo\r\nthree\r\n", {"one", "two", "three"}},
        {"one\r\n\r\ntwo", {"one", "", "two"}},
        {"one\n\rtwo", {"one", "", "two"}}, // LF then CR is two breaks
        {"\nlast", {"", "last"}},
        {"", {}},
    };
    for (const Case &c : cases) {
        write("Languages/About.eng", c.text);
        EXPECT_EQ(settings::readAboutLines(programDir(), "eng"), c.lines) << testing::PrintToString(c.text);
    }
}

TEST_F(AboutText, Utf8ByteOrderMarkIsNotPartOfTheFirstLine)
{
    write("Languages/About.rus", "\xEF\xBB\xBFВерсия 2.1.1\r\nвторая");
    EXPECT_EQ(settings::readAboutLines(programDir(), "rus"), (std::vector<std::string>{"Версия 2.1.1", "вторая"}));
}

TEST_F(AboutText, NonUtf8FileDecodesThroughTheAnsiCodePage)
{
    EXPECT_EQ(settings::readAboutLines(DataProgramDir, "w1252"),
              (std::vector<std::string>{"first line", "second élève"}));

    write("Languages/About.cyr", "\xcf\xf0\xe8\xe2\xe5\xf2");
    profiles::setAnsiCodePage(1251);
    EXPECT_EQ(settings::readAboutLines(programDir(), "cyr"), (std::vector<std::string>{"Привет"}));
}

TEST_F(AboutText, MissingFileRaisesFileOpenErrorWithTheFullPath)
{
    const std::string expected = "Cannot open file " + programDir() + "Languages/About.xyz";
    try {
        settings::readAboutLines(programDir(), "xyz");
        FAIL() << "no error for a missing About file";
    } catch (const model::FileOpenError &e) {
        EXPECT_EQ(std::string(e.what()), expected);
    }
}

TEST_F(AboutText, UnreadableOrOutsideNamesRaiseFileOpenError)
{
    write("secret", "not yours");
    ASSERT_TRUE(QDir(mDir.path()).mkpath("Languages/About.dir"));

    // An empty extension (no language file) names "About." itself.
    for (const std::string ext : {"", "dir", "./../../secret", "x/../../../secret"})
        EXPECT_THROW(settings::readAboutLines(programDir(), ext), model::FileOpenError) << ext;
}

} // namespace

namespace {

TEST_F(LanguageReading, EditorTextsAreFoundByKeyInAnyCaseFirstKeyWinning)
{
    write("Languages/Mixed.lng", "[editor]\nSaveChanges=Save?\nsavechanges=Later\nEmpty=\nNoValue\n"
                                 "Quoted=\"  padded  \"\n[Editor]\nOther=second section\n");
    const LanguageTexts texts = settings::readLanguage(programDir(), "Mixed");

    const struct {
        const char *key;
        const char *expected; // nullptr: the file lacks it
    } cases[] = {{"SaveChanges", "Save?"}, {"SAVECHANGES", "Save?"}, {"empty", ""},
                 {"NoValue", nullptr},    {"Quoted", "  padded  "}, {"Other", nullptr}};
    for (const auto &c : cases) {
        const std::string *found = texts.editor(c.key);
        if (!c.expected) {
            EXPECT_EQ(found, nullptr) << c.key;
            continue;
        }
        ASSERT_NE(found, nullptr) << c.key;
        EXPECT_EQ(*found, c.expected) << c.key;
    }
}

} // namespace
