#include "export/GifLzw.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QByteArray>

#include <random>

using exporting::GifCompressor;

namespace {

int append(GifFileType *gif, const GifByteType *data, int size)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), size);
    return size;
}

// A one-image GIF of the pixels in one row, compressed by giflib itself or with our codes.
QByteArray gifOf(const std::vector<GifPixelType> &pixels, int codeSize, GifCompressor *ours)
{
    QByteArray out;
    int error = 0;
    GifFileType *gif = EGifOpen(&out, append, &error);
    ColorMapObject *map = GifMakeMapObject(1 << codeSize, nullptr);
    EXPECT_EQ(EGifPutScreenDesc(gif, int(pixels.size()), 1, 8, 0, map), GIF_OK);
    EXPECT_EQ(EGifPutImageDesc(gif, 0, 0, int(pixels.size()), 1, false, nullptr), GIF_OK);
    if (ours) {
        std::vector<std::uint8_t> blocks = ours->compress(pixels.data(), pixels.size(), std::max(codeSize, 2));
        for (std::size_t at = 0; at < blocks.size(); at += std::size_t(blocks[at]) + 1)
            EXPECT_EQ(EGifPutCodeNext(gif, &blocks[at]), GIF_OK);
        EXPECT_EQ(EGifPutCodeNext(gif, nullptr), GIF_OK);
    } else {
        std::vector<GifPixelType> line = pixels;
        EXPECT_EQ(EGifPutLine(gif, line.data(), int(line.size())), GIF_OK);
    }
    EXPECT_EQ(EGifCloseFile(gif, &error), GIF_OK);
    GifFreeMapObject(map);
    return out;
}

// Runs of random indexes below `colours`, of lengths 1..longest.
std::vector<GifPixelType> runs(std::size_t count, int colours, int longest, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<GifPixelType> p;
    while (p.size() < count)
        p.insert(p.end(), std::size_t(random() % unsigned(longest)) + 1, GifPixelType(random() % unsigned(colours)));
    p.resize(count);
    return p;
}

} // namespace

TEST(GifCompression, WritesTheBytesGiflibWrites)
{
    const struct {
        const char *name;
        int codeSize;
        std::vector<GifPixelType> pixels;
    } cases[] = {
        {"one pixel", 2, {3}},
        {"two colours, code size raised to 2", 1, runs(5000, 2, 3, 1)},
        {"noise: the dictionary fills and starts again many times", 8, runs(300000, 256, 1, 2)},
        {"short runs and single pixels", 8, runs(300000, 200, 40, 3)},
        {"long runs of few colours", 4, runs(400000, 16, 3000, 4)},
        {"one run that uses up every code", 2, std::vector<GifPixelType>(9000000, 1)},
        {"runs ending where a string of the run is known", 3, runs(200000, 3, 12, 5)},
    };
    // One compressor for all: what it keeps from an image must not reach the next.
    GifCompressor compressor;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray giflib = gifOf(c.pixels, c.codeSize, nullptr);
        const QByteArray ours = gifOf(c.pixels, c.codeSize, &compressor);
        EXPECT_EQ(ours.size(), giflib.size());
        EXPECT_TRUE(ours == giflib);
    }
}
