#include "Effects.h"

#include "Random.h"

#include <algorithm>
#include <cmath>

namespace effects {

namespace {

// A colour before rounding: each channel 0..15.
struct Rgb {
    double r = 0, g = 0, b = 0;
};

struct Hsv {
    double h = 0, s = 0, v = 0; // degrees, 0..1, 0..1
};

Rgb rgbOf(const model::Colour &c)
{
    return {double(c.Red), double(c.Green), double(c.Blue)};
}

double brightness(const Rgb &c)
{
    return std::max({c.r, c.g, c.b});
}

std::uint8_t rounded(double channel)
{
    return std::uint8_t(std::clamp(std::lround(channel), 0L, 15L));
}

double eased(Ease ease, double u)
{
    switch (ease) {
    case Ease::In:
        return u * u;
    case Ease::Out:
        return 1 - (1 - u) * (1 - u);
    case Ease::InOut:
        return u < 0.5 ? 2 * u * u : 1 - 2 * (1 - u) * (1 - u);
    case Ease::Linear:
        break;
    }
    return u;
}

Hsv hsvOf(const Rgb &c)
{
    const double r = c.r / 15, g = c.g / 15, b = c.b / 15;
    const double high = std::max({r, g, b}), low = std::min({r, g, b}), range = high - low;
    Hsv x{0, high > 0 ? range / high : 0, high};
    if (range > 0) {
        if (high == r)
            x.h = 60 * ((g - b) / range);
        else if (high == g)
            x.h = 60 * ((b - r) / range + 2);
        else
            x.h = 60 * ((r - g) / range + 4);
        if (x.h < 0)
            x.h += 360;
    }
    return x;
}

Rgb rgbOf(const Hsv &x)
{
    const double h = std::fmod(std::fmod(x.h, 360) + 360, 360) / 60;
    const double sector = std::floor(h), f = h - sector;
    const double v = x.v * 15, p = v * (1 - x.s), q = v * (1 - x.s * f), t = v * (1 - x.s * (1 - f));
    switch (int(sector)) {
    case 0:
        return {v, t, p};
    case 1:
        return {q, v, p};
    case 2:
        return {p, v, t};
    case 3:
        return {p, q, v};
    case 4:
        return {t, p, v};
    default:
        return {v, p, q};
    }
}

// A grey has no hue and black no saturation either: they take the other end's, so that a fade
// to black stays one hue.
void borrowHue(Hsv &from, const Hsv &other)
{
    if (from.v == 0)
        from.s = other.s;
    if (from.v == 0 || from.s == 0)
        from.h = other.h;
}

// A colour with its HSV worked out once: blends read both for every cell.
struct Stop {
    Rgb rgb;
    Hsv hsv;
};

Stop stopOf(const Rgb &c)
{
    return {c, hsvOf(c)};
}

Rgb blended(const Stop &a, const Stop &b, double u, Blend blend)
{
    if (u <= 0)
        return a.rgb;
    if (u >= 1)
        return b.rgb;
    if (blend == Blend::Rgb)
        return {a.rgb.r + (b.rgb.r - a.rgb.r) * u, a.rgb.g + (b.rgb.g - a.rgb.g) * u,
                a.rgb.b + (b.rgb.b - a.rgb.b) * u};
    Hsv x = a.hsv, y = b.hsv;
    borrowHue(x, y);
    borrowHue(y, x);
    double turn = y.h - x.h;
    if (turn > 180)
        turn -= 360;
    else if (turn < -180)
        turn += 360;
    if (blend == Blend::HsvLong)
        turn = turn > 0 ? turn - 360 : turn + 360;
    return rgbOf(Hsv{x.h + turn * u, x.s + (y.s - x.s) * u, x.v + (y.v - x.v) * u});
}

// Position 0..1 over the stops; each end is exactly its stop.
Rgb alongStops(const std::vector<Stop> &stops, double position, Blend blend)
{
    if (stops.size() == 1)
        return stops.front().rgb;
    const double x = position * double(stops.size() - 1);
    const std::size_t segment = std::min(std::size_t(std::max(std::floor(x), 0.0)), stops.size() - 2);
    return blended(stops[segment], stops[segment + 1], x - double(segment), blend);
}

// The lub at the start of each beat and a weaker dub after it.
double heartbeat(double phase)
{
    if (phase < 0.15)
        return 1 - phase / 0.15;
    if (phase >= 0.2 && phase < 0.3)
        return 0.7 * (phase - 0.2) / 0.1;
    if (phase >= 0.3 && phase < 0.45)
        return 0.7 * (1 - (phase - 0.3) / 0.15);
    return 0;
}

struct Sample {
    Rgb colour;
    int choice = -1; // 1: colour 1, 0: another colour, -1: a blend
};

// What a sample depends on besides the parameters: frame-wide effects give every element of a
// frame the same colour, and a wash gives each element one colour in every frame, so each is
// worked out once and copied.
enum class Varies { ByFrame, ByElement, ByCell };

class Generator {
public:
    Generator(const EffectParameters &p, const EffectRange &range)
        : mP(p), mRange(range), mEase(p.ease.value_or(p.effect == Effect::Pulse ? Ease::InOut : Ease::Linear))
    {
        // Lengths of zero everywhere leave no time to place frames in: count them as equal.
        const bool timed = std::any_of(range.durations.begin(), range.durations.end(), [](auto d) { return d > 0; });
        mStarts.reserve(range.durations.size());
        for (const std::uint32_t d : range.durations) {
            mStarts.push_back(mTotal);
            mTotal += timed ? d : 1;
        }
        for (std::size_t i = 0; i < coloursRead(p); ++i)
            mColours.push_back(stopOf(rgbOf(effectColour(p, i))));
        mReference = p.effect == Effect::Rainbow ? 15.0 : 0.0;
        for (const Stop &c : mColours)
            mReference = std::max(mReference, brightness(c.rgb));
    }

