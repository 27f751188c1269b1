#include "EffectPresets.h"

#include "settings/SettingsStore.h"

namespace editor {

namespace {

const QString Group = QStringLiteral("Effect presets");

QString nameKey(std::size_t i)
{
    return QStringLiteral("Name%1").arg(i + 1);
}

QString effectKey(std::size_t i)
{
    return QStringLiteral("Effect%1").arg(i + 1);
}

} // namespace

std::vector<EffectPreset> builtInPresets(const std::function<QString(std::string_view)> &text)
{
    return {
        {text("PresetPolice"), "blink colours=#F00,#00F cycles=8", true},
        {text("PresetSlowRainbow"), "rainbow spread=60", true},
        {text("PresetBlueBreathe"), "pulse colours=#000,#00F cycles=2", true},
        {text("PresetHeartbeat"), "heartbeat colours=#F00,#000 cycles=2", true},
    };
}

std::vector<EffectPreset> readPresets(const settings::SettingsStore &store)
{
    std::vector<EffectPreset> presets;
    for (std::size_t i = 0;; ++i) {
        const std::optional<QString> name = store.readText(Group, nameKey(i));
        if (!name || name->isEmpty())
            return presets;
        presets.push_back({*name, store.readText(Group, effectKey(i)).value_or(QString()).toStdString(), false});
    }
}

void savePresets(settings::SettingsStore &store, const std::vector<EffectPreset> &presets)
{
    for (std::size_t i = 0; i < presets.size(); ++i) {
        store.writeText(Group, nameKey(i), presets[i].name);
        store.writeText(Group, effectKey(i), QString::fromStdString(presets[i].effect));
    }
    store.writeText(Group, nameKey(presets.size()), QString());
}

} // namespace editor
