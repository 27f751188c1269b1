#include "Profile.h"

#include "DirectorySearch.h"

#include <cstdio>

namespace profiles {

std::string StripExtension(const std::string &name)
{
    return name.substr(0, name.find('.'));
}

std::string profilePath(const std::string &programDir, const std::string &profileName, const std::string &ext)
{
    if (!isPlainName(profileName) || !isPlainName(ext))
        return {};
    return entryPath(programDir + "Profiles/", profileName + "." + ext);
}

std::vector<std::string> searchProfiles(const std::string &programDir, const std::string &ext)
{
    std::vector<std::string> names;
    for (const std::string &entry : findEntries(programDir + "Profiles/", "Motorola *." + ext))
        names.push_back(StripExtension(entry));
    return names;
}

std::string glowshowLabel(const IniFile &profile, std::uint8_t id)
{
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02X", unsigned(id));
    return "(" + std::string(hex) + ") " +
           profile.readString("Glowshows", "Glowshow" + std::to_string(unsigned(id)), "...");
}

std::array<ElementInfo, ElementCount> readElements(const IniFile &profile)
{
    std::array<ElementInfo, ElementCount> elements;
    for (int n = 1; n <= ElementCount; ++n) {
        const std::string digit = std::to_string(n);
        ElementInfo &info = elements[std::size_t(n - 1)];
        info.name = profile.readString("Elements", "Element0" + digit, "(0" + digit + ") ...");
        info.color = profile.readInteger("Elements", "Color0" + digit, FullColour);
    }
    return elements;
}

} // namespace profiles
