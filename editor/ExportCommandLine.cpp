#include "ExportCommandLine.h"

#include "EditorTexts.h"
#include "ExportFiles.h"
#include "model/IoError.h"
#include "preview/BitmapPictureSink.h"
#include "preview/QtDrawingSurface.h"
#include "profiles/IniFile.h"
#include "profiles/Skin.h"
#include "settings/LanguageFile.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QGuiApplication>

#include <memory>

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

namespace {

// An integer option in [low, high]; an empty text takes `fallback`.
bool integerOption(const QString &text, int low, int high, int fallback, int &value)
{
    if (text.isEmpty()) {
        value = fallback;
        return true;
    }
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= low && value <= high;
}

} // namespace

int glowshowArgument(const model::TDocument &doc, const QString &text)
{
    bool ok = false;
    if (text.startsWith(QLatin1String("id:"), Qt::CaseInsensitive)) {
        const QString hex = text.mid(3);
        const int id = hex.size() <= 2 ? hex.toInt(&ok, 16) : -1;
        for (std::size_t i = 0; ok && i < doc.Glowshows.size(); ++i)
            if (doc.Glowshows[i].Id == id)
                return int(i);
        return -1;
    }
    const int index = text.toInt(&ok, 10);
    return ok && doc.glowshow(index) ? index : -1;
}

bool CommandProfile::shown(int element) const
{
    return !(hideUnused && elements[std::size_t(element - 1)].color == profiles::NotOnModel);
}

bool commandProfile(const QString &programDir, const QString &profileName, CommandProfile &out, std::ostream &err)
{
    out.programDir =
        QDir(programDir.isEmpty() ? QCoreApplication::applicationDirPath() : programDir).absolutePath().toStdString() +
        '/';
    const settings::SettingsStore store;
    out.texts = settings::readLanguage(out.programDir, settings::readStoredLanguage(store));
    profiles::TProfile &profile = out.profile;
    profile.LanguageExt = out.texts.Ext;
    const std::vector<std::string> known = profiles::searchProfiles(out.programDir, out.texts.Ext);
    profile.ProfileName = profileName.isEmpty() ? settings::readStoredProfile(store) : profileName.toStdString();
    if (std::find(known.begin(), known.end(), profile.ProfileName) == known.end()) {
        if (!profileName.isEmpty()) {
            err << editorText(out.texts, "ExportUnknownProfile").arg(profileName).toStdString() << '\n';
            return false;
        }
        profile.ProfileName = profiles::DefaultProfileName;
    }
    out.elements = profiles::readElements(
        profiles::IniFile::load(profiles::profilePath(out.programDir, profile.ProfileName, profile.LanguageExt)));
    for (int n = 1; n <= profiles::ElementCount; ++n)
        profile.ElementColors[n] = out.elements[std::size_t(n - 1)].color;
    out.hideUnused = settings::readStoredHideUnusedSlots(store);
    return true;
}

int exportCommand(const model::TDocument &doc, const ExportArguments &a, std::ostream &err)
{
    const int index = glowshowArgument(doc, a.glowshow);
    if (index < 0) {
        err << a.in.toStdString() << ": no glowshow " << a.glowshow.toStdString() << " (it holds "
            << doc.Glowshows.size() << ", numbered from 0, or give id:0A)\n";
        return 1;
    }
    int percent = 100, scale = 1;
    if (!integerOption(a.speed, 10, 1000, 100, percent)) {
        err << "--speed takes a percentage from 10 to 1000\n";
        return 1;
    }
    if (!integerOption(a.scale, 1, 8, 1, scale)) {
        err << "--scale takes a whole number from 1 to 8\n";
        return 1;
    }

    const std::unique_ptr<QGuiApplication> application = offscreenApplication();
    try {
        CommandProfile chosen;
        if (!commandProfile(a.programDir, a.profile, chosen, err))
            return 1;
        const auto text = [&chosen](std::string_view key) { return editorText(chosen.texts, key); };
        profiles::TProfile &profile = chosen.profile;
        preview::QtDrawingSurface surface;
        preview::BitmapPictureSink pictures(surface);
        profiles::ALoadProfilePics(profile, chosen.programDir, pictures);
        const profiles::IniFile ini =
            profiles::IniFile::load(profiles::profilePath(chosen.programDir, profile.ProfileName, profile.LanguageExt));

        const model::TGlowshow &g = doc.Glowshows[std::size_t(index)];
        ExportSetup setup;
        setup.profile = &profile;
        setup.images = &surface.images();
        setup.speed = exporting::speedOfPercent(percent);
        setup.loopSwitch = a.loop;
        setup.scale = scale;
        setup.text = text;
        for (int n = 1; n <= profiles::ElementCount; ++n) {
            const profiles::ElementInfo &e = chosen.elements[std::size_t(n - 1)];
            setup.storyboard.elements[std::size_t(n - 1)] = QString::fromStdString(e.name);
            setup.storyboard.behaviours[std::size_t(n - 1)] = e.color;
            setup.storyboard.hidden[std::size_t(n - 1)] = !chosen.shown(n);
        }
        setup.storyboard.durationCaption = text("StoryboardDurations");
        setup.storyboard.parameterCaption = text("StoryboardParameters");
        QString label = QString::fromStdString(profiles::glowshowLabel(ini, g.Id));
        if (g.Kind == model::KindRhythm)
            label += QLatin1Char(' ') + QString::fromStdString(chosen.texts.s(43));
        exportGlowshow(g, label, a.out, setup);
    } catch (const model::IoError &e) {
        err << a.out.toStdString() << ": " << e.what() << '\n';
        return 1;
    } catch (const std::exception &e) {
        err << e.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace editor
