#include "editor/PatFileType.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

const std::string Command = "\"C:\\Programme\\Gl\xC3\xBChen\\GlowshowEditor2.exe\" \"%1\"";

const Values Expected = {
    {".pat", "GlowEdit2.PAT.File"},
    {"GlowEdit2.PAT.File", "Motorola Glowshow File"},
    {"GlowEdit2.PAT.File\\DefaultIcon", "shimgvw.dll,2"},
    {"GlowEdit2.PAT.File\\shell\\open\\command", Command},
};

class FakeRegistry : public editor::ClassesRegistry {
public:
    void setDefaultValue(const std::string &key, const std::string &value) override
    {
        if (key == failingKey)
            throw std::runtime_error("Failed to set data for '" + key + "'");
        values.emplace_back(key, value);
    }
    Values values;
    std::string failingKey;
};

TEST(PatFileType, WritesTheTypeItsIconAndTheOpenCommand)
{
    FakeRegistry registry;
    editor::writePatFileType(registry, Command);
    EXPECT_EQ(registry.values, Expected);
}

TEST(PatFileType, StopsAtTheFirstKeyThatCannotBeWritten)
{
    FakeRegistry registry;
    registry.failingKey = "GlowEdit2.PAT.File\\DefaultIcon";
    EXPECT_THROW(editor::writePatFileType(registry, Command), std::runtime_error);
    EXPECT_EQ(registry.values, Values(Expected.begin(), Expected.begin() + 2));
}

#ifdef _WIN32

std::wstring wide(const std::string &utf8)
{
    std::wstring text(utf8.size(), L'\0');
    text.resize(
        std::size_t(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), text.data(), int(text.size()))));
    return text;
}

// The real registry under a test key of the current user (Wine's private one under the check).
TEST(PatFileType, RegistryHoldsTheValuesAsUnicodeText)
{
    const std::string root = "Software\\GlowshowEditorTest\\Classes";
    editor::UserClassesRegistry registry(root);
    editor::writePatFileType(registry, Command);
    for (const auto &[key, value] : Expected) {
        wchar_t stored[512] = {};
        DWORD size = sizeof stored;
        EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, wide(root + "\\" + key).c_str(), nullptr, RRF_RT_REG_SZ, nullptr,
                               stored, &size),
                  ERROR_SUCCESS)
            << key;
        EXPECT_EQ(std::wstring(stored), wide(value)) << key;
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\GlowshowEditorTest");
    // A key name longer than the registry allows cannot be created.
    editor::UserClassesRegistry tooLong(root + "\\" + std::string(300, 'k'));
    EXPECT_THROW(tooLong.setDefaultValue(".pat", "x"), std::runtime_error);
}

#endif

} // namespace
