#include "AnimationWriters.h"
#include "GifLzw.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <unordered_map>

namespace exporting {

namespace {

// One index stays free for "unchanged": a transparent pixel shows the frame before.
constexpr int MaxColours = 255;
constexpr int MaxDelay = 65535;
constexpr int MinShownDelay = 2;

struct GifCloser {
    void operator()(GifFileType *gif) const { EGifCloseFile(gif, nullptr); }
};
struct MapFree {
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};
using MapPtr = std::unique_ptr<ColorMapObject, MapFree>;

// The LZW code size giflib writes for images with this palette.
int codeSizeOf(const ColorMapObject *map)
{
    return std::max(map->BitsPerPixel, 2);
}

// The same for a palette of `colours` and the transparent index, before it is made.
int codeSizeOf(std::size_t colours)
{
    return std::max(GifBitSize(int(colours) + 1), 2);
}

int writeToArray(GifFileType *gif, const GifByteType *data, int size)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), size);
    return size;
}

void check(int result, const GifFileType *gif)
{
    if (result == GIF_ERROR)
        throw EncodeError(GifErrorString(gif->Error));
}

// Up to 255 colours in the order they were first seen, with index 0 kept for "unchanged" (a
// transparent pixel shows the frame before). Open addressing: a frame looks colours up for
// every run of pixels, and the keys are few.
class ColourTable {
public:
    static constexpr GifPixelType Transparent = 0;

    // The colour's index, adding it while there is room; -1 when it is new and the table full.
    int indexOf(QRgb colour)
    {
        std::size_t slot = (colour * 0x9E3779B1u) >> (32 - SlotBits);
        while (mKeys[slot] != 0) {
            if (mKeys[slot] == colour)
                return mValues[slot];
            slot = (slot + 1) & (Slots - 1);
        }
        if (mColours.size() == MaxColours)
            return -1;
        mColours.push_back(colour);
        mKeys[slot] = colour;
        mValues[slot] = GifPixelType(mColours.size());
        return mValues[slot];
    }
    std::size_t size() const { return mColours.size(); }
    // Forgets the colours added after the first `count`.
    void truncate(std::size_t count)
    {
        if (count == mColours.size())
            return;
        std::vector<QRgb> kept(mColours.begin(), mColours.begin() + std::ptrdiff_t(count));
        mColours.clear();
        mKeys.fill(0);
        for (const QRgb c : kept)
            indexOf(c);
    }
    MapPtr map() const
    {
        const int size = 1 << GifBitSize(int(mColours.size()) + 1);
        MapPtr m(GifMakeMapObject(size, nullptr));
        if (!m)
            throw EncodeError("Out of memory");
        for (int i = 0; i < size; ++i) {
            const QRgb c = i >= 1 && i <= int(mColours.size()) ? mColours[std::size_t(i - 1)] : 0;
            m->Colors[i] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
        }
        return m;
    }

private:
    // Colours are opaque, so 0 marks a free slot.
    static constexpr int SlotBits = 10;
    static constexpr std::size_t Slots = std::size_t(1) << SlotBits;
    std::array<QRgb, Slots> mKeys{};
    std::array<GifPixelType, Slots> mValues{};
    std::vector<QRgb> mColours;
};

// One GIF image: a rectangle of the canvas, whose pixels `source` holds from `origin` on;
// pixels equal to what is shown already are "unchanged" and become transparent.
struct Picture {
    const QImage &source;
    QPoint origin;
    const QImage *shown; // null before the first image
    QRect rect;

    const QRgb *line(int y) const
    {
        return reinterpret_cast<const QRgb *>(source.constScanLine(y - origin.y())) - origin.x();
    }
    const QRgb *shownLine(int y) const
    {
        return shown ? reinterpret_cast<const QRgb *>(shown->constScanLine(y)) : nullptr;
    }
    template <typename F> void forEachPixel(F &&f) const
    {
        const int left = rect.left(), right = rect.right(), bottom = rect.bottom();
        for (int y = rect.top(); y <= bottom; ++y) {
            const QRgb *now = line(y), *before = shownLine(y);
            for (int x = left; x <= right; ++x)
                f(now[x] | 0xFF000000u, before && ((before[x] ^ now[x]) & 0xFFFFFFu) == 0);
        }
    }
};

// Whether both pixels of a pair of RGB32 words changed colour.
bool bothChanged(std::uint64_t difference)
{
    return (difference & 0xFFFFFFu) != 0 && (difference & 0xFFFFFF00000000u) != 0;
}

