#include "EffectText.h"

#include "model/Clip.h"

#include <array>
#include <charconv>

namespace effects {

namespace {

constexpr std::array<const char *, EffectCount> EffectNames = {"solid",   "gradient", "pulse",   "blink",     "chase",
                                                               "rainbow", "twinkle",  "flicker", "heartbeat", "wash"};
constexpr std::array<const char *, 11> KeyNames = {"colours", "cycles", "duty",    "width", "direction", "blend",
                                                   "ease",    "spread", "density", "low",   "seed"};
constexpr std::array<const char *, 3> BlendNames = {"rgb", "hsv", "hsv-long"};
constexpr std::array<const char *, 4> EaseNames = {"linear", "in", "out", "in-out"};
constexpr std::array<const char *, 3> DirectionNames = {"forward", "backward", "bounce"};
constexpr std::size_t MaxColours = 8;

template <std::size_t N> std::optional<int> indexIn(const std::array<const char *, N> &names, std::string_view name)
{
    for (std::size_t i = 0; i < N; ++i)
        if (name == names[i])
            return int(i);
    return std::nullopt;
}

template <std::size_t N> std::string listOf(const std::array<const char *, N> &names)
{
    std::string list;
    for (std::size_t i = 0; i < N; ++i)
        list += (i == 0 ? "" : i + 1 == N ? " or " : ", ") + std::string(names[i]);
    return list;
}

template <class T> bool wholeNumber(std::string_view text, T &value)
{
    const char *end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && at == end;
}

std::string quoted(std::string_view value)
{
    return "\"" + std::string(value) + "\"";
}

struct IntegerKey {
    Key key;
    int EffectParameters::*field;
    int low, high;
};
constexpr std::array<IntegerKey, 6> IntegerKeys = {{{Key::Cycles, &EffectParameters::cycles, 1, 1000},
                                                    {Key::Duty, &EffectParameters::duty, 0, 100},
                                                    {Key::Width, &EffectParameters::width, 1, 6},
                                                    {Key::Spread, &EffectParameters::spread, -360, 360},
                                                    {Key::Density, &EffectParameters::density, 0, 100},
                                                    {Key::Low, &EffectParameters::low, 0, 100}}};

std::string valueText(const EffectParameters &p, Key key)
{
    switch (key) {
    case Key::Colours: {
        std::string list;
        for (const model::Colour &c : p.colours)
            list += (list.empty() ? "" : ",") + model::colourText(c);
        return list;
    }
    case Key::Direction:
        return DirectionNames[std::size_t(p.direction)];
    case Key::Blend:
        return BlendNames[std::size_t(p.blend)];
    case Key::Ease:
        return p.ease ? EaseNames[std::size_t(*p.ease)] : "";
    case Key::Seed:
        return std::to_string(p.seed);
    default:
        break;
    }
    for (const IntegerKey &k : IntegerKeys)
        if (k.key == key)
            return std::to_string(p.*k.field);
    return {};
}

} // namespace

const char *effectName(Effect effect)
{
    return EffectNames[std::size_t(effect)];
}

std::optional<Effect> effectNamed(std::string_view name)
{
    const auto i = indexIn(EffectNames, name);
    return i ? std::optional(Effect(*i)) : std::nullopt;
}

const char *keyName(Key key)
{
    return KeyNames[std::size_t(key)];
}

std::optional<Key> keyNamed(std::string_view name)
{
    const auto i = indexIn(KeyNames, name);
    return i ? std::optional(Key(*i)) : std::nullopt;
}

std::vector<std::string> blendNames()
{
    return {BlendNames.begin(), BlendNames.end()};
}

std::vector<std::string> easeNames()
{
    return {EaseNames.begin(), EaseNames.end()};
}

std::vector<std::string> directionNames()
{
    return {DirectionNames.begin(), DirectionNames.end()};
}

std::string setParameter(EffectParameters &p, std::string_view keyText, std::string_view value)
{
    const std::optional<Key> key = keyNamed(keyText);
    if (!key)
        return "unknown key " + quoted(keyText);
    const std::string name(keyText);
    switch (*key) {
    case Key::Colours: {
        std::vector<model::Colour> colours;
        for (const std::string_view item : model::splitText(value, ',')) {
            const std::optional<model::Colour> c = model::parseColourText(item);
            if (!c)
                return name + ": " + quoted(item) + " is not a colour; give #RGB in hex digits, such as #F80";
            colours.push_back(*c);
        }
        if (colours.size() > MaxColours)
            return name + ": at most " + std::to_string(MaxColours) + " colours";
        p.colours = std::move(colours);
        return {};
    }
    case Key::Direction:
    case Key::Blend:
    case Key::Ease: {
        const auto i = *key == Key::Direction ? indexIn(DirectionNames, value)
                       : *key == Key::Blend   ? indexIn(BlendNames, value)
                                              : indexIn(EaseNames, value);
        if (!i)
            return name + ": " + quoted(value) + " is not one of " +
                   (*key == Key::Direction ? listOf(DirectionNames)
                    : *key == Key::Blend   ? listOf(BlendNames)
                                           : listOf(EaseNames));
        if (*key == Key::Direction)
            p.direction = Direction(*i);
        else if (*key == Key::Blend)
            p.blend = Blend(*i);
        else
            p.ease = Ease(*i);
        return {};
    }
    case Key::Seed: {
        std::uint64_t seed = 0;
        if (!wholeNumber(value, seed))
            return name + ": " + quoted(value) + " is not a whole number from 0 to 18446744073709551615";
        p.seed = seed;
        return {};
    }
    default:
        break;
    }
    for (const IntegerKey &k : IntegerKeys) {
        if (k.key != *key)
            continue;
        int v = 0;
        if (!wholeNumber(value, v) || v < k.low || v > k.high)
            return name + ": " + quoted(value) + " is not a whole number from " + std::to_string(k.low) + " to " +
                   std::to_string(k.high);
        p.*k.field = v;
    }
    return {};
}

std::string setParameters(EffectParameters &parameters, const std::vector<std::string> &items)
{
    EffectParameters changed = parameters;
    for (const std::string &item : items) {
        const std::size_t equals = item.find('=');
        if (equals == std::string::npos)
            return quoted(item) + " is not KEY=VALUE";
        if (std::string error = setParameter(changed, std::string_view(item).substr(0, equals),
                                             std::string_view(item).substr(equals + 1));
            !error.empty())
            return error;
    }
    parameters = std::move(changed);
    return {};
}

std::string effectText(const EffectParameters &parameters)
{
    EffectParameters defaults;
    std::string text = effectName(parameters.effect);
    for (const Key key : keysOf(parameters.effect)) {
        const std::string value = valueText(parameters, key);
        if (value != valueText(defaults, key))
            text += ' ' + std::string(keyName(key)) + '=' + value;
    }
    return text;
}

std::optional<EffectParameters> parseEffectText(std::string_view text, std::string *error)
{
    std::vector<std::string> words;
    for (const std::string_view word : model::splitText(text, ' '))
        if (!word.empty())
            words.emplace_back(word);
    EffectParameters parameters;
    std::string problem;
    const std::optional<Effect> effect = words.empty() ? std::nullopt : effectNamed(words.front());
    if (!effect)
        problem = "unknown effect " + quoted(words.empty() ? "" : words.front());
    else {
        parameters.effect = *effect;
        words.erase(words.begin());
        problem = setParameters(parameters, words);
    }
    if (problem.empty())
        return parameters;
    if (error)
        *error = problem;
    return std::nullopt;
}

} // namespace effects
