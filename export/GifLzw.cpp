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

std::vector<std::uint8_t> compressGifPixels(const std::uint8_t *pixels, std::size_t count, int codeSize)
{
    const unsigned clearCode = 1u << codeSize, endCode = clearCode + 1;
    std::vector<std::uint8_t> out{0};
    out.reserve(count / 4 + 16);
    BitWriter writer(out);
    Dictionary dictionary;
    // Runs of one index (the transparent parts, the plain areas of the picture, the lit
    // shapes) are most of an image. The strings of one repeated index in the dictionary are
    // always s, ss, sss, ... up to some length, so a run is followed by counting instead of a
    // look-up per pixel: runs[s][k] is the code of s repeated k + 2 times.
    std::array<std::vector<std::uint16_t>, 256> runs;
    // Other strings followed by their own last index again (a run after an edge) have their
    // codes in a plain array: repeated[c] is the code of c's string and its last index, 0 none.
    std::array<std::uint16_t, 4096> repeated{};
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
        dictionary.clear();
        for (std::vector<std::uint16_t> &r : runs)
            r.clear();
        repeated.fill(0);
    };
    emit(clearCode);
    if (count == 0) {
        emit(endCode);
        writer.flush();
        return out;
    }
    unsigned current = pixels[0];
    // While `current` is `runIndex` repeated `runLength` times (runLength 0: it is not a run).
    unsigned runIndex = pixels[0];
    std::size_t runLength = 1;
    for (std::size_t i = 1; i < count;) {
        const unsigned pixel = pixels[i];
        if (runLength > 0 && pixel == runIndex) {
            std::size_t more = 1;
            const std::uint64_t eight = 0x0101010101010101u * pixel;
            for (std::uint64_t word; i + more + 8 <= count; more += 8) {
                std::memcpy(&word, pixels + i + more, 8);
                if (word != eight)
                    break;
            }
            while (i + more < count && pixels[i + more] == pixel)
                ++more;
            std::vector<std::uint16_t> &known = runs[pixel];
            for (;;) {
                const std::size_t take = std::min(more, known.size() + 1 - runLength);
                runLength += take;
                more -= take;
                i += take;
                current = runLength == 1 ? pixel : known[runLength - 2];
                if (more == 0)
                    break;
                emit(current);
                addCode([&](unsigned code) { known.push_back(std::uint16_t(code)); });
                current = pixel;
                runLength = 1;
                --more;
                ++i;
            }
            continue;
        }
        if (pixel == pixels[i - 1]) {
            ++i;
            if (const unsigned code = repeated[current]; code != 0) {
                current = code;
                continue;
            }
            emit(current);
            addCode([&](unsigned code) { repeated[current] = std::uint16_t(code); });
            current = runIndex = pixel;
            runLength = 1;
            continue;
        }
        const std::uint32_t key = current << 8 | pixel;
        std::size_t slot = 0;
        ++i;
        if (const int code = dictionary.find(key, slot); code >= 0) {
            current = unsigned(code);
            runLength = 0;
            continue;
        }
        emit(current);
        addCode([&](unsigned code) { dictionary.add(slot, key, code); });
        current = runIndex = pixel;
        runLength = 1;
    }
    emit(current);
    emit(endCode);
    writer.flush();
    return out;
}

} // namespace exporting
