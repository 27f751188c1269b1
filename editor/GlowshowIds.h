#pragma once

#include <array>
#include <cstdint>

namespace editor {

// The identifiers ComboBox4 offers, in its order.
inline constexpr std::array<std::uint8_t, 23> GlowshowIds{1,  2,  3,  4,  5,  6,   7,   8,   9,   10,  11, 12,
                                                          13, 14, 15, 16, 17, 128, 138, 148, 149, 150, 158};

} // namespace editor
