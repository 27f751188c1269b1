#include "profiles/CodePage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class CodePages : public testing::TestWithParam<int> {
protected:
    void TearDown() override { profiles::setAnsiCodePage(1252); }
};

TEST_P(CodePages, EveryByteRoundTrips)
{
    profiles::setAnsiCodePage(GetParam());
    ASSERT_EQ(profiles::ansiCodePage(), GetParam());
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const std::string utf8 = profiles::decodeAnsi(all);
    EXPECT_TRUE(profiles::isValidUtf8(utf8));
    EXPECT_TRUE(profiles::isEncodableAnsi(utf8));
    EXPECT_EQ(profiles::encodeAnsi(utf8), all);
    // No two bytes share a character.
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(profiles::encodeAnsi(profiles::decodeAnsi(std::string(1, char(b)))), std::string(1, char(b))) << b;
}

INSTANTIATE_TEST_SUITE_P(Both, CodePages, testing::Values(1252, 1251));

struct DecodeCase {
    int codePage;
    const char *bytes;
    const char *utf8;
};

class CodePageLetters : public testing::TestWithParam<DecodeCase> {
protected:
    void TearDown() override { profiles::setAnsiCodePage(1252); }
};

TEST_P(CodePageLetters, DecodeToTheirCharacters)
{
    const DecodeCase &c = GetParam();
    profiles::setAnsiCodePage(c.codePage);
    EXPECT_EQ(profiles::decodeAnsi(c.bytes), c.utf8);
    EXPECT_EQ(profiles::encodeAnsi(c.utf8), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CodePageLetters,
    testing::Values(DecodeCase{1252, "\x80", "€"}, DecodeCase{1252, "\x9F", "Ÿ"}, DecodeCase{1252, "\xE9", "é"},
                    DecodeCase{1252, "\x81", "\xC2\x81"}, DecodeCase{1252, "\x8D\x8F\x90\x9D", "\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
                    DecodeCase{1251, "\xC0\xFF", "Ая"}, DecodeCase{1251, "\xA8\xB8", "Ёё"},
                    DecodeCase{1251, "\x88\xB9", "€№"}, DecodeCase{1251, "\x98", "\xC2\x98"},
                    DecodeCase{1251, "\xA5\xB4", "Ґґ"}));

TEST(CodePage, UnknownNumberFallsBackToWestern)
{
    profiles::setAnsiCodePage(866);
    EXPECT_EQ(profiles::ansiCodePage(), 1252);
}

TEST(CodePage, MissingCharactersBecomeQuestionMarks)
{
    profiles::setAnsiCodePage(1252);
    EXPECT_FALSE(profiles::isEncodableAnsi("Да"));
    EXPECT_EQ(profiles::encodeAnsi("aДb"), "a?b");
    EXPECT_EQ(profiles::encodeAnsi("x\xFFy"), "x?y"); // not UTF-8 at all
    EXPECT_FALSE(profiles::isEncodableAnsi("\xFF"));
}

TEST(CodePage, Utf8ValidityIsStrict)
{
    const struct {
        const char *bytes;
        bool valid;
    } cases[] = {
        {"", true},           {"plain", true},          {"\xD0\x94", true},        {"\xF0\x9F\x92\xA1", true},
        {"\xD0", false},      {"\xC0\xAF", false},      {"\xE0\x80\xAF", false},   {"\xED\xA0\x80", false},
        {"\xF4\x90\x80\x80", false}, {"\x80", false},   {"\xE9t\xE9", false},      {"\xEF\xBB\xBF", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(profiles::isValidUtf8(c.bytes), c.valid) << c.bytes;
}

} // namespace
