#pragma once

#include "Edits.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace model {

// A rectangle of grid cells: columns are frames (normal) or steps (rhythm), rows elements.
struct FrameRange {
    int firstColumn = 0;
    int lastColumn = 0;
    std::uint8_t firstElement = 1;
    std::uint8_t lastElement = 1;

    // The rectangle spanned by two cells, in either order.
    static FrameRange spanning(int column1, std::uint8_t element1, int column2, std::uint8_t element2)
    {
        return {std::min(column1, column2), std::max(column1, column2), std::min(element1, element2),
                std::max(element1, element2)};
    }
    int columns() const { return lastColumn - firstColumn + 1; }
    int rows() const { return lastElement - firstElement + 1; }
    bool wholeColumns() const { return firstElement == 1 && lastElement == 6; }
    bool contains(int column, std::uint8_t element) const
    {
        return column >= firstColumn && column <= lastColumn && element >= firstElement && element <= lastElement;
    }
    bool operator==(const FrameRange &) const = default;
};

// What one cell holds, as the clipboard keeps it. A rhythm step always has an entry.
struct CellValue {
    bool entry = false;
    Colour colour;
    std::uint8_t parameter = 0;
    bool operator==(const CellValue &) const = default;
};

// Which elements are on/off elements (index: element - 1); they come from the profile.
using OnOffElements = std::array<bool, 6>;

} // namespace model
