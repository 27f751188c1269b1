#pragma once

#include <QString>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {
class SettingsStore;
}

namespace editor {

// An effect and its parameters kept under a name, as the effect's text
// ("pulse colours=#000,#00F cycles=2").
struct EffectPreset {
    QString name;
    std::string effect;
    bool builtIn = false;
};

// The ones that ship, named in the current language.
std::vector<EffectPreset> builtInPresets(const std::function<QString(std::string_view)> &text);

// The user's presets: values "Name1", "Effect1", "Name2", … of group "Effect presets", up to
// the first missing or empty name.
std::vector<EffectPreset> readPresets(const settings::SettingsStore &store);
// Writes them all, then empties the name after the last so that removed ones are not read back.
void savePresets(settings::SettingsStore &store, const std::vector<EffectPreset> &presets);

} // namespace editor
