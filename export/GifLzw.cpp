#include "GifLzw.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace exporting {

namespace {

constexpr int MaxBits = 12;
// giflib starts again one code before the last so that every code stays below 4095.
constexpr unsigned LastCode = 4095;

// Strings seen so far as (prefix code, next index) → code. Open addressing over 8192 slots
// for at most 4096 codes, small enough to stay in the first-level cache; giflib's table does
// the same behind a function call per pixel, which made it twice the time of the drawing.
class Dictionary {
public:
    Dictionary() { clear(); }
    void clear() { mSlots.fill(Free); }
    // The code of the string, or -1 (and the slot to add it in).
    int find(std::uint32_t key, std::size_t &slot) const
    {
        slot = (key * 0x9E3779B1u) >> (32 - SlotBits);
        for (;;) {
            const std::uint32_t entry = mSlots[slot];
            if (entry == Free)
                return -1;
            if (entry >> MaxBits == key)
                return int(entry & ((1u << MaxBits) - 1));
            slot = (slot + 1) & (Slots - 1);
        }
    }
    void add(std::size_t slot, std::uint32_t key, unsigned code) { mSlots[slot] = key << MaxBits | code; }

private:
    static constexpr int SlotBits = 13;
    static constexpr std::size_t Slots = std::size_t(1) << SlotBits;
    // A key is below 4095 << 8, so no entry is all ones.
    static constexpr std::uint32_t Free = 0xFFFFFFFFu;
    std::array<std::uint32_t, Slots> mSlots;
};

class BitWriter {
public:
    explicit BitWriter(std::vector<std::uint8_t> &out) : mOut(out) {}
    void put(unsigned code, int bits)
    {
        mBuffer |= std::uint64_t(code) << mCount;
        mCount += bits;
        while (mCount >= 8) {
            byte(std::uint8_t(mBuffer));
            mBuffer >>= 8;
            mCount -= 8;
        }
    }
    void flush()
    {
        if (mCount > 0)
            byte(std::uint8_t(mBuffer));
        mOut[mBlockStart] = std::uint8_t(mOut.size() - mBlockStart - 1);
    }

private:
    void byte(std::uint8_t b)
    {
        if (mOut.size() - mBlockStart == 256) {
            mOut[mBlockStart] = 255;
            mBlockStart = mOut.size();
            mOut.push_back(0);
        }
        mOut.push_back(b);
    }
    std::vector<std::uint8_t> &mOut;
    std::size_t mBlockStart = 0;
    std::uint64_t mBuffer = 0;
    int mCount = 0;
};

} // namespace

struct GifCompressor::Tables {
    Dictionary dictionary;
    // Strings that go on with their own last index: the plain areas, the transparent parts and
    // the lit shapes, most of an image. For a string W·s, the dictionary holds W·s·s, W·s·s·s,
    // ... up to some length and no further, so chains[code of W·s] lists their codes in order
    // and a run of s is followed by counting instead of a look-up per pixel.
    std::vector<std::vector<std::uint16_t>> chains = std::vector<std::vector<std::uint16_t>>(std::size_t(1) << MaxBits);
    std::vector<std::uint16_t> used; // the chains to empty when the dictionary starts again

    void clear()
    {
        dictionary.clear();
        for (const std::uint16_t code : used)
            chains[code].clear();
        used.clear();
    }
};

GifCompressor::GifCompressor() : mTables(std::make_unique<Tables>())
{
}

GifCompressor::~GifCompressor() = default;

std::vector<std::uint8_t> GifCompressor::compress(const std::uint8_t *pixels, std::size_t count, int codeSize)
{
    Tables &t = *mTables;
    t.clear();
    const unsigned clearCode = 1u << codeSize, endCode = clearCode + 1;
    std::vector<std::uint8_t> out{0};
    out.reserve(count / 4 + 16);
    BitWriter writer(out);
    unsigned nextCode = endCode + 1;
    int bits = codeSize + 1;
    // After each code, as giflib: a code that the next string will need does not fit, so widen.
    const auto emit = [&](unsigned code) {
        writer.put(code, bits);
        if (nextCode >= (1u << bits) && bits < MaxBits)
            ++bits;
    };
    // The string just emitted, extended by the next pixel, becomes a code, unless the codes are
    // used up: then the dictionary starts again.
    const auto addCode = [&](auto &&store) {
        if (nextCode < LastCode) {
            store(nextCode++);
            return;
        }
        emit(clearCode);
        nextCode = endCode + 1;
        bits = codeSize + 1;
        t.clear();
    };
    emit(clearCode);
    if (count == 0) {
        emit(endCode);
        writer.flush();
        return out;
    }
    // `current` is the string W·s repeated: `base` is the code of W·s, `depth` the number of s.
    unsigned current = pixels[0], base = current;
    std::size_t depth = 1;
    for (std::size_t i = 1; i < count;) {
        const unsigned pixel = pixels[i];
        if (pixel == pixels[i - 1]) {
            std::size_t more = 1;
            const std::uint64_t eight = 0x0101010101010101u * pixel;
            for (std::uint64_t word; i + more + 8 <= count; more += 8) {
                std::memcpy(&word, pixels + i + more, 8);
                if (word != eight)
                    break;
            }
            while (i + more < count && pixels[i + more] == pixel)
                ++more;
            for (;;) {
                std::vector<std::uint16_t> &chain = t.chains[base];
                const std::size_t take = std::min(more, chain.size() + 1 - depth);
                depth += take;
                more -= take;
                i += take;
                current = depth == 1 ? base : chain[depth - 2];
                if (more == 0)
                    break;
                emit(current);
                addCode([&](unsigned code) {
                    if (chain.empty())
                        t.used.push_back(std::uint16_t(base));
                    chain.push_back(std::uint16_t(code));
                });
                current = base = pixel;
                depth = 1;
                --more;
                ++i;
            }
            continue;
        }
        const std::uint32_t key = current << 8 | pixel;
        std::size_t slot = 0;
        ++i;
        if (const int code = t.dictionary.find(key, slot); code >= 0) {
            current = base = unsigned(code);
            depth = 1;
            continue;
        }
        emit(current);
        addCode([&](unsigned code) { t.dictionary.add(slot, key, code); });
        current = base = pixel;
        depth = 1;
    }
    emit(current);
    emit(endCode);
    writer.flush();
    return out;
}

} // namespace exporting
