#include "TempDir.h"

#include "model/NativePath.h"
#include "profiles/Profile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using profiles::IniFile;

namespace {

using Names = std::vector<std::string>;

// `utf8Path` may hold any character, which TempDir's own writer would take as the code page's.
void writeFile(const std::string &utf8Path, const std::string &bytes)
{
    const auto path = model::nativePath(utf8Path);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string element1(const std::string &programDir, const std::string &profile)
{
    return profiles::readElements(IniFile::load(profiles::profilePath(programDir, profile, "eng")))[0].name;
}

// The program folder as Windows hands it over: drive letter with either separator, and the
// "\\?\" form of long and network names.
std::vector<std::string> programFolderSpellings(const std::string &dir)
{
    std::vector<std::string> spellings = {dir};
#ifdef _WIN32
    std::string backslashed = dir;
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    std::string slashed = dir;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    spellings.insert(spellings.end(), {backslashed, slashed, "\\\\?\\" + backslashed});
#endif
    return spellings;
}

TEST(ProgramFolder, FindsProfilesWhateverTheFolderSpelling)
{
    TempDir tmp;
    tmp.write("Profiles/Motorola Lumen.eng", "[Elements]\nElement01=Keypad\n");
    for (const std::string &dir : programFolderSpellings(tmp.dir())) {
        EXPECT_EQ(profiles::searchProfiles(dir, "eng"), Names{"Motorola Lumen"}) << dir;
        EXPECT_EQ(element1(dir, "MOTOROLA lumen"), "Keypad") << dir;
    }
}

TEST(ProgramFolder, FindsProfilesUnderNonAsciiNames)
{
    TempDir tmp;
    const std::string dir = tmp.dir() + "Gl\xC3\xBChen \xD0\x9F\xD1\x80\xD0\xBE/";
    writeFile(dir + "Profiles/Motorola \xC3\x84rger.eng", "[Elements]\nElement01=\xD0\x9A\xD0\xBB\n");
    EXPECT_EQ(profiles::searchProfiles(dir, "eng"), Names{"Motorola \xC3\x84rger"});
    EXPECT_EQ(element1(dir, "motorola \xC3\x84rger"), "\xD0\x9A\xD0\xBB");
#ifdef _WIN32
    // Windows folds every letter's case, not only ASCII.
    EXPECT_EQ(element1(dir, "Motorola \xC3\xA4rger"), "\xD0\x9A\xD0\xBB");
#endif
}

// Windows keeps one file where names differ only in case: the second write replaces the
// first. Elsewhere both stay, and the exact name wins.
TEST(ProgramFolder, NamesDifferingOnlyInCase)
{
    TempDir tmp;
    writeFile(tmp.dir() + "Profiles/Motorola Twin.eng", "[Elements]\nElement01=First\n");
    writeFile(tmp.dir() + "Profiles/MOTOROLA TWIN.ENG", "[Elements]\nElement01=Second\n");
#ifdef _WIN32
    const Names listed = {"Motorola Twin"};
    const char *exactOriginal = "Second";
#else
    const Names listed = {"MOTOROLA TWIN", "Motorola Twin"};
    const char *exactOriginal = "First";
#endif
    EXPECT_EQ(profiles::searchProfiles(tmp.dir(), "eng"), listed);
    const struct {
        const char *asked;
        const char *expected;
    } cases[] = {{"Motorola Twin", exactOriginal}, {"MOTOROLA TWIN", "Second"}, {"motorola twin", "Second"}};
    for (const auto &c : cases)
        EXPECT_EQ(element1(tmp.dir(), c.asked), c.expected) << c.asked;
}

} // namespace
