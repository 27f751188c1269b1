#include "BenchSupport.h"

#include "export/Animation.h"
#include "export/AnimationWriters.h"
#include "preview/BitmapPictureSink.h"
#include "preview/Playback.h"
#include "preview/QtDrawingSurface.h"
#include "profiles/Skin.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QProcess>

#include <filesystem>

namespace {

// The shipped default skin: six full-colour elements, four of them with circle shapes.
struct Skin {
    profiles::TProfile profile;
    preview::QtDrawingSurface surface;
    Skin()
    {
        profile.ProfileName = profiles::DefaultProfileName;
        preview::BitmapPictureSink pictures(surface);
        profiles::ALoadProfilePics(profile, GLOW_DATA_DIR, pictures);
    }
};

const model::TGlowshow &largestGlowshow()
{
    static const model::TDocument doc = bench::largestDocument();
    return doc.Glowshows.front();
}

// Export of the largest normal glowshow as GIF against drawing its 255 frames alone.
void BM_GifExport(benchmark::State &state)
{
    Skin skin;
    const model::TGlowshow &g = largestGlowshow();
    bench::PathAndFloor timing;
    std::size_t bytes = 0;
    for (auto _ : state) {
        // As the program exports: each frame encoded as soon as it is drawn.
        timing.project([&] {
            exporting::GifEncoder gif(QSize(preview::SurfaceWidth, preview::SurfaceHeight), true);
            exporting::renderAnimation(g, skin.profile, skin.surface.images(), {},
                                       [&gif](const exporting::AnimationFrame &frame) { gif.add(frame); });
            bytes = std::size_t(gif.finish().size());
        });
        timing.floor([&] {
            profiles::PerElement<bool> lit;
            for (int i = 0; i < g.FrameCount; ++i)
                preview::drawGlowshowFrame(skin.surface, skin.profile, g, std::uint8_t(i), lit);
            benchmark::DoNotOptimize(skin.surface.backBuffer().constBits());
        });
    }
    timing.report(state, "export_per_drawing");
    state.counters["gif_bytes"] = double(bytes);
}

// Every picture of a GIF as Qt's reader composes it.
std::vector<QImage> decodedGif(const QString &fileName)
{
    QImageReader reader(fileName, "gif");
    std::vector<QImage> frames;
    QImage image;
    while (reader.read(&image))
        frames.push_back(image.convertToFormat(QImage::Format_RGB32));
    return frames;
}

bool isImageMagick()
{
    QProcess version;
    version.start(QStringLiteral("convert"), {QStringLiteral("-version")});
    return version.waitForFinished() && version.readAllStandardOutput().contains("ImageMagick");
}

// Sizes: our GIF against ImageMagick's optimised GIF of the same frames with the same delays,
// and our WebP. Both GIFs are written to files of their own and decoded again: a size
// comparison means something only if both show the same pictures.
void BM_AnimationSize(benchmark::State &state)
{
    Skin skin;
    const model::TGlowshow &g = largestGlowshow();
    const std::string dir = bench::makeTempDir("export");
    const QString folder = QString::fromStdString(dir);
    if (!isImageMagick())
        state.SkipWithError("convert is not ImageMagick's");
    for (auto _ : state) {
        const exporting::Animation a = exporting::renderAnimation(g, skin.profile, skin.surface.images(), {}, true);
        const QString ours = folder + QStringLiteral("/ours.gif");
        const QString magick = folder + QStringLiteral("/imagemagick.gif");
        const QByteArray gif = exporting::encodeGif(a);
        QFile file(ours);
        if (!file.open(QIODevice::WriteOnly) || file.write(gif) != gif.size()) {
            state.SkipWithError("cannot write our GIF");
            break;
        }
        file.close();
        const QByteArray webp = exporting::encodeWebp(a);

        std::vector<int> milliseconds;
        for (const exporting::AnimationFrame &f : a.frames)
            milliseconds.push_back(f.milliseconds);
        const std::vector<int> delays = exporting::gifDelays(milliseconds);
        QImage canvas(a.size, QImage::Format_RGB32);
        QStringList args;
        for (std::size_t i = 0; i < a.frames.size(); ++i) {
            exporting::paintFrame(canvas, a.frames[i]);
            const QString name = folder + QStringLiteral("/frame%1.png").arg(i, 3, 10, QLatin1Char('0'));
            canvas.save(name);
            args << QStringLiteral("-delay") << QString::number(delays[i]) << name;
        }
        args << QStringLiteral("-loop") << QStringLiteral("0") << QStringLiteral("-layers")
             << QStringLiteral("Optimize") << magick;
        if (QProcess::execute(QStringLiteral("convert"), args) != 0) {
            state.SkipWithError("ImageMagick's convert did not run");
            break;
        }
        const std::vector<QImage> oursShown = decodedGif(ours), magickShown = decodedGif(magick);
        if (oursShown.size() != a.frames.size() || oursShown != magickShown) {
            state.SkipWithError("the two GIFs do not show the same pictures");
            break;
        }
        const double magickBytes = double(QFileInfo(magick).size());
        state.counters["gif_bytes"] = double(QFileInfo(ours).size());
        state.counters["webp_bytes"] = double(webp.size());
        state.counters["imagemagick_bytes"] = magickBytes;
        state.counters["gif_per_imagemagick"] = double(QFileInfo(ours).size()) / magickBytes;
        state.counters["webp_per_gif"] = double(webp.size()) / double(gif.size());
        state.counters["frames"] = double(a.frames.size());
    }
    bench::removeTree(dir);
}

} // namespace

BENCHMARK(BM_GifExport)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(15);
BENCHMARK(BM_AnimationSize)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QGuiApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
