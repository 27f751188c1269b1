// Effects over a whole glowshow (255 frames by 6 elements) with the dialog's preview repainted,
// against one full repaint of the grid in the same run; and the preview's timer accuracy.
#include "BenchSupport.h"
#include "WindowBench.h"

#include "editor/EditorTexts.h"
#include "editor/EffectPreview.h"
#include "editor/EffectsDialog.h"
#include "editor/Unit1.h"
#include "effects/EffectText.h"
#include "preview/BitmapPictureSink.h"
#include "preview/QtDrawingSurface.h"
#include "profiles/Skin.h"
#include "settings/LanguageFile.h"
#include "settings/SettingsStore.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QPixmap>
#include <QSpinBox>
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
            scope, store, [](std::string_view key) { return editor::editorText(settings::LanguageTexts{}, key); });
        dialog->resize(900, 600);
        dialog->show();
        QCoreApplication::processEvents();
        return dialog;
    }
};

// Argument: the effect. Project: a changed parameter (the seed, which every effect works out
// again with) with the effect over all 255 × 6 cells of the dialog's copy, and the preview
// repainted. Floor: EditGrid's cells repainted with all 255 columns of the same glowshow in
// view, the grid widened for it as the grid benchmark does.
void BM_EffectWithPreview(benchmark::State &state)
{
    DialogSetup setup;
    const auto dialog = setup.open(*gLargest, model::MaxCount - 1);
    effects::EffectParameters p = *effects::parseEffectText("gradient colours=#F00,#0F0,#00F blend=hsv");
    p.effect = effects::Effect(state.range(0));
    dialog->setParameters(p);
    auto *seed = dialog->findChild<QSpinBox *>(QStringLiteral("EffectSeed"));
    auto *grid = gForm->findChild<QAbstractItemView *>(QStringLiteral("EditGrid"));
    if (!grid || !seed || !grid->model() || grid->model()->columnCount() != model::MaxCount) {
        state.SkipWithError("EditGrid does not show the largest glowshow");
        return;
    }
    const QSize placed = grid->size();
    grid->resize(model::MaxCount * 36 + 64, grid->height());
    QPixmap gridPixmap(grid->viewport()->size());
    QPixmap previewPixmap(dialog->preview()->size());
    bench::PathAndFloor timing;
    for (auto _ : state) {
        timing.project([&] {
            seed->setValue(seed->value() == 1 ? 2 : 1);
            dialog->preview()->render(&previewPixmap);
        });
        timing.floor([&] { grid->viewport()->render(&gridPixmap); });
    }
    state.SetLabel(effects::effectName(p.effect));
    state.counters["grid_width_px"] = grid->viewport()->width();
    timing.report(state, "ratio");
    grid->resize(placed);
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
