#include "TempDir.h"

#include "profiles/DirectorySearch.h"
#include "profiles/Profile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using profiles::IniFile;

namespace {

using Names = std::vector<std::string>;

TEST(ProfileDiscovery, ListsMatchingEntriesOfEveryKindWithoutRegardToCase)
{
    TempDir tmp;
    tmp.write("Profiles/Motorola Lumen X1.eng", "");
    tmp.write("Profiles/MOTOROLA pico.ENG", "");
    tmp.write("Profiles/motorola Demo.x.eng", "");
    tmp.mkdir("Profiles/Motorola Folder.eng");
    tmp.write("Profiles/Motorola Lumen X1.rus", "");
    tmp.write("Profiles/Motorola Lumen X1.skin", "");
    tmp.write("Profiles/Nokia 3310.eng", "");
    tmp.write("Profiles/Motorola.eng", ""); // no blank after the brand
    tmp.write("Profiles/Motorola X.engx", "");
    EXPECT_EQ(profiles::searchProfiles(tmp.dir(), "eng"),
              (Names{"MOTOROLA pico", "Motorola Folder", "Motorola Lumen X1", "motorola Demo"}));
}

TEST(ProfileDiscovery, EmptyExtensionListsNamesWithoutExtension)
{
    TempDir tmp;
    tmp.write("Profiles/Motorola Bare", "");
    tmp.write("Profiles/Motorola Lumen X1.eng", "");
    EXPECT_EQ(profiles::searchProfiles(tmp.dir(), ""), (Names{"Motorola Bare"}));
}

TEST(ProfileDiscovery, MissingFolderListsNothing)
{
    TempDir tmp;
    EXPECT_TRUE(profiles::searchProfiles(tmp.dir(), "eng").empty());
}

TEST(ProfileDiscovery, MaskMatchesAsWindowsDoes)
{
    const struct {
        const char *name;
        const char *mask;
        bool match;
    } cases[] = {
        {"Motorola A.eng", "Motorola *.eng", true},   {"motorola a.ENG", "Motorola *.eng", true},
        {"Motorola .eng", "Motorola *.eng", true},    {"Motorola A.eng.bak", "Motorola *.eng", false},
        {"Motorola A.b.eng", "Motorola *.eng", true}, {"Motorola A", "Motorola *.", true},
        {"Motorola A.eng", "Motorola *.", false},     {"ab", "a?", true},
        {"a", "a?", false},                           {"Ärger", "ärger", false},
        {"Ärger", "Ärger", true},                     {"x", "***", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(profiles::matchesMask(c.name, c.mask), c.match) << c.name << " ~ " << c.mask;
}

TEST(ProfileDiscovery, StripExtensionCutsAtTheFirstFullStop)
{
    EXPECT_EQ(profiles::StripExtension("Motorola Demo.x.eng"), "Motorola Demo");
    EXPECT_EQ(profiles::StripExtension("English.lng"), "English");
    EXPECT_EQ(profiles::StripExtension("NoDot"), "NoDot");
    EXPECT_EQ(profiles::StripExtension(".eng"), "");
}

TEST(ProfilePath, FindsTheFileWithoutRegardToCase)
{
    TempDir tmp;
    tmp.write("Profiles/Motorola Lumen X1.eng", "[Elements]\nElement01=Keys\n");
    EXPECT_EQ(profiles::profilePath(tmp.dir(), "Motorola Lumen X1", "ENG"), tmp.dir() + "Profiles/Motorola Lumen X1.eng");
    EXPECT_EQ(profiles::profilePath(tmp.dir(), "Motorola None", "eng"), tmp.dir() + "Profiles/Motorola None.eng");
    // No profile chosen: the file named by a full stop and the extension.
    EXPECT_EQ(profiles::profilePath(tmp.dir(), "", "eng"), tmp.dir() + "Profiles/.eng");
}

TEST(ProfilePath, RefusesNamesThatLeaveTheFolder)
{
    for (const char *name : {"../secret", "a/b", "a\\b", "..", "C:x"})
        EXPECT_EQ(profiles::profilePath("/p/", name, "eng"), "") << name;
    EXPECT_EQ(profiles::profilePath("/p/", "Motorola A", "/../../x"), "");
    EXPECT_EQ(IniFile::load(profiles::profilePath("/p/", "../x", "eng")).readString("S", "k", "d"), "d");
}

TEST(ProfileDemo, ListedNameReadsAFileThatDoesNotExist)
{
    TempDir tmp;
    tmp.write("Profiles/Motorola Demo.x.eng", "[Elements]\nElement01=Wrong\n[Glowshows]\nGlowshow1=Wrong\n");
    const Names names = profiles::searchProfiles(tmp.dir(), "eng");
    ASSERT_EQ(names, (Names{"Motorola Demo"}));
    const IniFile ini = IniFile::load(profiles::profilePath(tmp.dir(), names[0], "eng"));
    EXPECT_EQ(profiles::readElements(ini)[0].name, "(01) ...");
    EXPECT_EQ(profiles::glowshowLabel(ini, 1), "(01) ...");
}

TEST(GlowshowLabel, ShowsHexIdentifierAndProfileName)
{
    const IniFile ini = IniFile::fromBytes("[Glowshows]\nGlowshow10=Message\nGlowshow128=Power on\n"
                                           "Glowshow158=Battery low\nGlowshow0=Zero\nGlowshow255=Last\n"
                                           "Glowshow010=Leading zero\n");
    const IniFile none;
    const struct {
        std::uint8_t id;
        const char *withKeys;
        const char *withoutKeys;
    } cases[] = {
        {10, "(0A) Message", "(0A) ..."},       {128, "(80) Power on", "(80) ..."},
        {158, "(9E) Battery low", "(9E) ..."}, {0, "(00) Zero", "(00) ..."},
        {255, "(FF) Last", "(FF) ..."},         {5, "(05) ...", "(05) ..."},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(profiles::glowshowLabel(ini, c.id), c.withKeys);
        EXPECT_EQ(profiles::glowshowLabel(none, c.id), c.withoutKeys);
    }
}

TEST(ReadElements, GivesNamesAndColoursWithTheirDefaults)
{
    const IniFile ini = IniFile::fromBytes("[Elements]\nElement01=Keypad\nColor01=$00FF00\n"
                                           "Color03=-2\nElement04=\nColor04=red\nColor06=$0000FF\n");
    const auto elements = profiles::readElements(ini);
    const profiles::ElementInfo expected[] = {
        {"Keypad", 0x00FF00}, {"(02) ...", -1}, {"(03) ...", -2},
        {"", -1},             {"(05) ...", -1}, {"(06) ...", 255},
    };
    for (int i = 0; i < profiles::ElementCount; ++i) {
        EXPECT_EQ(elements[std::size_t(i)].name, expected[i].name) << i + 1;
        EXPECT_EQ(elements[std::size_t(i)].color, expected[i].color) << i + 1;
    }
}

TEST(ReadElements, MissingFileGivesAllDefaults)
{
    const auto elements = profiles::readElements(IniFile());
    for (int n = 1; n <= profiles::ElementCount; ++n) {
        EXPECT_EQ(elements[std::size_t(n - 1)].name, "(0" + std::to_string(n) + ") ...");
        EXPECT_EQ(elements[std::size_t(n - 1)].color, profiles::FullColour);
    }
}

TEST(PerElement, RejectsIndexesOutsideOneToSix)
{
    profiles::PerElement<int> values;
    values[1] = 3;
    values[6] = 4;
    EXPECT_EQ(values.items.front(), 3);
    EXPECT_EQ(values.items.back(), 4);
    EXPECT_THROW(values[0], std::out_of_range);
    EXPECT_THROW(values[7], std::out_of_range);
}

} // namespace
