#include "settings/LanguageFile.h"

#include "profiles/CodePage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace {

const std::string ShippedProgramDir = std::string(GLOW_DATA_DIR) + "/";

struct Shipped {
    const char *language;
    const char *ext;
    int codePage;
    bool cyrillic;
};

void PrintTo(const Shipped &shipped, std::ostream *os)
{
    *os << shipped.language;
}

class ShippedLanguage : public ::testing::TestWithParam<Shipped> {
protected:
    void TearDown() override { profiles::setAnsiCodePage(1252); }
};

bool hasNonAscii(const std::string &text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

TEST(ShippedLanguages, AreListed)
{
    const std::vector<std::string> found = settings::searchLanguages(ShippedProgramDir);
    for (const char *name : {"English", "Russian"})
        EXPECT_NE(std::find(found.begin(), found.end(), name), found.end()) << name;
}

TEST_P(ShippedLanguage, FillsEveryKey)
{
    const Shipped &p = GetParam();
    const settings::LanguageTexts texts = settings::readLanguage(ShippedProgramDir, p.language);

    EXPECT_EQ(texts.Ext, p.ext);
    EXPECT_EQ(texts.CodePage, p.codePage);
    for (int n = 1; n <= settings::StringCount; ++n)
        EXPECT_FALSE(texts.s(n).empty()) << p.language << " s" << n;
    for (int n = 1; n <= settings::DialogCount; ++n)
        EXPECT_FALSE(texts.d(n).empty()) << p.language << " d" << n;
    // The preview tells play from stop by its caption.
    EXPECT_NE(texts.s(51), texts.s(57));
    if (p.cyrillic) {
        EXPECT_TRUE(profiles::isValidUtf8(texts.s(1)));
        EXPECT_TRUE(hasNonAscii(texts.s(1)));
    }
}

TEST_P(ShippedLanguage, HasAnAboutTextNamingTheProgramAndVersion)
{
    const Shipped &p = GetParam();
    const std::vector<std::string> lines = settings::readAboutLines(ShippedProgramDir, p.ext);
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines.front().find("Glowshow Editor 2"), std::string::npos);
    EXPECT_NE(lines.front().find("2.1.1"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Data, ShippedLanguage,
                         ::testing::Values(Shipped{"English", "eng", 1252, false},
                                           Shipped{"Russian", "rus", 1251, true}),
                         [](const auto &info) { return std::string(info.param.language); });

} // namespace
