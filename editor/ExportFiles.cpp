#include "ExportFiles.h"

#include "GlowFileIO.h"
#include "export/AnimationWriters.h"
#include "preview/DrawingSurface.h"

#include <QDir>
#include <QFileInfo>

#include <stdexcept>

namespace editor {

std::optional<ExportType> exportTypeOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("gif"))
        return ExportType::Gif;
    if (suffix == QLatin1String("webp"))
        return ExportType::Webp;
    if (suffix == QLatin1String("png"))
        return ExportType::Png;
    return std::nullopt;
}

namespace {

bool loops(const model::TGlowshow &glowshow, const ExportSetup &setup)
{
    return setup.loopSwitch || glowshow.Repeating == 1;
}

} // namespace

exporting::Animation glowshowAnimation(const model::TGlowshow &glowshow, const ExportSetup &setup)
{
    return exporting::renderAnimation(glowshow, *setup.profile, *setup.images, setup.speed, loops(glowshow, setup));
}

void exportGlowshow(const model::TGlowshow &glowshow, const QString &label, const QString &fileName,
                    const ExportSetup &setup, ExportChoice choice)
{
    const std::optional<ExportType> type = exportTypeOf(fileName);
    const bool storyboard = type == ExportType::Png;
    if (!type || (choice == ExportChoice::Animation && storyboard) ||
        (choice == ExportChoice::Storyboard && !storyboard))
        throw std::runtime_error(setup
                                     .text(choice == ExportChoice::Storyboard  ? "ExportNotStoryboard"
                                           : choice == ExportChoice::Animation ? "ExportNotAnimation"
                                                                               : "ExportUnknownType")
                                     .arg(QDir::toNativeSeparators(fileName))
                                     .toStdString());
    if (storyboard) {
        exporting::StoryboardSource source = setup.storyboard;
        source.title = label;
        writeFileSafely(fileName, exporting::encodePng(exporting::renderStoryboard(glowshow, source, setup.scale)));
        return;
    }
    if (glowshow.Kind != model::KindNormal)
        throw std::runtime_error(setup.text("ExportRhythmAnimation").arg(label).toStdString());
    if (!exporting::hasVisibleFrames(glowshow, setup.speed))
        throw std::runtime_error(setup.text("ExportNoFrames").arg(label).toStdString());
    if (type == ExportType::Webp) {
        writeFileSafely(fileName, exporting::encodeWebp(glowshowAnimation(glowshow, setup)));
        return;
    }
    // Each frame is encoded as soon as it is drawn: nothing of the whole animation is kept but
    // the GIF's own indexes.
    exporting::GifEncoder gif(QSize(preview::SurfaceWidth, preview::SurfaceHeight), loops(glowshow, setup));
    exporting::renderAnimation(glowshow, *setup.profile, *setup.images, setup.speed,
                               [&gif](const exporting::AnimationFrame &frame) { gif.add(frame); });
    writeFileSafely(fileName, gif.finish());
}

} // namespace editor
