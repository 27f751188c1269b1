#pragma once

#include "model/Edits.h"
#include "model/FrameRange.h"

#include <cstdint>
#include <optional>
#include <vector>

// Effects that fill a range of cells in one step. Every effect is a pure function of its
// parameters and the range: the same input gives the same cells on every machine, because only
// the basic arithmetic of IEEE doubles (no library maths) and a generator whose output is
// written down below are used.
namespace effects {

enum class Effect { Solid, Gradient, Pulse, Blink, Chase, Rainbow, Twinkle, Flicker, Heartbeat, Wash };
inline constexpr int EffectCount = 10;

enum class Blend { Rgb, Hsv, HsvLong };
enum class Ease { Linear, In, Out, InOut };
enum class Direction { Forward, Backward, Bounce };

// The parameters each effect reads, under the names of the command line and the presets.
enum class Key { Colours, Cycles, Duty, Width, Direction, Blend, Ease, Spread, Density, Low, Seed };

struct EffectParameters {
    Effect effect = Effect::Solid;
    // Colour 1, colour 2, … (a gradient's stops). Missing ones are white (1) and black (2 on).
    std::vector<model::Colour> colours;
    int cycles = 1;
    int duty = 50; // percent of a blink period in colour 1
    int width = 1; // elements a chase lights at once
    Direction direction = Direction::Forward;
    Blend blend = Blend::Rgb;
    std::optional<Ease> ease; // none: the effect's own (in-out for pulse, else linear)
    int spread = 0;           // degrees of hue between neighbouring elements
    int density = 50;         // percent of twinkling cells in colour 1
    int low = 30;             // percent: a flicker's lowest brightness
    std::uint64_t seed = 1;
    bool operator==(const EffectParameters &) const = default;
};

// The cells an effect fills: frames with their lengths, elements in the effect's order.
struct EffectRange {
    // One per frame, in milliseconds. Rhythm steps have none: give them all the same.
    std::vector<std::uint32_t> durations;
    std::vector<std::uint8_t> elements; // 1..6, in the order a chase runs over them
    model::OnOffElements onOff{};       // index element - 1
};

// Frame by frame, one colour per element of the range, in the range's element order.
struct EffectCells {
    int frames = 0;
    std::vector<std::uint8_t> elements;
    std::vector<model::Colour> colours;
    const model::Colour &at(int frame, int index) const
    {
        return colours[std::size_t(frame) * elements.size() + std::size_t(index)];
    }
};

// The effect's cells. Colours round to 4 bits per channel; on/off elements get (15, 15, 15)
// where the effect gives colour 1 or, for blends, a colour at least half as bright as the
// brightest colour given, and (0, 0, 0) elsewhere.
EffectCells computeEffect(const EffectParameters &parameters, const EffectRange &range);

// The colour `index` (from 0) of the parameters, or its default.
model::Colour effectColour(const EffectParameters &parameters, std::size_t index);
// How many colours the effect reads; a gradient or wash reads every stop given, at least two.
std::size_t coloursRead(const EffectParameters &parameters);
// The parameters an effect reads, in the order a dialog shows them.
std::vector<Key> keysOf(Effect effect);

} // namespace effects
