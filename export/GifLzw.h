#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace exporting {

// GIF's LZW compression of one image's colour indexes with the given minimum code size (2..8,
// the one that precedes the data): the data sub-blocks, each a length byte and up to 255
// bytes, without the empty block that ends them. The codes are the ones giflib's EGifPutLine
// writes for the same pixels, so the bytes are too.
std::vector<std::uint8_t> compressGifPixels(const std::uint8_t *pixels, std::size_t count, int codeSize);

} // namespace exporting
