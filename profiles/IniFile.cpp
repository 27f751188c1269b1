#include "IniFile.h"

#include "CodePage.h"

#include "model/NativePath.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>

namespace profiles {
namespace {

constexpr std::size_t MaxValueLength = 2047;

bool isBlank(char c)
{
    // Ctrl-Z counts: old editors end text files with it.
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n' || c == '\x1A';
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

std::string_view unquote(std::string_view v)
{
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

// Cuts to the length limit. A cut inside a UTF-8 character would turn the whole value into
// code-page text, so a valid UTF-8 value is cut at the character boundary before the limit.
std::string_view limitLength(std::string_view v)
{
    if (v.size() <= MaxValueLength)
        return v;
    if (!isValidUtf8(v))
        return v.substr(0, MaxValueLength);
    std::size_t end = MaxValueLength;
    while (end > 0 && (std::uint8_t(v[end]) & 0xC0) == 0x80)
        --end;
    return v.substr(0, end);
}

} // namespace

IniFile IniFile::fromBytes(std::string_view bytes)
{
    IniFile ini;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);

    Section *current = nullptr; // keys before the first section belong to none
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string_view line = trim(bytes.substr(pos, end - pos));
        pos = end;
        while (pos < bytes.size() && (bytes[pos] == '\r' || bytes[pos] == '\n'))
            ++pos;
        if (line.empty())
            continue;

        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            if (close != std::string_view::npos && close > 0) {
                ini.mSections.push_back(Section{std::string(trim(line.substr(1, close - 1))), {}});
                current = &ini.mSections.back();
                continue;
            }
        }
        if (current == nullptr)
            continue;
        Key key;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            key.name = std::string(line);
        } else {
            key.name = std::string(trim(line.substr(0, eq)));
            key.value = std::string(trim(line.substr(eq + 1)));
            key.hasValue = true;
        }
        current->keys.push_back(std::move(key));
    }
    return ini;
}

IniFile IniFile::load(const std::string &path)
{
    if (path.empty())
        return {};
    std::ifstream in(model::nativePath(path), std::ios::binary);
    if (!in)
        return {};
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return {};
    return fromBytes(bytes);
}

bool IniFile::rawValue(std::string_view section, std::string_view key, std::string &value) const
{
    for (const Section &s : mSections) {
        if (!sameName(s.name, section))
            continue;
        // Only the first section of a name is searched, and only the first key of a name
        // counts, even when it has no value.
        for (const Key &k : s.keys) {
            if (!sameName(k.name, key))
                continue;
            if (!k.hasValue)
                return false;
            value = std::string(limitLength(unquote(k.value)));
            return true;
        }
        return false;
    }
    return false;
}

std::vector<std::string> IniFile::keyNames(std::string_view section) const
{
    std::vector<std::string> names;
    for (const Section &s : mSections) {
        if (!sameName(s.name, section))
            continue;
        for (const Key &k : s.keys) {
            const bool seen =
                std::any_of(names.begin(), names.end(), [&](const std::string &n) { return sameName(n, k.name); });
            // A later value never counts, and neither does a first key without one.
            std::string unused;
            if (!seen && rawValue(section, k.name, unused))
                names.push_back(k.name);
        }
        break;
    }
    return names;
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view def) const
{
    std::string raw;
    if (!rawValue(section, key, raw))
        return std::string(def);
    return isValidUtf8(raw) ? raw : decodeAnsi(raw);
}

std::int32_t IniFile::readInteger(std::string_view section, std::string_view key, std::int32_t def) const
{
    std::string raw;
    std::int32_t value = 0;
    if (rawValue(section, key, raw) && parseProfileInteger(raw, value))
        return value;
    return def;
}

bool parseProfileInteger(std::string_view text, std::int32_t &value)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return false;

    bool hex = false;
    if (text.front() == '$') {
        hex = true;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hex = true;
        text.remove_prefix(2);
    }
    if (text.empty())
        return false;

    if (hex) {
        // Eight digits are a 32-bit pattern: $FFFFFFFF is -1.
        if (text.size() > 8)
            return false;
        std::uint32_t bits = 0;
        for (char c : text) {
            int digit = 0;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else
                return false;
            bits = (bits << 4) | std::uint32_t(digit);
        }
        if (negative)
            bits = 0u - bits;
        value = std::int32_t(bits);
        return true;
    }

    const std::int64_t limit = negative ? -std::int64_t(std::numeric_limits<std::int32_t>::min())
                                        : std::int64_t(std::numeric_limits<std::int32_t>::max());
    std::int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return false;
    }
    value = std::int32_t(negative ? -magnitude : magnitude);
    return true;
}

} // namespace profiles
