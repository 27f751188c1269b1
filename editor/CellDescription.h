#pragma once

#include "EditorTexts.h"
#include "model/Document.h"
#include "model/Edits.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <string_view>

namespace editor {

// What a cell of the colour grid shows, as a screen reader must tell it.
struct CellState {
    enum Kind { NoEntry, Hidden, On, Off, Colour } kind = NoEntry;
    model::Colour colour{};
};

// The cell of `element` (1..6) in `column` as the grid paints it: `behaviour` is the profile's
// ElementColors value (0 or more: an on/off element, lit by bit 0 of blue).
CellState cellState(const model::TGlowshow &glowshow, int element, int column, std::int32_t behaviour, bool hidden);

// "frame 3" or "step 3" for the 0-based `column`.
QString columnName(const TextOf &text, bool rhythm, int column);

// "Keypad, frame 3: red 15, green 0, blue 0", "…: on", "…: no entry".
QString cellName(const TextOf &text, const QString &element, const QString &column, const CellState &state);

} // namespace editor
