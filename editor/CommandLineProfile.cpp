#include "CommandLineProfile.h"

#include "EditorTexts.h"
#include "preview/BitmapPictureSink.h"
#include "profiles/Skin.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

#include <algorithm>
#include <stdexcept>

namespace editor {

std::unique_ptr<QGuiApplication> offscreenApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
    static int argc = 3;
    static char name[] = "GlowshowEditor2", platform[] = "-platform", offscreen[] = "offscreen";
    static char *argv[] = {name, platform, offscreen, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

CommandLineProfile::CommandLineProfile(const QString &dir, const QString &profileName)
    : programDir(QDir(dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir).absolutePath().toStdString() + '/'),
      texts(settings::readLanguage(programDir, settings::readStoredLanguage(store)))
{
    profile.LanguageExt = texts.Ext;
    const std::vector<std::string> known = profiles::searchProfiles(programDir, texts.Ext);
    profile.ProfileName = profileName.isEmpty() ? settings::readStoredProfile(store) : profileName.toStdString();
    if (std::find(known.begin(), known.end(), profile.ProfileName) == known.end()) {
        if (!profileName.isEmpty())
            throw std::runtime_error(text("ExportUnknownProfile").arg(profileName).toStdString());
        profile.ProfileName = profiles::DefaultProfileName;
    }
    preview::BitmapPictureSink pictures(surface);
    profiles::ALoadProfilePics(profile, programDir, pictures);
    ini = profiles::IniFile::load(profiles::profilePath(programDir, profile.ProfileName, profile.LanguageExt));
    elements = profiles::readElements(ini);
    for (int n = 1; n <= profiles::ElementCount; ++n)
        profile.ElementColors[n] = elements[std::size_t(n - 1)].color;
}

QString CommandLineProfile::text(std::string_view key) const
{
    return editorText(texts, key);
}

} // namespace editor
