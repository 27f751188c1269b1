#include "CodePage.h"

#include <array>
#include <cstdint>

namespace profiles {
namespace {

// Upper halves (0x80..0xFF) of the two code pages. Unassigned bytes map to the C1 control of
// the same number, so that any byte survives decode + encode unchanged.
constexpr std::array<char16_t, 128> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, // B8
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, // C0
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, // C8
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, // D0
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF, // D8
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, // E0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, // E8
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7, // F0
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF, // F8
};

constexpr std::array<char16_t, 128> Cp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // F8
};

int gCodePage = 1252;

const std::array<char16_t, 128> &highTable()
{
    return gCodePage == 1251 ? Cp1251High : Cp1252High;
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Decodes one strictly valid UTF-8 sequence at `pos` (no overlong forms, no surrogates,
// nothing above U+10FFFF). Returns its length, or 0 when the bytes there are not one.
std::size_t nextUtf8(std::string_view s, std::size_t pos, char32_t &c)
{
    const auto byte = [&](std::size_t i) { return std::uint8_t(s[i]); };
    const std::uint8_t b0 = byte(pos);
    if (b0 < 0x80) {
        c = b0;
        return 1;
    }
    std::size_t len = 0;
    char32_t min = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
        c = b0 & 0x1F;
        min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        c = b0 & 0x0F;
        min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        c = b0 & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (s.size() - pos < len)
        return 0;
    for (std::size_t i = 1; i < len; ++i) {
        const std::uint8_t b = byte(pos + i);
        if ((b & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return len;
}

// The byte for a character, or -1 when the code page has none.
int encodeChar(char32_t c)
{
    if (c < 0x80)
        return int(c);
    const auto &table = highTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

} // namespace

void setAnsiCodePage(int codePage)
{
    gCodePage = codePage == 1251 ? 1251 : 1252;
}

int ansiCodePage()
{
    return gCodePage;
}

std::string decodeAnsi(std::string_view bytes)
{
    const auto &table = highTable();
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        const auto b = std::uint8_t(ch);
        appendUtf8(out, b < 0x80 ? char32_t(b) : char32_t(table[b - 0x80]));
    }
    return out;
}

std::string encodeAnsi(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c = 0;
        const std::size_t len = nextUtf8(utf8, pos, c);
        if (len == 0) {
            out += '?';
            ++pos;
            continue;
        }
        const int b = encodeChar(c);
        out += b < 0 ? '?' : char(b);
        pos += len;
    }
    return out;
}

bool isEncodableAnsi(std::string_view utf8)
{
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c = 0;
        const std::size_t len = nextUtf8(utf8, pos, c);
        if (len == 0 || encodeChar(c) < 0)
            return false;
        pos += len;
    }
    return true;
}

bool isValidUtf8(std::string_view bytes)
{
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        char32_t c = 0;
        const std::size_t len = nextUtf8(bytes, pos, c);
        if (len == 0)
            return false;
        pos += len;
    }
    return true;
}

} // namespace profiles