// The change test, the colour look-up and the index in one pass: false when a colour does not
// fit the table (what was written is then of no use).
bool indexPixels(const Picture &p, ColourTable &table, GifPixelType *out)
{
    constexpr std::uint64_t Rgb = 0x00FFFFFF00FFFFFFu, Opaque = 0xFF000000FF000000u;
    const int left = p.rect.left(), right = p.rect.right(), bottom = p.rect.bottom();
    QRgb last = 0;
    int lastIndex = 0;
    const auto pixel = [&](QRgb now, const QRgb *before) {
        const QRgb c = now | 0xFF000000u;
        if (before && ((*before ^ c) & 0xFFFFFFu) == 0) {
            *out++ = ColourTable::Transparent;
            return true;
        }
        if (c != last) {
            lastIndex = table.indexOf(c);
            if (lastIndex < 0)
                return false;
            last = c;
        }
        *out++ = GifPixelType(lastIndex);
        return true;
    };
    for (int y = p.rect.top(); y <= bottom; ++y) {
        const QRgb *now = p.line(y), *before = p.shownLine(y);
        int x = left;
        // Four pixels at a time where all are unchanged, or all changed to the colour of the
        // pixel before: the plain areas that make up most of a frame.
        for (; before && x + 3 <= right; x += 4) {
            std::uint64_t a0, a1, b0, b1;
            std::memcpy(&a0, now + x, 8);
            std::memcpy(&a1, now + x + 2, 8);
            std::memcpy(&b0, before + x, 8);
            std::memcpy(&b1, before + x + 2, 8);
            const std::uint64_t d0 = a0 ^ b0, d1 = a1 ^ b1;
            if (((d0 | d1) & Rgb) == 0) {
                std::memset(out, ColourTable::Transparent, 4);
                out += 4;
                continue;
            }
            const std::uint64_t lastPair = std::uint64_t(last) << 32 | last;
            if ((a0 | Opaque) == lastPair && (a1 | Opaque) == lastPair && bothChanged(d0) && bothChanged(d1)) {
                std::memset(out, lastIndex, 4);
                out += 4;
                continue;
            }
            for (int k = 0; k < 4; ++k)
                if (!pixel(now[x + k], before + x + k))
                    return false;
        }
        for (; x <= right; ++x)
            if (!pixel(now[x], before ? before + x : nullptr))
                return false;
    }
    return true;
}

// Pixels of a frame with more colours than a palette holds. The colours that fill areas (the
// lit shapes, the plain parts of the picture) keep their exact values; giflib's quantiser
// shares the rest of the palette among the others (a photograph's or a gradient's pixels).
std::vector<GifPixelType> quantise(const Picture &p, MapPtr &map)
{
    constexpr int AreaPixels = 16;
    constexpr std::size_t MaxExact = 128;
    std::unordered_map<QRgb, int> counts;
    p.forEachPixel([&](QRgb c, bool unchanged) {
        if (!unchanged)
            ++counts[c];
    });
    std::vector<std::pair<int, QRgb>> frequent;
    for (const auto &[colour, count] : counts)
        if (count >= AreaPixels)
            frequent.emplace_back(count, colour);
    std::sort(frequent.begin(), frequent.end(), std::greater<>());
    frequent.resize(std::min(frequent.size(), MaxExact));

    map.reset(GifMakeMapObject(256, nullptr));
    if (!map)
        throw EncodeError("Out of memory");
    std::unordered_map<QRgb, GifPixelType> exact;
    for (const auto &[count, colour] : frequent) {
        const auto i = GifPixelType(exact.size());
        exact.emplace(colour, i);
        map->Colors[i] = {GifByteType(qRed(colour)), GifByteType(qGreen(colour)), GifByteType(qBlue(colour))};
    }
    std::vector<GifByteType> r, g, b;
    p.forEachPixel([&](QRgb c, bool unchanged) {
        if (unchanged || exact.count(c))
            return;
        r.push_back(GifByteType(qRed(c)));
        g.push_back(GifByteType(qGreen(c)));
        b.push_back(GifByteType(qBlue(c)));
    });
    // The last index stays for the transparent pixels.
    int size = MaxColours - int(exact.size());
    std::vector<GifPixelType> rest(r.size());
    if (!r.empty() && GifQuantizeBuffer(unsigned(r.size()), 1, &size, r.data(), g.data(), b.data(), rest.data(),
                                        map->Colors + exact.size()) == GIF_ERROR)
        throw EncodeError("Out of memory");
    std::vector<GifPixelType> out;
    out.reserve(std::size_t(p.rect.width()) * std::size_t(p.rect.height()));
    std::size_t next = 0;
    p.forEachPixel([&](QRgb c, bool unchanged) {
        if (unchanged)
            out.push_back(MaxColours);
        else if (const auto found = exact.find(c); found != exact.end())
            out.push_back(found->second);
        else
            out.push_back(GifPixelType(exact.size() + rest[next++]));
    });
    return out;
}

