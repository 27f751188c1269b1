#include "BenchSupport.h"
#include "WindowBench.h"

#include "editor/Clipboard.h"
#include "editor/EditPage.h"
#include "editor/GlowFileIO.h"
#include "editor/GridWidgets.h"
#include "editor/PreviewPage.h"
#include "editor/Startup.h"
#include "editor/TimelineCommands.h"
#include "model/Clip.h"
#include "model/GlowFile.h"
#include "preview/QtDrawingSurface.h"
#include "tests/support/NamedChild.h"

#include <QApplication>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QHeaderView>
#include <QLayout>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <functional>
#include <thread>

namespace {

editor::TMForm *gForm = nullptr;

// The main window's control or action of that object name; a bench without it cannot run.
template <class T> T *namedChild(const char *name)
{
    QString problem;
    T *found = testing_support::findNamedChild<T>(*gForm, QString::fromLatin1(name), problem);
    if (!found)
        qFatal("%s", qPrintable(problem));
    return found;
}
const model::TDocument *gLargest = nullptr;

// Shows the largest document's first glowshow, as after opening the file.
void loadLargest()
{
    gForm->execute("ASaveActiv");
    gForm->document().replace(*gLargest);
    QCoreApplication::processEvents();
}

// The same 1,530 cells, filled with nothing but QPainter::fillRect.
class CellFillWidget : public QWidget {
public:
    CellFillWidget(QPoint origin, const model::TGlowshow &g) : mOrigin(origin), mGlowshow(g) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        for (int c = 0; c < model::MaxCount; ++c)
            for (int r = 0; r < editor::ElementRows; ++r) {
                const model::TFrameEntry &e = mGlowshow.Frames[std::size_t(c)].Entries[std::size_t(r)];
                const std::uint32_t s = model::ScreenColor(e.Red, e.Green, e.Blue);
                p.fillRect(QRect(mOrigin.x() + c * editor::GridColumnWidth, mOrigin.y() + r * editor::GridRowHeight,
                                 editor::GridColumnWidth, editor::GridRowHeight),
                           QColor(int(s & 0xFF), int((s >> 8) & 0xFF), int((s >> 16) & 0xFF)));
            }
    }

private:
    QPoint mOrigin;
    const model::TGlowshow &mGlowshow;
};

bool allColumnsShown(editor::EditGridView *grid)
{
    QHeaderView *h = grid->horizontalHeader();
    return h->count() == model::MaxCount &&
           h->sectionViewportPosition(model::MaxCount - 1) + h->sectionSize(model::MaxCount - 1) <=
               grid->viewport()->width() &&
           grid->verticalHeader()->sectionViewportPosition(editor::ElementRows - 1) + editor::GridRowHeight <=
               grid->viewport()->height();
}

