#pragma once

#include "Document.h"

#include <array>
#include <optional>
#include <vector>

// What a phone may not accept in a document, found before the file is copied to one.
namespace model {

enum class Problem : std::uint8_t {
    DuplicateId,       // value: the Id, other: the earlier glowshow that has it
    UnknownKind,       // value: the kind
    ElementOutOfRange, // value: the element, other: how many frames (channels) use it
    ElementNotOnModel, // the same
    NoFrames,
    NoChannels,
    ZeroDuration, // other: how many frames last 0 ms
    BandReversed, // value: upper, other: lower frequency
    BodyTooLarge, // value: the body's size in bytes
};

enum class Severity : std::uint8_t { Error, Note };

// One finding, placed where the editor can show it. Problems that repeat within a glowshow
// (an element, a 0 ms frame) are one finding at their first place, with a count.
struct Finding {
    Problem problem{};
    Severity severity = Severity::Error;
    int glowshow = -1;
    int frame = -1;   // normal glowshows: the frame
    int channel = -1; // rhythm glowshows: the channel
    int element = 0;  // the cell's element, 0 for a whole column or glowshow
    long value = 0;
    long other = 0;
    bool operator==(const Finding &) const = default;
};

// Elements 1 to 6 (index 0 is element 1) that the device model has.
using ElementsOnModel = std::array<bool, 6>;

// The findings in document order. Without `onModel` no element is called missing from the model.
std::vector<Finding> CheckDocument(const TDocument &doc, const std::optional<ElementsOnModel> &onModel = std::nullopt);

bool hasErrors(const std::vector<Finding> &findings);

} // namespace model
