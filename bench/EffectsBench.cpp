// Effects over a whole glowshow (255 frames by 6 elements) with the dialog's preview repainted,
// against one full repaint of the grid in the same run; and the preview's timer accuracy.
#include "BenchSupport.h"
#include "WindowBench.h"

#include "editor/EditorTexts.h"
#include "editor/EffectPreview.h"
#include "editor/EffectsDialog.h"
#include "editor/PreviewPage.h"
#include "editor/Unit1.h"
#include "effects/EffectText.h"
#include "preview/BitmapPictureSink.h"
#include "preview/DXDraw.h"
#include "preview/Playback.h"
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

#include <algorithm>
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

// The main window at its designed size (the grid about 120 px high), or maximised on a
// 1920 × 1080 screen, where the grid takes the height and its repaint costs several times more.
class WindowSize {
public:
    explicit WindowSize(bool maximised) : mPlaced(gForm->size())
    {
        if (maximised)
            gForm->resize(1920, 1080);
        QCoreApplication::processEvents();
    }
    ~WindowSize()
    {
        gForm->resize(mPlaced);
        QCoreApplication::processEvents();
    }

private:
    QSize mPlaced;
};

// The floor: EditGrid's cells rendered with all 255 columns of the largest glowshow in view,
// the grid widened for it as the grid benchmark does, and put back afterwards.
class GridFloor {
public:
    GridFloor() : mGrid(gForm->findChild<QAbstractItemView *>(QStringLiteral("EditGrid")))
    {
        if (!shows())
            return;
        mPlaced = mGrid->size();
        mGrid->resize(model::MaxCount * 36 + 64, mGrid->height());
        mPixmap = QPixmap(mGrid->viewport()->size());
    }
    ~GridFloor()
    {
        if (shows())
            mGrid->resize(mPlaced);
    }
    bool shows() const { return mGrid && mGrid->model() && mGrid->model()->columnCount() == model::MaxCount; }
    void render() { mGrid->viewport()->render(&mPixmap); }
    QSize size() const { return mGrid->viewport()->size(); }

private:
    QAbstractItemView *mGrid;
    QSize mPlaced;
    QPixmap mPixmap;
};

// Arguments: the effect, and the window maximised (1) or not (0). Project: a changed parameter
// (the seed, which every effect works out again with) with the effect over all 255 × 6 cells of
// the dialog's copy, and the preview repainted. Floor: EditGrid's cells repainted with all 255
// columns of the same glowshow in view, the grid widened for it as the grid benchmark does.
void BM_EffectWithPreview(benchmark::State &state)
{
    const WindowSize window(state.range(1) == 1);
    DialogSetup setup;
    const auto dialog = setup.open(*gLargest, model::MaxCount - 1);
    effects::EffectParameters p = *effects::parseEffectText("gradient colours=#F00,#0F0,#00F blend=hsv");
    p.effect = effects::Effect(state.range(0));
    dialog->setParameters(p);
    auto *seed = dialog->findChild<QSpinBox *>(QStringLiteral("EffectSeed"));
    GridFloor grid;
    if (!seed || !grid.shows()) {
        state.SkipWithError("EditGrid does not show the largest glowshow");
        return;
    }
    QPixmap previewPixmap(dialog->preview()->size());
    bench::PathAndFloor timing;
    for (auto _ : state) {
        timing.project([&] {
            seed->setValue(seed->value() == 1 ? 2 : 1);
            dialog->preview()->render(&previewPixmap);
        });
        timing.floor([&] { grid.render(); });
    }
    state.SetLabel(effects::effectName(p.effect));
    state.counters["grid_width_px"] = grid.size().width();
    state.counters["grid_height_px"] = grid.size().height();
    if (const auto *device = dialog->findChild<preview::DXDraw *>(QStringLiteral("EffectDevice")))
        state.counters["device_picture_width_px"] = device->pictureRect().width();
    timing.report(state, "ratio");
}