    Varies varies() const
    {
        switch (mP.effect) {
        case Effect::Wash:
            return Varies::ByElement;
        case Effect::Chase:
        case Effect::Twinkle:
        case Effect::Flicker:
            return Varies::ByCell;
        case Effect::Rainbow:
            return mP.spread == 0 ? Varies::ByFrame : Varies::ByCell;
        default:
            return Varies::ByFrame;
        }
    }

    model::Colour cell(const Sample &s, int index) const
    {
        if (!mRange.onOff[std::size_t(mRange.elements[std::size_t(index)] - 1)])
            return {rounded(s.colour.r), rounded(s.colour.g), rounded(s.colour.b)};
        const bool on = s.choice >= 0 ? s.choice == 1 : mReference > 0 && 2 * brightness(s.colour) >= mReference;
        return on ? model::Colour{15, 15, 15} : model::Colour{};
    }

    Sample sample(int frame, int index) const
    {
        switch (mP.effect) {
        case Effect::Solid:
            return choose(true);
        case Effect::Gradient:
            return {alongStops(mColours, eased(mEase, gradientPosition(frame)), mP.blend)};
        case Effect::Wash: {
            const std::size_t m = mRange.elements.size();
            return {alongStops(mColours, eased(mEase, m > 1 ? double(index) / double(m - 1) : 0.0), mP.blend)};
        }
        case Effect::Pulse: {
            const double p = phase(frame);
            return {blended(mColours[0], mColours[1], eased(mEase, p < 0.5 ? 2 * p : 2 * (1 - p)), mP.blend)};
        }
        case Effect::Blink:
            return choose(phaseNumerator(frame) * 100 < std::uint64_t(std::clamp(mP.duty, 0, 100)) * mTotal);
        case Effect::Chase:
            return choose(chaseLit(frame, index));
        case Effect::Rainbow:
            return {rgbOf(Hsv{phase(frame) * 360 + double(index) * mP.spread, 1, 1})};
        case Effect::Twinkle:
            return choose(scaledDraw(draw(frame, index), 100) < mP.density);
        case Effect::Flicker: {
            const int low = std::clamp(mP.low, 0, 100);
            const double level = (low + scaledDraw(draw(frame, index), 101 - low)) / 100.0;
            const Rgb &c = mColours[0].rgb;
            return {{c.r * level, c.g * level, c.b * level}};
        }
        case Effect::Heartbeat:
            return {blended(mColours[1], mColours[0], heartbeat(phase(frame)), mP.blend)};
        }
        return choose(true);
    }

private:
    // Start over last start, so that the first frame and the last are the gradient's ends.
    double gradientPosition(int frame) const
    {
        const std::uint64_t last = mStarts.back();
        if (last > 0)
            return double(mStarts[std::size_t(frame)]) / double(last);
        return mStarts.size() > 1 ? double(frame) / double(mStarts.size() - 1) : 0.0;
    }

