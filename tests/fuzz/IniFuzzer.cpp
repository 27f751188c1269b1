// The INI reader on arbitrary bytes: every kind of lookup, and the code pages both ways.
#include "Finding.h"
#include "profiles/CodePage.h"
#include "profiles/IniFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace profiles;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const IniFile ini = IniFile::fromBytes(bytes);

    // Names the files use, and names taken from the input itself so lookups can hit.
    std::string own(bytes.substr(0, std::min<std::size_t>(size, 16)));
    const std::string_view sections[] = {"Glowshows", "Elements", "Skin", "Element01", "Strings", "", own};
    const std::string_view keys[] = {"Glowshow1", "Color01", "Count", "Left_1", "s51", "Ext", "", own};
    for (std::string_view section : sections)
        for (std::string_view key : keys) {
            const std::string text = ini.readString(section, key, "default");
            if (text.size() > 4 * 2047)
                fuzzing::finding("ini", "a value longer than the limit");
            (void)ini.readInteger(section, key, -7);
            std::string raw;
            if (ini.rawValue(section, key, raw) && raw.size() > 2047)
                fuzzing::finding("ini", "a raw value longer than the limit");
        }

    std::int32_t value = 0;
    (void)parseProfileInteger(bytes, value);

    for (int codePage : {1252, 1251}) {
        setAnsiCodePage(codePage);
        if (encodeAnsi(decodeAnsi(bytes)) != bytes)
            fuzzing::finding("ini", "a byte did not survive the code page");
    }
    return 0;
}
