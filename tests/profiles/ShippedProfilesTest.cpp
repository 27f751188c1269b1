#include "profiles/Profile.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using profiles::IniFile;

namespace {

const std::string DataDir = std::string(GLOW_DATA_DIR) + "/";
constexpr std::array<std::uint8_t, 23> GlowshowIds = {1,  2,  3,  4,  5,  6,   7,   8,   9,   10,  11, 12,
                                                      13, 14, 15, 16, 17, 128, 138, 148, 149, 150, 158};

struct ShippedProfile {
    const char *name;
    std::array<std::int32_t, profiles::ElementCount> colors;
};

class ShippedProfiles : public testing::TestWithParam<ShippedProfile> {};

TEST_P(ShippedProfiles, NameEveryIdentifierAndElementInBothLanguages)
{
    const ShippedProfile &p = GetParam();
    for (const char *ext : {"eng", "rus"}) {
        const std::string path = profiles::profilePath(DataDir, p.name, ext);
        const IniFile ini = IniFile::load(path);
        for (std::uint8_t id : GlowshowIds) {
            const std::string label = profiles::glowshowLabel(ini, id);
            EXPECT_NE(label.substr(5), "...") << path << " id " << int(id);
        }
        const auto elements = profiles::readElements(ini);
        for (int n = 1; n <= profiles::ElementCount; ++n) {
            const auto &e = elements[std::size_t(n - 1)];
            EXPECT_NE(e.name, "(0" + std::to_string(n) + ") ...") << path;
            EXPECT_EQ(e.color, p.colors[std::size_t(n - 1)]) << path << " element " << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Data, ShippedProfiles,
    testing::Values(ShippedProfile{"Motorola (All Models)", {-1, -1, -1, -1, -1, -1}},
                    ShippedProfile{"Motorola Lumen X1", {-1, -1, -1, -1, 0xFFFFFF, 0x0000FF}},
                    ShippedProfile{"Motorola Pico S2", {0x00FF00, -1, -2, -2, -1, 0x0000FF}}));

TEST(ShippedProfiles, AreFoundForEachLanguage)
{
    for (const char *ext : {"eng", "rus"}) {
        const auto names = profiles::searchProfiles(DataDir, ext);
        EXPECT_EQ(names, (std::vector<std::string>{"Motorola (All Models)", "Motorola Lumen X1", "Motorola Pico S2"}))
            << ext;
    }
}

TEST(ShippedProfiles, RussianNamesReadAsUtf8)
{
    const IniFile ini = IniFile::load(profiles::profilePath(DataDir, "Motorola (All Models)", "rus"));
    EXPECT_EQ(profiles::readElements(ini)[0].name, "Клавиатура");
    EXPECT_EQ(profiles::glowshowLabel(ini, 3), "(03) Будильник");
}

} // namespace
