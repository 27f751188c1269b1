#include "profiles/CodePage.h"
#include "profiles/IniFile.h"

#include <gtest/gtest.h>

#include <string>

using profiles::IniFile;

namespace {

struct StringCase {
    const char *what;
    std::string file;
    const char *section;
    const char *key;
    const char *expected; // read with the default "<def>"
};

class IniStringRules : public testing::TestWithParam<StringCase> {};

TEST_P(IniStringRules, ReadsValueAsWindowsProfileStringsDo)
{
    const StringCase &c = GetParam();
    const IniFile ini = IniFile::fromBytes(c.file);
    EXPECT_EQ(ini.readString(c.section, c.key, "<def>"), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniStringRules,
    testing::Values(
        StringCase{"plain value", "[S]\nk=v\n", "S", "k", "v"},
        StringCase{"names ignore case", "[Glowshows]\nGlowShow1=Call\n", "GLOWSHOWS", "glowshow1", "Call"},
        StringCase{"blanks trimmed around key and value", " [ S ] \n\t k \t= \x1A v w \v\f\n", "S", "k", "v w"},
        StringCase{"CR alone ends a line", "[S]\rk=1\rj=2", "S", "j", "2"},
        StringCase{"CRLF runs end lines", "[S]\r\n\r\n\n\rk=x\r\n", "S", "k", "x"},
        StringCase{"byte order mark skipped", "\xEF\xBB\xBF[S]\nk=bom", "S", "k", "bom"},
        StringCase{"section name runs to the last bracket", "[a]b] tail\nk=1\n", "a]b", "k", "1"},
        StringCase{"text after the last bracket ignored", "[S] ; note\nk=1\n", "S", "k", "1"},
        StringCase{"bracket line without close is a key of the section", "[S]\n[T\nk=1\n", "S", "k", "1"},
        StringCase{"bracket line without close does not open a section", "[S]\n[T\nk=1\n", "T", "k", "<def>"},
        StringCase{"bracket key line with value", "[S]\n[T=5\n", "S", "[T", "5"},
        StringCase{"first section only, not merged", "[S]\na=1\n[S]\nb=2\n", "S", "b", "<def>"},
        StringCase{"first section wins over a later one", "[S]\na=1\n[s]\na=2\n", "S", "a", "1"},
        StringCase{"first key wins", "[S]\nk=1\nK=2\n", "S", "k", "1"},
        StringCase{"key without equals is missing", "[S]\nk\n", "S", "k", "<def>"},
        StringCase{"key without equals still hides a later one", "[S]\nk\nk=2\n", "S", "k", "<def>"},
        StringCase{"value keeps later equals signs", "[S]\nk=a=b\n", "S", "k", "a=b"},
        StringCase{"no comment lines", "[S]\n;x=1\n", "S", ";x", "1"},
        StringCase{"semicolon value is text", "[S]\nk=a ; b\n", "S", "k", "a ; b"},
        StringCase{"keys before any section belong to none", "k=1\n[S]\n", "", "k", "<def>"},
        StringCase{"keys before any section not in the next", "k=1\n[S]\n", "S", "k", "<def>"},
        StringCase{"empty section name is a name", "[]\nk=e\n", "", "k", "e"},
        StringCase{"empty value is empty text", "[S]\nk=\n", "S", "k", ""},
        StringCase{"empty quotes are empty text", "[S]\nk=\"\"\n", "S", "k", ""},
        StringCase{"double quotes dropped, blanks inside kept", "[S]\nk=\" a \"\n", "S", "k", " a "},
        StringCase{"single quotes dropped", "[S]\nk='a'\n", "S", "k", "a"},
        StringCase{"one pair only", "[S]\nk=\"\"a\"\"\n", "S", "k", "\"a\""},
        StringCase{"mismatched quotes kept", "[S]\nk=\"a'\n", "S", "k", "\"a'"},
        StringCase{"single quote char kept", "[S]\nk=\"\n", "S", "k", "\""},
        StringCase{"missing section", "[S]\nk=1\n", "T", "k", "<def>"},
        StringCase{"empty file", "", "S", "k", "<def>"},
        StringCase{"non-ASCII names match byte for byte", "[Строки]\nключ=да\n", "Строки", "ключ", "да"}));

TEST(IniFile, UsesAtMost2047BytesOfAValue)
{
    const std::string longValue(3000, 'x');
    const IniFile ini = IniFile::fromBytes("[S]\nk=" + longValue + "\nq=\"" + std::string(2047, 'y') + "\"\n");
    EXPECT_EQ(ini.readString("S", "k", ""), std::string(2047, 'x'));
    // The cut comes after the quotes are dropped, so a quoted 2047 survives whole.
    EXPECT_EQ(ini.readString("S", "q", ""), std::string(2047, 'y'));
}

TEST(IniFile, CutKeepsUtf8ValueWholeCharacters)
{
    std::string value(2046, 'a');
    value += "\xD0\xAF\xD0\xAF"; // two Cyrillic letters straddling the limit
    const IniFile ini = IniFile::fromBytes("[S]\nk=" + value + "\n");
    EXPECT_EQ(ini.readString("S", "k", ""), std::string(2046, 'a'));
}

TEST(IniFile, DecodesUtf8AsItStandsAndOtherTextThroughTheCodePage)
{
    profiles::setAnsiCodePage(1251);
    const IniFile ini = IniFile::fromBytes("[S]\nutf=\xD0\x94\xD0\xB0\nansi=\xC4\xE0\n");
    EXPECT_EQ(ini.readString("S", "utf", ""), "Да");
    EXPECT_EQ(ini.readString("S", "ansi", ""), "Да");
    profiles::setAnsiCodePage(1252);
    EXPECT_EQ(ini.readString("S", "ansi", ""), "Äà");
    std::string raw;
    ASSERT_TRUE(ini.rawValue("S", "ansi", raw));
    EXPECT_EQ(raw, "\xC4\xE0");
}

TEST(IniFile, MissingFileReadsAsDefaults)
{
    const IniFile ini = IniFile::load("/nonexistent/folder/none.ini");
    EXPECT_EQ(ini.readString("S", "k", "d"), "d");
    EXPECT_EQ(ini.readInteger("S", "k", 7), 7);
}

struct IntegerCase {
    const char *text;
    bool ok;
    std::int32_t value;
};

class IniIntegerRules : public testing::TestWithParam<IntegerCase> {};

TEST_P(IniIntegerRules, ParsesDecimalAndHexOrGivesDefault)
{
    const IntegerCase &c = GetParam();
    if (c.text[0] != '"') { // quotes are the file's, not the number's
        std::int32_t value = 12345;
        EXPECT_EQ(profiles::parseProfileInteger(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }

    const IniFile ini = IniFile::fromBytes(std::string("[S]\nk=") + c.text + "\n");
    EXPECT_EQ(ini.readInteger("S", "k", -99), c.ok ? c.value : -99) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniIntegerRules,
    testing::Values(IntegerCase{"0", true, 0}, IntegerCase{"42", true, 42}, IntegerCase{"+42", true, 42},
                    IntegerCase{"-7", true, -7}, IntegerCase{"007", true, 7},
                    IntegerCase{"2147483647", true, 2147483647}, IntegerCase{"-2147483648", true, INT32_MIN},
                    IntegerCase{"2147483648", false, 0}, IntegerCase{"-2147483649", false, 0},
                    IntegerCase{"99999999999999999999", false, 0}, IntegerCase{"$FF", true, 255},
                    IntegerCase{"$0000FF", true, 255}, IntegerCase{"$ffffff", true, 0xFFFFFF},
                    IntegerCase{"$FFFFFFFF", true, -1}, IntegerCase{"$80000000", true, INT32_MIN},
                    IntegerCase{"$100000000", false, 0}, IntegerCase{"0x10", true, 16},
                    IntegerCase{"0X1f", true, 31}, IntegerCase{"-0x10", true, -16},
                    IntegerCase{"-$1", true, -1}, IntegerCase{"$", false, 0}, IntegerCase{"0x", false, 0},
                    IntegerCase{"-", false, 0}, IntegerCase{"", false, 0}, IntegerCase{"\"\"", false, 0},
                    IntegerCase{"\"5\"", true, 5}, IntegerCase{"\"5 \"", false, 0}, IntegerCase{"\" 5\"", false, 0},
                    IntegerCase{"5x", false, 0}, IntegerCase{"True", false, 0}, IntegerCase{"1.5", false, 0},
                    IntegerCase{"$G1", false, 0}, IntegerCase{"--1", false, 0}, IntegerCase{"0x-1", false, 0}));

TEST(IniFile, IntegerOfKeyWithoutValueIsDefault)
{
    const IniFile ini = IniFile::fromBytes("[S]\nk\n");
    EXPECT_EQ(ini.readInteger("S", "k", -1), -1);
}

TEST(IniFile, AnyBytesAreSafeToReadAndLookUp)
{
    // Every byte value, in every position class: brackets, equals, quotes, line ends, NULs.
    std::string bytes;
    for (int i = 0; i < 256; ++i) {
        bytes += char(i);
        if (i % 7 == 0)
            bytes += "[\n=\"'";
    }
    const IniFile ini = IniFile::fromBytes(bytes + bytes.substr(0, 100));
    std::string raw;
    EXPECT_FALSE(ini.rawValue("no such", "k", raw));
    EXPECT_EQ(ini.readString(std::string(1, '\0'), "", "d"), "d");
    (void)ini.readInteger("", "", 0);
    EXPECT_EQ(IniFile::fromBytes("[").readString("[", "", "d"), "d");
    EXPECT_EQ(IniFile::fromBytes("\xEF\xBB").readString("", "\xEF\xBB", "d"), "d");
}

} // namespace
