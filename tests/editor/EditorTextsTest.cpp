#include "editor/EditorTexts.h"

#include "profiles/CodePage.h"
#include "settings/LanguageFile.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const std::string ShippedProgramDir = std::string(GLOW_DATA_DIR) + "/";

TEST(EditorTexts, EveryKeyIsInEachShippedLanguageAndDiffersFromEnglishInRussian)
{
    const settings::LanguageTexts english = settings::readLanguage(ShippedProgramDir, "English");
    const settings::LanguageTexts russian = settings::readLanguage(ShippedProgramDir, "Russian");
    profiles::setAnsiCodePage(1252);
    std::set<std::string> keys;
    for (const editor::EditorText &t : editor::editorTexts()) {
        EXPECT_TRUE(keys.insert(t.key).second) << "twice: " << t.key;
        const std::string *en = english.editor(t.key);
        const std::string *ru = russian.editor(t.key);
        ASSERT_NE(en, nullptr) << "English lacks " << t.key;
        ASSERT_NE(ru, nullptr) << "Russian lacks " << t.key;
        EXPECT_EQ(*en, t.english) << t.key;
        EXPECT_NE(*ru, *en) << "untranslated: " << t.key;
    }
}

TEST(EditorTexts, LanguageFileWithoutTheKeyShowsTheBuiltInEnglish)
{
    settings::LanguageTexts old;
    settings::LanguageTexts own;
    own.Editor["editmenu"] = "&Bearbeiten";
    const editor::EditorText &first = editor::editorTexts().front();

    EXPECT_EQ(editor::editorText(old, first.key), QString::fromUtf8(first.english));
    EXPECT_EQ(editor::editorText(own, "EditMenu"), QStringLiteral("&Bearbeiten"));
    EXPECT_EQ(editor::editorText(old, "NoSuchKey"), QStringLiteral("NoSuchKey"));
}

} // namespace
