#pragma once

#include "FrameRange.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A copied range of cells, and its two clipboard forms: exact bytes for this editor, and text
// (one line per element, cells separated by tabs, each "#RGB" or empty) for text editors and
// spreadsheets.
namespace model {

struct Clip {
    int rows = 0;
    int columns = 0;
    std::vector<CellValue> cells;         // row by row
    bool wholeColumns = false;            // all six elements were copied
    std::vector<std::uint16_t> durations; // a normal glowshow's whole columns: one per column

    CellValue &at(int row, int column) { return cells[std::size_t(row * columns + column)]; }
    const CellValue &at(int row, int column) const { return cells[std::size_t(row * columns + column)]; }
    bool operator==(const Clip &) const = default;
};

inline constexpr int MaxClipRows = 6;

// The cells of a range of a glowshow; cells the glowshow does not hold are "no entry".
Clip copyClip(const TGlowshow &g, const FrameRange &range);

std::vector<std::uint8_t> encodeClip(const Clip &clip);
// nullopt for anything encodeClip cannot have written.
std::optional<Clip> decodeClip(const std::uint8_t *data, std::size_t size);

std::string clipText(const Clip &clip);
// Accepts "\n" or "\r\n" line ends, one final line end, blanks around a cell, either case of
// hex digits, and rows shorter than the longest (their missing cells are "no entry").
// nullopt for anything else: more than six rows, more than 255 columns, a cell that is not
// empty or "#" and three hex digits.
std::optional<Clip> parseClipText(std::string_view text);

// A colour as the clipboard's text writes it, "#RGB" in upper-case hex; parsing takes either case
// and nothing around the four characters.
std::string colourText(const Colour &colour);
std::optional<Colour> parseColourText(std::string_view text);
// The parts of `text` between separators; empty parts included.
std::vector<std::string_view> splitText(std::string_view text, char separator);

} // namespace model
