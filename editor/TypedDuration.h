#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace editor {

// What a duration cell of FrameGrid shows and stores after its text became `text`.
struct TypedDuration {
    QString shown;                       // the text corrected: a number in 0..65535, or empty
    std::optional<std::uint16_t> stored; // nullopt: the frame keeps its duration
    bool number = false;                 // the text was a whole number
};

// A number past 65535 or below 0 is held to the nearest end; any other text, and every text in
// a rhythm glowshow (it has no durations), empties the cell and stores 0. An empty cell stores
// nothing.
TypedDuration typedDuration(const QString &text, bool normal);

} // namespace editor
