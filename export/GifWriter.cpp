#include "AnimationWriters.h"

#include <gif_lib.h>

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <unordered_set>

namespace exporting {

namespace {

// One index stays free for "unchanged": a transparent pixel shows the frame before.
constexpr int MaxColours = 255;
constexpr int MaxDelay = 65535;

struct GifCloser {
    void operator()(GifFileType *gif) const { EGifCloseFile(gif, nullptr); }
};
struct MapFree {
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};
using MapPtr = std::unique_ptr<ColorMapObject, MapFree>;

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

struct Palette {
    std::vector<QRgb> colours;
    std::unordered_map<QRgb, GifPixelType> index;

    explicit Palette(std::vector<QRgb> list) : colours(std::move(list))
    {
        std::sort(colours.begin(), colours.end());
        for (std::size_t i = 0; i < colours.size(); ++i)
            index.emplace(colours[i], GifPixelType(i));
    }
    bool holds(const std::unordered_set<QRgb> &wanted) const
    {
        return std::all_of(wanted.begin(), wanted.end(), [this](QRgb c) { return index.count(c) != 0; });
    }
    GifPixelType transparent() const { return GifPixelType(colours.size()); }
    MapPtr map() const
    {
        const int size = 1 << GifBitSize(int(colours.size()) + 1);
        MapPtr m(GifMakeMapObject(size, nullptr));
        if (!m)
            throw EncodeError("Out of memory");
        for (int i = 0; i < size; ++i) {
            const QRgb c = i < int(colours.size()) ? colours[std::size_t(i)] : 0;
            m->Colors[i] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
        }
        return m;
    }
};

// One GIF image: a rectangle of the canvas; pixels equal to what is shown already are
// "unchanged" and become transparent.
struct Picture {
    const QImage &canvas;
    const QImage &shown; // null before the first image
    QRect rect;
    std::unordered_set<QRgb> colours; // of the changed pixels

    template <typename F> void forEachPixel(F &&f) const
    {
        const int left = rect.left(), right = rect.right(), bottom = rect.bottom();
        const bool first = shown.isNull();
        for (int y = rect.top(); y <= bottom; ++y) {
            const auto *now = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
            const auto *before = first ? now : reinterpret_cast<const QRgb *>(shown.constScanLine(y));
            for (int x = left; x <= right; ++x)
                f(now[x] | 0xFF000000u, !first && ((before[x] ^ now[x]) & 0xFFFFFFu) == 0);
        }
    }
};

Picture takePicture(const QImage &canvas, const QImage &shown, const QRect &rect)
{
    Picture p{canvas, shown, rect, {}};
    QRgb last = 0;
    bool any = false;
    p.forEachPixel([&](QRgb c, bool unchanged) {
        if (!unchanged && (!any || c != last)) {
            p.colours.insert(c);
            last = c;
            any = true;
        }
    });
    return p;
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

std::vector<GifPixelType> indexed(const Picture &p, const Palette &palette)
{
    std::vector<GifPixelType> out(std::size_t(p.rect.width()) * std::size_t(p.rect.height()));
    GifPixelType *o = out.data();
    QRgb last = 0;
    GifPixelType lastIndex = palette.transparent();
    bool any = false;
    p.forEachPixel([&](QRgb c, bool unchanged) {
        if (unchanged) {
            *o++ = palette.transparent();
            return;
        }
        if (!any || c != last) {
            last = c;
            lastIndex = palette.index.at(c);
            any = true;
        }
        *o++ = lastIndex;
    });
    return out;
}

class GifStream {
public:
    GifStream(QByteArray &out, QSize size, const Palette &global, bool loop)
    {
        int error = 0;
        mGif.reset(EGifOpen(&out, writeToArray, &error));
        if (!mGif)
            throw EncodeError(GifErrorString(error));
        EGifSetGifVersion(mGif.get(), true);
        const MapPtr map = global.map();
        check(EGifPutScreenDesc(mGif.get(), size.width(), size.height(), 8, 0, map.get()), mGif.get());
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

    void image(const QRect &rect, std::vector<GifPixelType> &pixels, const ColorMapObject *localMap, int delay,
               int transparent)
    {
        // A delay longer than the field holds continues in empty frames.
        int rest = delay;
        const int first = std::min(rest, MaxDelay);
        rest -= first;
        control(first, transparent);
        check(EGifPutImageDesc(mGif.get(), rect.left(), rect.top(), rect.width(), rect.height(), false, localMap),
              mGif.get());
        for (int y = 0; y < rect.height(); ++y)
            check(EGifPutLine(mGif.get(), pixels.data() + std::size_t(y) * std::size_t(rect.width()), rect.width()),
                  mGif.get());
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

// The global palette: every colour of the animation when they fit, else the first frame's.
Palette globalPalette(const Animation &animation)
{
    std::unordered_set<QRgb> all;
    std::size_t firstFrameColours = 0;
    std::vector<QRgb> first;
    for (const AnimationFrame &f : animation.frames) {
        const QImage &img = f.image;
        QRgb last = 0;
        const int width = img.width(), height = img.height();
        for (int y = 0; y < height; ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            for (int x = 0; x < width; ++x)
                if (line[x] != last || (x == 0 && y == 0)) {
                    last = line[x];
                    all.insert(last | 0xFF000000u);
                }
        }
        if (&f == &animation.frames.front()) {
            firstFrameColours = all.size();
            first.assign(all.begin(), all.end());
        }
        if (all.size() > MaxColours && firstFrameColours != 0)
            break;
    }
    if (all.size() <= MaxColours)
        return Palette({all.begin(), all.end()});
    if (firstFrameColours <= MaxColours)
        return Palette(std::move(first));
    return Palette({});
}

} // namespace

QByteArray encodeGif(const Animation &animation)
{
    QByteArray out;
    if (animation.frames.empty())
        throw EncodeError("The animation has no frames");
    const Palette global = globalPalette(animation);
    GifStream gif(out, animation.size, global, animation.loop);

    std::vector<int> milliseconds;
    for (const AnimationFrame &f : animation.frames)
        milliseconds.push_back(f.milliseconds);
    const std::vector<int> delays = gifDelays(milliseconds);

    QImage canvas(animation.size, QImage::Format_RGB32);
    QImage shown;
    QRect pending;
    for (std::size_t i = 0; i < animation.frames.size(); ++i) {
        const AnimationFrame &frame = animation.frames[i];
        paintFrame(canvas, frame);
        pending = pending.united(frame.rect);
        // A frame shorter than a hundredth is never seen: the next frame takes its place.
        if (delays[i] == 0 && i + 1 < animation.frames.size())
            continue;
        const Picture picture = takePicture(canvas, shown, pending);
        std::vector<GifPixelType> pixels;
        MapPtr local;
        int transparent = global.transparent();
        if (global.holds(picture.colours)) {
            pixels = indexed(picture, global);
        } else if (picture.colours.size() <= std::size_t(MaxColours)) {
            const Palette own({picture.colours.begin(), picture.colours.end()});
            local = own.map();
            pixels = indexed(picture, own);
            transparent = own.transparent();
        } else {
            pixels = quantise(picture, local);
            transparent = MaxColours;
        }
        gif.image(pending, pixels, local.get(), delays[i], shown.isNull() ? NO_TRANSPARENT_COLOR : transparent);
        if (shown.isNull())
            shown = canvas.copy();
        else
            paintFrame(shown, {pending, canvas.copy(pending), 0});
        pending = QRect();
    }
    gif.close();
    return out;
}

} // namespace exporting
