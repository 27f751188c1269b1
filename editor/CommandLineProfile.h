#pragma once

#include "preview/QtDrawingSurface.h"
#include "profiles/IniFile.h"
#include "profiles/Profile.h"
#include "settings/LanguageFile.h"
#include "settings/SettingsStore.h"

#include <QString>

#include <array>
#include <memory>
#include <string>
#include <string_view>

class QGuiApplication;

namespace editor {

// The drawing needs a GUI application, but no display: one on the offscreen platform when
// there is none yet, else nullptr.
std::unique_ptr<QGuiApplication> offscreenApplication();

// A command's device profile as the window would show it: --profile NAME, else the one the
// settings hold (the default one when that is gone), in the stored language, with its skin's
// pictures and its elements. Throws std::runtime_error naming a profile given by name that does
// not exist, and the skin loading's errors.
class CommandLineProfile {
public:
    // `programDir`: where Profiles/ and Languages/ are; empty: the executable's folder.
    CommandLineProfile(const QString &programDir, const QString &profileName);

    // The "Editor" text of the stored language.
    QString text(std::string_view key) const;

    std::string programDir; // with a trailing separator
    settings::SettingsStore store;
    settings::LanguageTexts texts;
    profiles::TProfile profile; // the skin, and ElementColors from the profile file
    profiles::IniFile ini;      // the profile file
    std::array<profiles::ElementInfo, profiles::ElementCount> elements;
    preview::QtDrawingSurface surface; // its images hold the skin's pictures
};

} // namespace editor
