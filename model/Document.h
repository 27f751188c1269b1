#pragma once

#include "InlineVector.h"

#include <cstdint>
#include <string>
#include <vector>

// The one document the editor works on: records, file values, trailer and editing position.
namespace model {

// "None" in every lookup of the document.
inline constexpr std::uint8_t NoEntry = 255;
// A document, a glowshow, a frame and a channel each hold at most this many items.
inline constexpr int MaxCount = 255;

enum : std::uint8_t { KindRhythm = 1, KindNormal = 2 };

struct TFrameEntry {
    std::uint8_t Element = 0;
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    bool operator==(const TFrameEntry &) const = default;
};

// A frame shows at most one entry per element, and there are six elements.
using FrameEntries = InlineVector<TFrameEntry, 6>;

struct TFrame {
    std::uint16_t Duration = 0;
    std::uint8_t EntryCount = 0;
    FrameEntries Entries;
    bool operator==(const TFrame &) const = default;
};

struct TClubStep {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    std::uint8_t Parameter = 0;
    bool operator==(const TClubStep &) const = default;
};

struct TClubFrame {
    std::uint8_t Element = 0;
    std::uint8_t StepCount = 0;
    std::uint16_t UpperFrequency = 0;
    std::uint16_t LowerFrequency = 0;
    std::vector<TClubStep> Steps;
    bool operator==(const TClubFrame &) const = default;
};

struct TGlowshow {
    std::uint16_t StoredSize = 0;
    std::uint8_t FrameCount = 0; // frames (normal) or channels (rhythm)
    std::uint8_t StepCount = 0;  // rhythm only: steps every channel holds
    std::uint8_t Id = 0;
    std::uint8_t Kind = KindNormal;
    std::vector<TFrame> Frames;
    std::vector<TClubFrame> Channels;
    std::uint16_t RepeatDuration = 0;
    std::uint8_t Repeating = 0;
    bool operator==(const TGlowshow &) const = default;
};

struct TGlowFile {
    std::string FileName; // UTF-8 path
    std::uint16_t HeaderWord = 0;
    std::uint8_t GlowshowCount = 0;
    bool operator==(const TGlowFile &) const = default;
};

// Widens 4-bit channels to a 0x00BBGGRR screen colour (red in the lowest byte).
std::uint32_t ScreenColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

constexpr std::uint8_t HighNibble(std::uint8_t b) { return b >> 4; }
constexpr std::uint8_t LowNibble(std::uint8_t b) { return b & 0x0F; }
constexpr std::uint8_t HighByte(std::uint16_t w) { return static_cast<std::uint8_t>(w >> 8); }
constexpr std::uint8_t LowByte(std::uint16_t w) { return static_cast<std::uint8_t>(w & 0xFF); }

// Holds the document and its editing position. Every index argument is checked: an index
// that names nothing (stale selection, odd counts read from a file) is treated as "none".
struct TDocument {
    std::vector<TGlowshow> Glowshows;
    TGlowFile GlowFile;
    std::uint8_t CurrentGlowshow = 0;
    std::uint8_t CurrentFrame = 0;
    std::uint8_t CurrentEntry = 0;
    std::uint8_t CurrentElement = 1;
    std::uint8_t CopyTargetElement = 1;
    std::uint8_t SelectionEmpty = 1;
    std::uint8_t HasTrailer = 0;
    std::string TrailerText1; // bytes, one per character
    std::string TrailerText2;

    // The glowshow at CurrentGlowshow, or nullptr when the index names none.
    TGlowshow *current();
    const TGlowshow *current() const;
    TGlowshow *glowshow(int index);
    const TGlowshow *glowshow(int index) const;

    // Index of the element's entry in frame `frame` (normal) or of its channel (rhythm)
    // in the current glowshow; NoEntry when there is none or the frame does not exist.
    std::uint8_t FindEntry(std::uint8_t element, std::uint8_t frame) const;

    // The entry FindEntry found for a cell, or nullptr; safe against short arrays.
    TFrameEntry *entryAt(std::uint8_t frame, std::uint8_t entry);
    TClubStep *stepAt(std::uint8_t channel, std::uint8_t step);
    const TFrameEntry *entryAt(std::uint8_t frame, std::uint8_t entry) const;
    const TClubStep *stepAt(std::uint8_t channel, std::uint8_t step) const;

    void ComputeStoredSize(std::uint8_t index);
    void ClearDocument();

    bool canAddGlowshow() const { return Glowshows.size() < MaxCount; }

    bool operator==(const TDocument &) const = default;
};

// Makes `target` an independent copy of `source`. The source's counts size the copy; items
// its arrays lack are copied as zeros.
void CopyGlowshow(const TGlowshow &source, TGlowshow &target);

// FindEntry, entryAt and stepAt on a glowshow of its own, for readers that do not edit.
std::uint8_t FindEntry(const TGlowshow &g, std::uint8_t element, std::uint8_t frame);
const TFrameEntry *entryAt(const TGlowshow &g, std::uint8_t frame, std::uint8_t entry);
const TClubStep *stepAt(const TGlowshow &g, std::uint8_t channel, std::uint8_t step);

// Frame or step count the grid shows for a glowshow: FrameCount (normal), StepCount (rhythm).
std::uint8_t columnCount(const TGlowshow &g);

} // namespace model
