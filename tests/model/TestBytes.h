#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace model_test {

using Bytes = std::vector<std::uint8_t>;

// Bytes from a hex text such as "01 01 00 0C"; blanks and newlines are ignored.
inline Bytes hex(const std::string &text)
{
    Bytes out;
    int high = -1;
    for (char c : text) {
        int v;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        else
            continue;
        if (high < 0) {
            high = v;
        } else {
            out.push_back(std::uint8_t(high * 16 + v));
            high = -1;
        }
    }
    return out;
}

inline const char *const WorkedExample1 = "01 01 00 0C 01  00 06 01 00 00 01 02  01 F4 01  01 0F 80";
inline const char *const WorkedExample2 =
    "01 01 00 0F 01  00 09 01 00 00 01 02  01 F4 01  01 0F 80  0B B8 00  02 38 59  00";
inline const char *const WorkedExample3 =
    "01 01 00 12 01  00 0C 01 00 00 01 01  02 02 03 E8 00 C8  0F 00 64  00 FF 00";

} // namespace model_test