// The parts of the path above, each against the same floor. Argument: 0 the effect's cells
// alone (gradient, three stops, hsv), 1 the effect worked into the dialog's copy (cells and
// splice), 2 the device picture of one frame drawn, 3 the preview rendered with nothing changed.
void BM_EffectPreviewParts(benchmark::State &state)
{
    DialogSetup setup;
    const auto dialog = setup.open(*gLargest, model::MaxCount - 1);
    const effects::EffectParameters p = *effects::parseEffectText("gradient colours=#F00,#0F0,#00F blend=hsv");
    dialog->setParameters(p);
    GridFloor grid;
    if (!grid.shows()) {
        state.SkipWithError("EditGrid does not show the largest glowshow");
        return;
    }
    QPixmap previewPixmap(dialog->preview()->size());
    const effects::EffectTarget target = dialog->target();
    effects::EffectRange range{{}, target.elements, target.onOff};
    for (const model::TFrame &frame : gLargest->Glowshows[0].Frames)
        range.durations.push_back(frame.Duration);
    model::TDocument scratch = *gLargest;
    scratch.Glowshows.resize(1);
    const model::TGlowshow shown = dialog->preview()->shownGlowshow();
    bench::PathAndFloor timing;
    for (auto _ : state) {
        timing.project([&] {
            switch (state.range(0)) {
            case 0:
                benchmark::DoNotOptimize(effects::computeEffect(p, range));
                break;
            case 1:
                scratch.Glowshows[0] = gLargest->Glowshows[0];
                if (auto edit = effects::effectEdit(scratch, target, p))
                    edit->apply(scratch);
                break;
            case 2:
                preview::drawGlowshowFrame(dialog->preview()->surface(), setup.profile, shown, std::size_t(0));
                break;
            default:
                dialog->preview()->render(&previewPixmap);
            }
        });
        timing.floor([&] { grid.render(); });
    }
    static const char *const parts[] = {"effect cells", "effect into the copy", "device frame", "preview render"};
    state.SetLabel(parts[std::clamp<std::int64_t>(state.range(0), 0, 3)]);
    timing.report(state, "ratio");
}

// Tick intervals of the frame timers over frames of 100 ms and 333 ms with the other core busy:
// the dialog's preview and playback in the main window run at once in one event loop, so that
// both see the same load, playback starting half a frame earlier so that they never tick
// together. Counters dialog_… and playback_….
void BM_EffectPreviewTimer(benchmark::State &state)
{
    using Clock = std::chrono::steady_clock;
    const int interval = int(state.range(0)), frames = 12;
    const model::TDocument doc = bench::playbackDocument(std::vector<std::uint16_t>(frames, std::uint16_t(interval)));
    DialogSetup setup;
    const auto dialog = setup.open(doc, frames - 1);
    const model::TDocument shown = gForm->Document;
    gForm->Document = doc;
    gForm->Document.CurrentGlowshow = 0;
    gForm->execute("AUpdateList");
    auto *page = gForm->findChild<editor::PreviewPage *>(QStringLiteral("Tab3"));
    const bench::BusyCore busy;
    std::vector<double> dialogErrors, playbackErrors;
    for (auto _ : state) {
        // Playback ticks once for each frame and once more to end the glowshow.
        const std::size_t ticks = frames + 1;
        std::vector<Clock::time_point> dialogStamps, playbackStamps;
        QEventLoop loop;
        const auto stamp = [&](std::vector<Clock::time_point> &stamps) {
            return [&, target = &stamps] {
                if (target->size() < ticks)
                    target->push_back(Clock::now());
                if (dialogStamps.size() == ticks && playbackStamps.size() == ticks)
                    QTimer::singleShot(0, &loop, &QEventLoop::quit);
            };
        };
        const QMetaObject::Connection connections[] = {
            QObject::connect(dialog->preview()->timer(), &QTimer::timeout, stamp(dialogStamps)),
            QObject::connect(gForm->previewSurface().Timer1(), &QTimer::timeout, stamp(playbackStamps))};
        QTimer::singleShot(interval * (frames + 3) + 2000, &loop, &QEventLoop::quit);
        page->Button15Click();
        QTimer::singleShot(interval / 2, dialog.get(),
                           [&dialog] { dialog->setParameters(*effects::parseEffectText("chase")); });
        loop.exec();
        for (const QMetaObject::Connection &c : connections)
            QObject::disconnect(c);
        if (dialogStamps.size() != ticks || playbackStamps.size() != ticks) {
            state.SkipWithError("a preview did not tick as often as it has frames");
            break;
        }
        bench::appendTickErrors(dialogStamps, interval, dialogErrors);
        bench::appendTickErrors(playbackStamps, interval, playbackErrors);
    }
    bench::reportTickErrors(state, dialogErrors, "dialog_");
    bench::reportTickErrors(state, playbackErrors, "playback_");
    gForm->Document = shown;
    gForm->execute("AUpdateList");
}

} // namespace

BENCHMARK(BM_EffectWithPreview)
    ->ArgsProduct({benchmark::CreateDenseRange(0, effects::EffectCount - 1, 1), {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_EffectPreviewParts)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();
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
        QCoreApplication::processEvents();
        gForm = forms.MForm.get();
        benchmark::RunSpecifiedBenchmarks();
        gForm = nullptr;
    }
    benchmark::Shutdown();
    bench::removeTree(gHome);
    return 0;
}