    // The place within the current cycle, as a numerator over mTotal: start over total length
    // so that a looping glowshow repeats without a seam. Whole numbers keep the boundaries exact.
    std::uint64_t phaseNumerator(int frame) const
    {
        return mStarts[std::size_t(frame)] * std::uint64_t(std::max(mP.cycles, 1)) % mTotal;
    }
    double phase(int frame) const { return double(phaseNumerator(frame)) / double(mTotal); }

    bool chaseLit(int frame, int index) const
    {
        const int m = int(mRange.elements.size()), w = std::clamp(mP.width, 1, m);
        if (w >= m)
            return true;
        const std::uint64_t n = phaseNumerator(frame);
        switch (mP.direction) {
        case Direction::Forward: {
            const int head = int(n * std::uint64_t(m) / mTotal);
            return (index - head + m) % m < w;
        }
        case Direction::Backward: {
            const int head = m - 1 - int(n * std::uint64_t(m) / mTotal);
            return (head - index + m) % m < w;
        }
        case Direction::Bounce:
            break;
        }
        const int span = m - w, q = int(n * std::uint64_t(2 * span) / mTotal);
        const int at = q <= span ? q : 2 * span - q;
        return index >= at && index < at + w;
    }

    Sample choose(bool first) const { return {first ? mColours[0].rgb : mColours[1].rgb, first ? 1 : 0}; }

    std::uint64_t draw(int frame, int index) const
    {
        return splitMix64(mP.seed, std::uint64_t(frame) * 6 + mRange.elements[std::size_t(index)] - 1);
    }

    const EffectParameters &mP;
    const EffectRange &mRange;
    const Ease mEase;
    std::vector<std::uint64_t> mStarts;
    std::uint64_t mTotal = 0;
    std::vector<Stop> mColours;
    double mReference = 0; // brightness of the brightest colour given
};

} // namespace

model::Colour effectColour(const EffectParameters &parameters, std::size_t index)
{
    if (index < parameters.colours.size())
        return parameters.colours[index];
    return index == 0 ? model::Colour{15, 15, 15} : model::Colour{};
}

std::size_t coloursRead(const EffectParameters &parameters)
{
    switch (parameters.effect) {
    case Effect::Solid:
    case Effect::Flicker:
        return 1;
    case Effect::Rainbow:
        return 0;
    case Effect::Gradient:
    case Effect::Wash:
        return std::max<std::size_t>(parameters.colours.size(), 2);
    default:
        return 2;
    }
}

std::vector<Key> keysOf(Effect effect)
{
    switch (effect) {
    case Effect::Solid:
        return {Key::Colours};
    case Effect::Gradient:
    case Effect::Wash:
        return {Key::Colours, Key::Blend, Key::Ease};
    case Effect::Pulse:
        return {Key::Colours, Key::Cycles, Key::Blend, Key::Ease};
    case Effect::Blink:
        return {Key::Colours, Key::Cycles, Key::Duty};
    case Effect::Chase:
        return {Key::Colours, Key::Width, Key::Direction, Key::Cycles};
    case Effect::Rainbow:
        return {Key::Cycles, Key::Spread};
    case Effect::Twinkle:
        return {Key::Colours, Key::Density, Key::Seed};
    case Effect::Flicker:
        return {Key::Colours, Key::Low, Key::Seed};
    case Effect::Heartbeat:
        return {Key::Colours, Key::Cycles, Key::Blend};
    }
    return {};
}

EffectCells computeEffect(const EffectParameters &parameters, const EffectRange &range)
{
    EffectCells cells;
    cells.elements = range.elements;
    if (range.durations.empty() || range.elements.empty())
        return cells;
    for (const std::uint8_t e : range.elements)
        if (e < 1 || e > 6)
            return cells;
    cells.frames = int(range.durations.size());
    cells.colours.reserve(range.durations.size() * range.elements.size());
    const Generator generator(parameters, range);
    const Varies varies = generator.varies();
    const int m = int(range.elements.size());
    std::vector<Sample> row(static_cast<std::size_t>(m));
    for (int f = 0; f < cells.frames; ++f) {
        if (varies == Varies::ByFrame)
            std::fill(row.begin(), row.end(), generator.sample(f, 0));
        else if (varies == Varies::ByCell || f == 0)
            for (int i = 0; i < m; ++i)
                row[std::size_t(i)] = generator.sample(f, i);
        for (int i = 0; i < m; ++i)
            cells.colours.push_back(generator.cell(row[std::size_t(i)], i));
    }
    return cells;
}

} // namespace effects
