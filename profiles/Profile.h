#pragma once

#include "IniFile.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace profiles {

inline constexpr int ElementCount = 6;

// An array indexed by element number 1..6; any other index throws std::out_of_range.
template <class T>
struct PerElement {
    std::array<T, ElementCount> items{};
    T &operator[](int element) { return items.at(std::size_t(element - 1)); }
    const T &operator[](int element) const { return items.at(std::size_t(element - 1)); }
    bool operator==(const PerElement &) const = default;
};

inline constexpr std::int32_t FullColour = -1;
inline constexpr std::int32_t NotOnModel = -2;

struct TCoord {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    std::string Shape = "Rectangle";
    std::int32_t Opacity = 0;
    bool operator==(const TCoord &) const = default;
};

struct TProfile {
    std::string ProfileName;
    std::string LanguageExt;
    std::string Language;
    std::string RhythmSuffix;
    PerElement<std::int32_t> ElementColors{{FullColour, FullColour, FullColour, FullColour, FullColour, FullColour}};
    PerElement<std::int8_t> ShapeCounts;
    PerElement<std::vector<TCoord>> Shapes;
    PerElement<bool> ElementAvailable;
    PerElement<bool> ElementHasImage;
    PerElement<bool> ElementLit;
    std::string PlayCaption;
    std::string StopCaption;
};

inline constexpr const char *DefaultProfileName = "Motorola (All Models)";

// A file name cut before its first full stop.
std::string StripExtension(const std::string &name);

// ProgramDir + "Profiles/" + name + "." + ext, with the file name as it is spelled on disk
// when it differs only in case. Empty (reads as a missing file) when the name or the
// extension holds a path separator or "..": those come from settings and language files.
std::string profilePath(const std::string &programDir, const std::string &profileName, const std::string &ext);

// The names ASearchProfiles lists: entries "Motorola *.<ext>" of Profiles/, stripped.
std::vector<std::string> searchProfiles(const std::string &programDir, const std::string &ext);

// "(0A) name": the identifier as two upper-case hex digits and its name from "Glowshows".
std::string glowshowLabel(const IniFile &profile, std::uint8_t id);

struct ElementInfo {
    std::string name;
    std::int32_t color = FullColour;
};
// Element01..06 and Color01..06 of section "Elements", with their defaults.
std::array<ElementInfo, ElementCount> readElements(const IniFile &profile);

} // namespace profiles