class GifStream {
public:
    GifStream(QByteArray &out, QSize size, const ColorMapObject *global, bool loop)
    {
        int error = 0;
        mGif.reset(EGifOpen(&out, writeToArray, &error));
        if (!mGif)
            throw EncodeError(GifErrorString(error));
        EGifSetGifVersion(mGif.get(), true);
        check(EGifPutScreenDesc(mGif.get(), size.width(), size.height(), 8, 0, global), mGif.get());
        if (loop) {
            // NETSCAPE2.0 with a repeat count of 0: for ever.
            static const GifByteType application[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
            static const GifByteType repeat[] = {1, 0, 0};
            check(EGifPutExtensionLeader(mGif.get(), APPLICATION_EXT_FUNC_CODE), mGif.get());
            check(EGifPutExtensionBlock(mGif.get(), sizeof application, application), mGif.get());
            check(EGifPutExtensionBlock(mGif.get(), sizeof repeat, repeat), mGif.get());
            check(EGifPutExtensionTrailer(mGif.get()), mGif.get());
        }
    }

    // `blocks` are the image's compressed pixels (GifCompressor) with `codeSize`, the one
    // giflib writes for the palette in use.
    void image(const QRect &rect, const std::vector<std::uint8_t> &blocks, int codeSize, const ColorMapObject *localMap,
               int delay, int transparent)
    {
        // A delay longer than the field holds continues in empty frames.
        int rest = delay;
        const int first = std::min(rest, MaxDelay);
        rest -= first;
        control(first, transparent);
        // giflib keeps a copy of the last local palette and, for a frame without one, drops the
        // pointer to it without freeing it.
        if (!localMap && mGif->Image.ColorMap) {
            GifFreeMapObject(mGif->Image.ColorMap);
            mGif->Image.ColorMap = nullptr;
        }
        check(EGifPutImageDesc(mGif.get(), rect.left(), rect.top(), rect.width(), rect.height(), false, localMap),
              mGif.get());
        // giflib's own compression of the lines costs twice the drawing of the frames; the
        // codes are the same, so its compressed-data calls take ours.
        if (codeSize != codeSizeOf(mGif->Image.ColorMap ? mGif->Image.ColorMap : mGif->SColorMap))
            throw EncodeError("The image was compressed for another palette");
        for (std::size_t at = 0; at < blocks.size(); at += std::size_t(blocks[at]) + 1)
            check(at == 0 ? EGifPutCode(mGif.get(), codeSize, &blocks[at]) : EGifPutCodeNext(mGif.get(), &blocks[at]),
                  mGif.get());
        check(EGifPutCodeNext(mGif.get(), nullptr), mGif.get());
        while (rest > 0) {
            const int part = std::min(rest, MaxDelay);
            rest -= part;
            control(part, MaxColours);
            MapPtr one(GifMakeMapObject(256, nullptr));
            GifPixelType none = MaxColours;
            check(EGifPutImageDesc(mGif.get(), 0, 0, 1, 1, false, one.get()), mGif.get());
            check(EGifPutLine(mGif.get(), &none, 1), mGif.get());
        }
    }

    void close()
    {
        int error = 0;
        GifFileType *gif = mGif.release();
        if (EGifCloseFile(gif, &error) == GIF_ERROR)
            throw EncodeError(GifErrorString(error));
    }

private:
    void control(int delay, int transparent)
    {
        GraphicsControlBlock gcb{DISPOSE_DO_NOT, false, delay, transparent};
        GifByteType extension[4];
        EGifGCBToExtension(&gcb, extension);
        check(EGifPutExtension(mGif.get(), GRAPHICS_EXT_FUNC_CODE, 4, extension), mGif.get());
    }

    std::unique_ptr<GifFileType, GifCloser> mGif;
};

// A GIF image waiting for the global palette to be complete.
struct Image {
    QRect rect;
    std::vector<GifPixelType> pixels; // kept while the global palette may still grow past codeSize
    MapPtr local;
    int delay;
    int transparent;
    int codeSize = 0;
    std::vector<std::uint8_t> blocks;
};

} // namespace

