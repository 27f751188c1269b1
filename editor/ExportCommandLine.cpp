#include "ExportCommandLine.h"

#include "CommandLineProfile.h"
#include "ExportFiles.h"
#include "model/IoError.h"

#include <QGuiApplication>

#include <memory>

namespace editor {

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
        CommandLineProfile loaded(a.programDir, a.profile);
        const auto text = [&loaded](std::string_view key) { return loaded.text(key); };
        const model::TGlowshow &g = doc.Glowshows[std::size_t(index)];
        ExportSetup setup;
        setup.profile = &loaded.profile;
        setup.images = &loaded.surface.images();
        setup.speed = exporting::speedOfPercent(percent);
        setup.loopSwitch = a.loop;
        setup.scale = scale;
        setup.text = text;
        const bool hide = settings::readStoredHideUnusedSlots(loaded.store);
        for (int n = 1; n <= profiles::ElementCount; ++n) {
            const profiles::ElementInfo &e = loaded.elements[std::size_t(n - 1)];
            setup.storyboard.elements[std::size_t(n - 1)] = QString::fromStdString(e.name);
            setup.storyboard.behaviours[std::size_t(n - 1)] = e.color;
            setup.storyboard.hidden[std::size_t(n - 1)] = hide && e.color == profiles::NotOnModel;
        }
        setup.storyboard.durationCaption = text("StoryboardDurations");
        setup.storyboard.parameterCaption = text("StoryboardParameters");
        QString label = QString::fromStdString(profiles::glowshowLabel(loaded.ini, g.Id));
        if (g.Kind == model::KindRhythm)
            label += QLatin1Char(' ') + QString::fromStdString(loaded.texts.s(43));
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
