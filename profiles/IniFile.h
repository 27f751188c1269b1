#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace profiles {

// Read-only INI text, looked up with the rules of the Windows profile-string calls: names
// without regard to case, first section and first key win, quotes stripped, at most 2047
// characters, no comment lines. Missing files, sections and keys are never errors.
// The 2047-byte limit applies after the quotes are dropped (as Windows cuts its result
// buffer); a valid UTF-8 value is cut at the last whole character within the limit.
class IniFile {
public:
    IniFile() = default; // holds nothing: every lookup gives its default

    static IniFile fromBytes(std::string_view bytes);
    // A file that cannot be read gives an empty IniFile.
    static IniFile load(const std::string &path);

    // The value as UTF-8 (valid UTF-8 as it stands, anything else through the ANSI code page).
    std::string readString(std::string_view section, std::string_view key, std::string_view def) const;
    // Decimal with optional sign, or hexadecimal after "$", "0x" or "0X"; else `def`.
    std::int32_t readInteger(std::string_view section, std::string_view key, std::int32_t def) const;
    // The value bytes (trimmed, unquoted, cut, not decoded), or false when the key is
    // missing (a key without "=" is missing).
    bool rawValue(std::string_view section, std::string_view key, std::string &value) const;
    // Names of the keys with a value in the first section of that name, each name once.
    std::vector<std::string> keyNames(std::string_view section) const;

private:
    struct Key {
        std::string name;
        std::string value;
        bool hasValue = false;
    };
    struct Section {
        std::string name;
        std::vector<Key> keys;
    };
    std::vector<Section> mSections;
};

// The integer rule on its own, for values that come from elsewhere (the settings store).
bool parseProfileInteger(std::string_view text, std::int32_t &value);

} // namespace profiles
