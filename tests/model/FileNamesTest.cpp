#include "model/GlowFile.h"
#include "model/NativePath.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

using namespace model;

namespace {

TEST(IoErrorTexts, WindowsCodesMapToTheRunTimeTexts)
{
    const struct {
        unsigned long code;
        const char *expected;
    } cases[] = {
        {2, "File not found"},
        {3, "Invalid filename"},
        {123, "Invalid filename"},
        {206, "Invalid filename"},
        {53, "Invalid filename"},
        {4, "Too many open files"},
        {5, "File access denied"},
        {32, "File access denied"},
        {19, "File access denied"},
        {112, "Disk full"},
        {39, "Disk full"},
        // Codes that share a number with a run-time code keep their own number.
        {100, "I/O error 100"},
        {101, "I/O error 101"},
        {1117, "I/O error 1117"},
    };
    for (const auto &c : cases)
        EXPECT_STREQ(IoError::fromWindowsError(c.code).what(), c.expected) << "code " << c.code;
}

// Names as the editor hands them over: UTF-8, with "/" after the folder.
class FileNames : public ::testing::Test {
protected:
    void SetUp() override
    {
        mDir = std::filesystem::temp_directory_path() /
               ("glow-names-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        std::filesystem::create_directories(mDir);
    }
    void TearDown() override
    {
        std::error_code ec;
        for (const auto &entry : std::filesystem::recursive_directory_iterator(mDir, ec))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(mDir, ec);
    }
    std::string path(const std::string &name) const { return utf8Name(mDir) + "/" + name; }
    std::filesystem::path mDir;
};

TEST_F(FileNames, ReadsFilesWhateverTheirNameOrState)
{
    const std::string bytes = "\x01\x01\x00\x00\x00 bytes";
    const struct {
        const char *name;
        bool readOnly;
        bool heldOpenForWriting; // by another program
    } cases[] = {
        {"plain.pat", false, false},
        {"read-only.pat", true, false},
        {"open elsewhere.pat", false, true},
        {"Gl\xC3\xBChen \xD0\x9F\xD1\x80\xD0\xBE\xD1\x84\xD0\xB8\xD0\xBB\xD1\x8C \xE2\x98\x85.pat", false, false},
    };
    for (const auto &c : cases) {
        const std::string name = path(c.name);
        std::optional<std::ofstream> writer(std::in_place, nativePath(name), std::ios::binary);
        *writer << bytes << std::flush;
        if (!c.heldOpenForWriting)
            writer.reset();
        if (c.readOnly)
            std::filesystem::permissions(nativePath(name), std::filesystem::perms::owner_read);
        try {
            const std::vector<std::uint8_t> read = readFileBytes(name);
            EXPECT_EQ(std::string(read.begin(), read.end()), bytes) << c.name;
        } catch (const IoError &e) {
            ADD_FAILURE() << c.name << ": " << e.what();
        }
    }
}

} // namespace