void BM_GridPaint(benchmark::State &state)
{
    loadLargest();
    namedChild<QTabWidget>("PageControl1")->setCurrentWidget(namedChild<QWidget>("Tab2"));
    // Argument 1: the window maximised on a 1920 x 1080 screen, with the device view beside.
    const QSize windowSize = gForm->size();
    if (state.range(0) == 1)
        gForm->resize(1920, 1080);
    QCoreApplication::processEvents();
    editor::EditGridView *grid = namedChild<editor::EditGridView>("EditGrid");
    state.counters["visible_columns"] = grid->viewport()->width() / editor::GridColumnWidth;
    // The grid alone is widened for as long as it is painted here, and the window's layout
    // puts it back afterwards.
    const QSize placed = grid->size();
    for (int attempt = 0; attempt < 4 && !allColumnsShown(grid); ++attempt) {
        const int missing = model::MaxCount * editor::GridColumnWidth - grid->viewport()->width();
        grid->resize(grid->width() + std::max(missing, 0) + 8, grid->height());
    }
    if (!allColumnsShown(grid)) {
        state.SkipWithError("EditGrid does not show all 255 columns");
        return;
    }
    // Argument 2: a range over every cell is washed, as after selecting them all.
    const bool ranged = state.range(0) == 2;
    if (ranged) {
        grid->setCurrentIndex(grid->model()->index(0, 0));
        grid->extendRange(QPoint(model::MaxCount - 1, editor::ElementRows - 1));
        grid->scrollToTop();
        grid->horizontalScrollBar()->setValue(0);
    }
    // The cells are the viewport: that is what a repaint after an edit or a scroll covers.
    // The frame and the scroll bar, stretched to 9,190 px here, are timed apart.
    QWidget *cells = grid->viewport();
    CellFillWidget floorWidget(QPoint(0, 0), gForm->Document.Glowshows[0]);
    floorWidget.resize(cells->size());
    QPixmap projectPixmap(cells->size());
    QPixmap floorPixmap(cells->size());
    QPixmap wholePixmap(grid->size());
    bench::PathAndFloor timing;
    std::vector<double> wholeSeconds;
    for (auto _ : state) {
        timing.project([&] { cells->render(&projectPixmap); });
        timing.floor([&] { floorWidget.render(&floorPixmap); });
        const auto start = std::chrono::steady_clock::now();
        grid->render(&wholePixmap);
        wholeSeconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    // The last cell must really be painted with its entry's colour.
    const QImage image = projectPixmap.toImage();
    const QPoint centre = grid->visualRect(grid->model()->index(editor::ElementRows - 1, model::MaxCount - 1)).center();
    const model::TFrameEntry &e = gForm->Document.Glowshows[0].Frames.back().Entries.back();
    const std::uint32_t s = model::ScreenColor(e.Red, e.Green, e.Blue);
    const QColor entryColour(int(s & 0xFF), int((s >> 8) & 0xFF), int((s >> 16) & 0xFF));
    state.counters["last_cell_painted"] =
        image.pixel(centre) ==
        (ranged ? editor::washed(entryColour, grid->palette().color(QPalette::Highlight)) : entryColour).rgb();
    state.counters["width_px"] = cells->width();
    state.counters["height_px"] = cells->height();
    state.counters["with_frame_and_scroll_bar_ms"] = bench::median(wholeSeconds) * 1e3;
    timing.report(state, "ratio");
    grid->selectionModel()->clear();
    grid->resize(placed);
    if (QLayout *layout = grid->parentWidget()->layout())
        layout->invalidate();
    gForm->resize(windowSize);
    QCoreApplication::processEvents();
}

// A timeline command over all 255 columns and six rows of the largest document's first
// glowshow, through its action, with the repaint it causes; beside it a full repaint of the
// main window. Argument: 0 paste, 1 fade, 2 delete.
void BM_TimelineCommand(benchmark::State &state)
{
    loadLargest();
    namedChild<QTabWidget>("PageControl1")->setCurrentWidget(namedChild<QWidget>("Tab2"));
    QCoreApplication::processEvents();
    editor::TimelineCommands *timeline = gForm->Timeline;
    QAction *command = state.range(0) == 0   ? timeline->APaste
                       : state.range(0) == 1 ? timeline->AFadeRange
                                             : timeline->ADeleteFrames;
    model::Clip clip = model::copyClip(gLargest->Glowshows[0], {0, model::MaxCount - 1, 1, 6});
    for (model::CellValue &cell : clip.cells)
        cell.colour.Red = std::uint8_t(15 - cell.colour.Red); // differs from every cell it lands on
    QApplication::clipboard()->setMimeData(editor::clipMimeData(clip));
    // The first frame black, so that the fade changes every frame between.
    model::TGlowshow start = gLargest->Glowshows[0];
    for (model::TFrameEntry &e : start.Frames[0].Entries)
        e.Red = e.Green = e.Blue = 0;
    QPixmap window(gForm->size());
    bench::PathAndFloor timing;
    int columnsAfter = -1;
    for (auto _ : state) {
        state.PauseTiming();
        gForm->Document.Glowshows[0] = start;
        gForm->execute("AUpdateGlowshow");
        editor::EditGridView *grid = namedChild<editor::EditGridView>("EditGrid");
        grid->setCurrentIndex(grid->model()->index(0, 0));
        grid->extendRange(QPoint(model::MaxCount - 1, editor::ElementRows - 1));
        timeline->updateActions();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        timing.project([&] {
            command->trigger();
            QCoreApplication::processEvents();
        });
        timing.floor([&] { gForm->render(&window); });
        columnsAfter = model::columnCount(gForm->Document.Glowshows[0]);
    }
    state.counters["columns_after"] = columnsAfter;
    state.counters["changed"] = !(gForm->Document.Glowshows[0] == start);
    timing.report(state, "ratio");
    loadLargest();
}

QStringList lines(QListWidget *w)
{
    QStringList out;
    for (int i = 0; i < w->count(); ++i)
        out << w->item(i)->text();
    return out;
}

void BM_ListRebuild(benchmark::State &state)
{
    loadLargest();
    auto *listBox1 = namedChild<QListWidget>("ListBox1");
    auto *listBox2 = namedChild<QListWidget>("ListBox2");
    auto *comboBox4 = namedChild<QComboBox>("ComboBox4");
    const QStringList list1 = lines(listBox1);
    const QStringList list2 = lines(listBox2);
    QStringList combo;
    for (int i = 0; i < comboBox4->count(); ++i)
        combo << comboBox4->itemText(i);
    if (list1.size() != 255 || list2.size() != 255 || combo.size() != 23) {
        state.SkipWithError("the lists do not hold 255 + 255 + 23 lines");
        return;
    }
    bench::PathAndFloor timing;
    for (auto _ : state) {
        timing.project([&] { gForm->execute("AUpdateList"); });
        timing.floor([&] {
            const QSignalBlocker b1(listBox1), b2(listBox2), b4(comboBox4);
            listBox1->clear();
            listBox2->clear();
            comboBox4->clear();
            for (const QString &s : list1)
                listBox1->addItem(s);
            for (const QString &s : list2)
                listBox2->addItem(s);
            for (const QString &s : combo)
                comboBox4->addItem(s);
        });
    }
    gForm->execute("AUpdateList");
    timing.report(state, "ratio");
}

void BM_PreviewTick(benchmark::State &state)
{
    loadLargest();
    const profiles::TProfile &p = gForm->CurrentProfile;
    int circles = 0, shown = 0;
    for (int n = 1; n <= profiles::ElementCount; ++n) {
        if (!p.ElementAvailable[n] || p.ElementColors[n] != profiles::FullColour)
            continue;
        ++shown;
        for (int j = 0; j < p.ShapeCounts[n] && j < int(p.Shapes[n].size()); ++j)
            circles += p.Shapes[n][std::size_t(j)].Shape == "Circle";
    }
    if (shown != 6 || circles == 0) {
        state.SkipWithError("the profile does not show six full-colour elements with circles");
        return;
    }
    int flips = 0;
    const auto connection =
        QObject::connect(&gForm->previewSurface(), &preview::QtDrawingSurface::flipped, [&flips] { ++flips; });
    namedChild<editor::PreviewPage>("Tab3")->Button15Click();
    int drawn = 0;
    std::vector<double> ticks;
    for (auto _ : state) {
        if (drawn == model::MaxCount) {
            state.PauseTiming();
            emit gForm->previewSurface().tick(); // past the last frame: stops
            namedChild<editor::PreviewPage>("Tab3")->Button15Click();
            drawn = 0;
            state.ResumeTiming();
        }
        const auto start = std::chrono::steady_clock::now();
        emit gForm->previewSurface().tick();
        ticks.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        ++drawn;
    }
    QObject::disconnect(connection);
    namedChild<editor::PreviewPage>("Tab3")->Button15Click(); // stop
    const double tick = bench::median(ticks);
    state.counters["tick_us"] = tick * 1e6;
    state.counters["percent_of_100ms"] = tick / 0.1 * 100;
    state.counters["circles"] = circles;
    state.counters["frames_drawn_ok"] = double(flips) / double(ticks.size());
}

// The device view redrawn after a colour change, against one preview tick of the same
// document measured alternately: both draw one whole frame of the same skin.
void BM_LiveViewRedraw(benchmark::State &state)
{
    loadLargest();
    namedChild<QTabWidget>("PageControl1")->setCurrentWidget(namedChild<QWidget>("Tab2"));
    QCoreApplication::processEvents();
    // The last column: the view also works out the on/off state of all frames before it.
    auto *grid = namedChild<editor::EditGridView>("EditGrid");
    grid->setCurrentIndex(grid->model()->index(0, model::MaxCount - 1));
    QCoreApplication::processEvents();
    model::TFrameEntry &edited = gForm->Document.Glowshows[0].Frames.back().Entries[0];
    int flips = 0;
    const auto connection =
        QObject::connect(&gForm->liveSurface(), &preview::QtDrawingSurface::flipped, [&flips] { ++flips; });
    namedChild<editor::PreviewPage>("Tab3")->Button15Click();
    int drawn = 0;
    bench::PathAndFloor timing;
    for (auto _ : state) {
        if (drawn == model::MaxCount) {
            emit gForm->previewSurface().tick(); // past the last frame: stops
            namedChild<editor::PreviewPage>("Tab3")->Button15Click();
            drawn = 0;
        }
        timing.project([&] {
            edited.Red = std::uint8_t((edited.Red + 1) & 0x0F);
            namedChild<editor::EditPage>("Tab2")->updateLiveView();
        });
        timing.floor([&] { emit gForm->previewSurface().tick(); });
        ++drawn;
    }
    QObject::disconnect(connection);
    namedChild<editor::PreviewPage>("Tab3")->Button15Click(); // stop
    state.counters["redraws_ok"] = double(flips) / double(state.iterations());
    timing.report(state, "ratio");
}

void BM_TimerAccuracy(benchmark::State &state)
{
    const int interval = int(state.range(0));
    const int frames = 12;
    gForm->execute("ASaveActiv");
    gForm->document().replace(bench::playbackDocument(std::vector<std::uint16_t>(frames, std::uint16_t(interval))));
    const bench::BusyCore busy;
    std::vector<double> errors;
    for (auto _ : state) {
        // frames ticks draw the frames, one more ends the glowshow.
        const auto onTick = [](std::function<void()> stamp) {
            return QObject::connect(&gForm->previewSurface(), &preview::QtDrawingSurface::tick, stamp);
        };
        const auto start = [] { namedChild<editor::PreviewPage>("Tab3")->Button15Click(); };
        if (!bench::measureTicks(frames + 1, interval, onTick, start, errors)) {
            state.SkipWithError("the preview did not tick as often as it has frames");
            break;
        }
    }
    bench::reportTickErrors(state, errors);
}

// The heaviest single steps, undone and redone through the Edit menu's actions with the refresh
// they cause, against one full repaint of the main window.
void BM_UndoHeaviestStep(benchmark::State &state)
{
    loadLargest();
    namedChild<QTabWidget>("PageControl1")->setCurrentWidget(namedChild<QWidget>("Tab2"));
    gForm->history().reset();
    QCoreApplication::processEvents();
    struct Step {
        const char *name;
        QAction *action;
        std::function<void()> prepare;
        std::vector<double> undo, redo;
    };
    std::vector<Step> steps;
    steps.push_back({"delete_glowshow", namedChild<QAction>("ADelGlow"), [] {}, {}, {}});
    steps.push_back({"element_over_255_frames",
                     namedChild<QAction>("ADelAllFrames"),
                     [] {
                         auto *slotGrid = namedChild<QTableWidget>("SlotGrid");
                         slotGrid->setCurrentCell(-1, -1);
                         slotGrid->setCurrentCell(0, 0);
                     },
                     {},
                     {}});
    QAction *undo = namedChild<QAction>("AUndo");
    QAction *redo = namedChild<QAction>("ARedo");
    QPixmap window(gForm->size());
    std::vector<double> repaint;
    auto seconds = [](const auto &f) {
        const auto start = std::chrono::steady_clock::now();
        f();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    for (auto _ : state) {
        for (Step &step : steps) {
            state.PauseTiming();
            step.prepare();
            gForm->execute(step.action);
            state.ResumeTiming();
            step.undo.push_back(seconds([&] { gForm->execute(undo); }));
            step.redo.push_back(seconds([&] { gForm->execute(redo); }));
            state.PauseTiming();
            gForm->execute(undo);
            state.ResumeTiming();
        }
        repaint.push_back(seconds([&] { gForm->render(&window); }));
    }
    // Each step was undone last: the document is whole again and the step waits to be redone.
    if (gForm->Document.Glowshows.size() != 255 || !gForm->history().stack().canRedo()) {
        state.SkipWithError("the steps did not run");
        return;
    }
    const double floor = bench::median(repaint);
    state.counters["window_repaint_ms"] = floor * 1e3;
    for (const Step &step : steps) {
        state.counters[std::string(step.name) + "_undo_ratio"] = bench::median(step.undo) / floor;
        state.counters[std::string(step.name) + "_redo_ratio"] = bench::median(step.redo) / floor;
    }
    gForm->history().reset();
}

} // namespace

BENCHMARK(BM_GridPaint)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LiveViewRedraw)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_TimelineCommand)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ListRebuild)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_UndoHeaviestStep)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_PreviewTick)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_TimerAccuracy)->Arg(100)->Arg(333)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char **argv)
{
    const std::string home = bench::makeWindowHome("gui");
    benchmark::Initialize(&argc, argv);
    int exitCode = 0;
    {
        QApplication app(argc, argv);
        const model::TDocument largest = bench::largestDocument();
        gLargest = &largest;
        editor::EditorForms forms = bench::openInEditor(home, largest);
        gForm = forms.MForm.get();
        if (!gForm->document().isLoaded() || gForm->Document.Glowshows.size() != 255) {
            std::fprintf(stderr, "the editor did not open the largest document\n");
            exitCode = 1;
        } else {
            benchmark::RunSpecifiedBenchmarks();
        }
        gForm = nullptr;
    }
    benchmark::Shutdown();
    bench::removeTree(home);
    return exitCode;
}
