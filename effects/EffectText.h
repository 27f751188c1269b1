#pragma once

#include "Effects.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Effects and their parameters as text, shared by the command line and the presets:
// "chase colours=#F00,#000 width=2 direction=bounce".
namespace effects {

// "solid", "gradient", … as the command line takes them.
const char *effectName(Effect effect);
std::optional<Effect> effectNamed(std::string_view name);
const char *keyName(Key key);
std::optional<Key> keyNamed(std::string_view name);

// The choices of the word-valued keys, in enum order.
std::vector<std::string> blendNames();
std::vector<std::string> easeNames();
std::vector<std::string> directionNames();

// Sets one parameter from its text. Returns an error naming the key and what it takes, or an
// empty text; the parameters are unchanged on error.
std::string setParameter(EffectParameters &parameters, std::string_view key, std::string_view value);

// KEY=VALUE items onto `parameters`; the first error is returned, as above.
std::string setParameters(EffectParameters &parameters, const std::vector<std::string> &items);

// "NAME KEY=VALUE …": the effect and the keys it reads whose values differ from the defaults.
std::string effectText(const EffectParameters &parameters);
// The inverse; nullopt (and `error` set) for an unknown effect or key, or a malformed value.
std::optional<EffectParameters> parseEffectText(std::string_view text, std::string *error = nullptr);

} // namespace effects
