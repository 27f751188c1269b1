#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace exporting {

// GIF's LZW compression of one image's colour indexes with the given minimum code size (2..8,
// the one that precedes the data): the data sub-blocks, each a length byte and up to 255
// bytes, without the empty block that ends them. The codes are the ones giflib's EGifPutLine
// writes for the same pixels, so the bytes are too. The tables are kept from one image to the
// next.
class GifCompressor {
public:
    GifCompressor();
    ~GifCompressor();
    std::vector<std::uint8_t> compress(const std::uint8_t *pixels, std::size_t count, int codeSize);

private:
    struct Tables;
    std::unique_ptr<Tables> mTables;
};

} // namespace exporting