struct GifEncoder::State {
    QSize size;
    bool loop;
    GifDelayCarry delays;
    ColourTable global;
    GifCompressor compressor;
    std::vector<GifPixelType> indexes;
    std::vector<Image> images;
    QImage shown;  // what the images so far show
    QImage canvas; // with the frames too short to be seen on top, while there are any
    QRect pending; // their rectangles
    int pendingDelay = 0;

    QImage blank() const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::black);
        return image;
    }

    // The global palette takes every colour while they fit; an image whose colours do not fit
    // gets a palette of its own, or a quantised one when it shows more than a palette holds.
    void write(const Picture &picture, int delay)
    {
        Image image{
            picture.rect, {}, nullptr, delay, picture.shown ? ColourTable::Transparent : NO_TRANSPARENT_COLOR, 0, {}};
        const std::size_t count = std::size_t(picture.rect.width()) * std::size_t(picture.rect.height());
        // One buffer for the indexes of every image: it stays in the cache for the compression.
        indexes.resize(count);
        const GifPixelType *pixels = indexes.data();
        const std::size_t known = global.size();
        std::vector<GifPixelType> quantised;
        if (!indexPixels(picture, global, indexes.data())) {
            global.truncate(known);
            ColourTable own;
            if (indexPixels(picture, own, indexes.data())) {
                image.local = own.map();
            } else {
                quantised = quantise(picture, image.local);
                pixels = quantised.data();
                if (picture.shown)
                    image.transparent = MaxColours;
            }
        }
        image.codeSize = image.local ? codeSizeOf(image.local.get()) : codeSizeOf(global.size());
        image.blocks = compressor.compress(pixels, count, image.codeSize);
        // Compressed again at the end if the global palette grows past this code size.
        if (!image.local && image.codeSize < 8)
            image.pixels.assign(pixels, pixels + count);
        images.push_back(std::move(image));
    }

    void writePending()
    {
        write({canvas, {}, shown.isNull() ? nullptr : &shown, pending}, pendingDelay);
        shown = canvas;
        canvas = QImage();
        pending = QRect();
        pendingDelay = 0;
    }
};

GifEncoder::GifEncoder(QSize size, bool loop) : d(std::make_unique<State>())
{
    d->size = size;
    d->loop = loop;
}

GifEncoder::~GifEncoder() = default;

void GifEncoder::add(const AnimationFrame &frame)
{
    const int delay = d->delays.next(frame.milliseconds);
    // Browsers (and Qt) show a delay below two hundredths as a tenth of a second: such a frame
    // is shown with the next one, which takes over its time, so the total stays exact.
    if (delay + d->pendingDelay < MinShownDelay || !d->pending.isEmpty()) {
        if (d->pending.isEmpty())
            d->canvas = d->shown.isNull() ? d->blank() : d->shown.copy();
        paintFrame(d->canvas, frame);
        d->pending = d->pending.united(frame.rect);
        d->pendingDelay += delay;
        if (d->pendingDelay >= MinShownDelay)
            d->writePending();
        return;
    }
    // The usual frame is read where it lies, while its pixels are still in the cache.
    d->write({frame.image, frame.rect.topLeft(), d->shown.isNull() ? nullptr : &d->shown, frame.rect}, delay);
    if (d->shown.isNull())
        d->shown = d->blank();
    paintFrame(d->shown, frame);
}

QByteArray GifEncoder::finish()
{
    // The last frame shows however short it is: it stays when the animation does not loop.
    if (!d->pending.isEmpty())
        d->writePending();
    if (d->images.empty())
        throw EncodeError("The animation has no frames");
    QByteArray out;
    const MapPtr globalMap = d->global.map();
    GifStream gif(out, d->size, globalMap.get(), d->loop);
    for (Image &image : d->images) {
        if (!image.local && image.codeSize != codeSizeOf(globalMap.get())) {
            image.codeSize = codeSizeOf(globalMap.get());
            image.blocks = d->compressor.compress(image.pixels.data(), image.pixels.size(), image.codeSize);
        }
        gif.image(image.rect, image.blocks, image.codeSize, image.local.get(), image.delay, image.transparent);
    }
    gif.close();
    d->images.clear();
    return out;
}

QByteArray encodeGif(const Animation &animation)
{
    GifEncoder encoder(animation.size, animation.loop);
    for (const AnimationFrame &frame : animation.frames)
        encoder.add(frame);
    return encoder.finish();
}

} // namespace exporting
