// Effects over a whole glowshow (255 frames by 6 elements) with the dialog's preview repainted,
// against one full repaint of the grid in the same run; and the preview's timer accuracy.
#include "BenchSupport.h"
#include "WindowBench.h"

#include "editor/EffectPreview.h"
#include "editor/EffectsDialog.h"
#include "editor/Unit1.h"
#include "effects/EffectText.h"
#include "preview/BitmapPictureSink.h"
#include "preview/QtDrawingSurface.h"
#include "profiles/Skin.h"
#include "settings/SettingsStore.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QPixmap>
#include <QTimer>

#include <chrono>

namespace {

editor::TMForm *gForm = nullptr;
const model::TDocument *gLargest = nullptr;
std::string gHome;

struct DialogSetup {
    profiles::TProfile profile;
    preview::QtDrawingSurface pictures;
    settings::SettingsStore store{QFile::decodeName((gHome + "/effects.ini").c_str())};
    DialogSetup()
    {
        profile.ProfileName = profiles::DefaultProfileName;
        preview::BitmapPictureSink sink(pictures);
        profiles::ALoadProfilePics(profile, GLOW_DATA_DIR, sink);
    }
    std::unique_ptr<editor::EffectsDialog> open(const model::TDocument &doc, int last)
    {
        const editor::EffectsScope scope{doc, 0, 0, last, {1, 2, 3, 4, 5, 6}, 0, profile, pictures.images()};
        auto dialog = std::make_unique<editor::EffectsDialog>(
            scope, store, [](std::string_view key) { return QString::fromUtf8(key.data(), qsizetype(key.size())); });
        dialog->resize(900, 600);
        dialog->show();
        QCoreApplication::processEvents();
        return dialog;
    }
};

// Argument: the effect. Project: the effect worked out over all 255 × 6 cells of a copy, as a
// changed parameter does in the dialog, and the preview repainted. Floor: EditGrid repainted
// whole with the same glowshow.
void BM_EffectWithPreview(benchmark::State &state)
{
    DialogSetup setup;
    const auto dialog = setup.open(*gLargest, model::MaxCount - 1);
    effects::EffectParameters p = *effects::parseEffectText("gradient colours=#F00,#0F0,#00F blend=hsv");
    p.effect = effects::Effect(state.range(0));
    auto *grid = gForm->findChild<QAbstractItemView *>(QStringLiteral("EditGrid"));
    if (!grid) {
        state.SkipWithError("no EditGrid");
        return;
    }
    QPixmap gridPixmap(grid->viewport()->size());
    QPixmap previewPixmap(dialog->preview()->size());
    bench::PathAndFloor timing;
    int seed = 0;
    for (auto _ : state) {
        timing.project([&] {
            p.seed = std::uint64_t(++seed); // a new value every time, so that every cell is worked out again
            p.cycles = 1 + seed % 2;
            dialog->setParameters(p);
            dialog->preview()->render(&previewPixmap);
        });
        timing.floor([&] { grid->viewport()->render(&gridPixmap); });
    }
    state.SetLabel(effects::effectName(p.effect));
    state.counters["frames"] = dialog->preview()->shownGlowshow().FrameCount;
    state.counters["grid_columns"] = grid->model() ? grid->model()->columnCount() : 0;
    timing.report(state, "ratio");
}

// Tick intervals of the preview over frames of 100 ms and 333 ms with the other core busy, as
// playback's timer accuracy is measured.
void BM_EffectPreviewTimer(benchmark::State &state)
{
    const int interval = int(state.range(0)), frames = 12;
    const model::TDocument doc = bench::playbackDocument(std::vector<std::uint16_t>(frames, std::uint16_t(interval)));
    DialogSetup setup;
    const auto dialog = setup.open(doc, frames - 1);
    const bench::BusyCore busy;
    std::vector<double> errors;
    for (auto _ : state) {
        const auto onFlip = [&dialog](std::function<void()> stamp) {
            return QObject::connect(&dialog->preview()->surface(), &preview::QtDrawingSurface::flipped, stamp);
        };
        const auto start = [&dialog] { dialog->setParameters(*effects::parseEffectText("chase")); };
        if (!bench::measureTicks(frames + 1, interval, onFlip, start, errors)) {
            state.SkipWithError("the preview did not tick as often as it has frames");
            break;
        }
    }
    bench::reportTickErrors(state, errors);
}

} // namespace

BENCHMARK(BM_EffectWithPreview)->DenseRange(0, effects::EffectCount - 1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EffectPreviewTimer)->Arg(100)->Arg(333)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char **argv)
{
    gHome = bench::makeWindowHome("effects");
    benchmark::Initialize(&argc, argv);
    {
        QApplication app(argc, argv);
        const model::TDocument largest = bench::largestDocument();
        gLargest = &largest;
        editor::EditorForms forms = bench::openInEditor(gHome, largest);
        forms.MForm->resize(1920, 1080);
        QCoreApplication::processEvents();
        gForm = forms.MForm.get();
        benchmark::RunSpecifiedBenchmarks();
        gForm = nullptr;
    }
    benchmark::Shutdown();
    bench::removeTree(gHome);
    return 0;
}
