#pragma once

#include "model/Document.h"

#include <QBrush>
#include <QColor>

#include <functional>

#include <cstdint>
#include <optional>

namespace preview {

// The screen colour (0x00BBGGRR) the colour grid shows for element `element` (1..6) in column
// `column` of `glowshow`, or nullopt where the grid shows the empty-cell pattern: no entry, a
// hidden element, a normal glowshow without frames. `behaviour` is the profile's
// ElementColors value: 0 or more makes an on/off element of that colour.
std::optional<std::uint32_t> cellScreenColour(const model::TGlowshow &glowshow, int element, int column,
                                              std::int32_t behaviour, bool hidden);

// Silver at (0,0) and (1,1), white at (1,0) and (0,1), tiled over an empty cell; both as
// `wash` shows them when given (a selected range).
QBrush emptyCellBrush(const std::function<QColor(QColor)> &wash = {});

} // namespace preview
