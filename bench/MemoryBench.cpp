#include "BenchSupport.h"

#include "editor/EditHistory.h"
#include "editor/GlowFileIO.h"
#include "model/GlowFile.h"

#include <QFile>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <stdexcept>

// Every C++ allocation of the process goes through these, so the heap the document costs can
// be read off exactly. Sizes are malloc's usable sizes: what the allocator really hands out.
namespace {

std::size_t gCurrent = 0;
std::size_t gPeak = 0;
std::size_t gRequested = 0;
std::size_t gRequestedPeak = 0;

void *allocate(std::size_t size)
{
    void *p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    gCurrent += malloc_usable_size(p);
    gRequested += size;
    if (gCurrent > gPeak)
        gPeak = gCurrent;
    if (gRequested > gRequestedPeak)
        gRequestedPeak = gRequested;
    return p;
}

void release(void *p, std::size_t requested)
{
    if (!p)
        return;
    gCurrent -= malloc_usable_size(p);
    gRequested -= requested;
    std::free(p);
}

} // namespace

void *operator new(std::size_t size) { return allocate(size); }
void *operator new[](std::size_t size) { return allocate(size); }
void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void *operator new[](std::size_t size, const std::nothrow_t &t) noexcept { return operator new(size, t); }
// The unsized forms cannot tell the requested size; they only occur where the sized ones are
// not used (none in our code), and then count the usable size as requested.
void operator delete(void *p) noexcept { release(p, p ? malloc_usable_size(p) : 0); }
void operator delete[](void *p) noexcept { release(p, p ? malloc_usable_size(p) : 0); }
void operator delete(void *p, std::size_t size) noexcept { release(p, size); }
void operator delete[](void *p, std::size_t size) noexcept { release(p, size); }
void operator delete(void *p, const std::nothrow_t &) noexcept { operator delete(p); }
void operator delete[](void *p, const std::nothrow_t &) noexcept { operator delete(p); }

namespace {

void BM_PeakHeapOfLargestDocument(benchmark::State &state)
{
    const std::string dir = bench::makeTempDir("memory");
    const std::string path = dir + "/largest.pat";
    std::size_t fileSize = 0;
    {
        model::TDocument doc = bench::largestDocument();
        const std::vector<std::uint8_t> bytes = model::EncodeGlowFile(doc);
        fileSize = bytes.size();
        FILE *f = std::fopen(path.c_str(), "wb");
        if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0)
            throw std::runtime_error("cannot write the largest document");
    }
    const QString name = QFile::decodeName(path.c_str());
    std::size_t peak = 0, requestedPeak = 0, held = 0;
    for (auto _ : state) {
        auto *doc = new model::TDocument;
        const std::size_t base = gCurrent;
        const std::size_t requestedBase = gRequested;
        gPeak = gCurrent;
        gRequestedPeak = gRequested;
        if (!editor::ReadGlowFile(*doc, name) || doc->Glowshows.size() != 255)
            throw std::runtime_error("document not read");
        peak = gPeak - base;
        requestedPeak = gRequestedPeak - requestedBase;
        held = gCurrent - base;
        delete doc;
    }
    bench::removeTree(dir);
    state.counters["file_bytes"] = double(fileSize);
    state.counters["peak_heap_bytes"] = double(peak);
    state.counters["peak_requested_bytes"] = double(requestedPeak);
    state.counters["held_after_read_bytes"] = double(held);
    state.counters["peak_per_file_byte"] = double(peak) / double(fileSize);
}

// What the undo history holds after 1,000 colour edits of different cells on the largest document.
void BM_UndoHistoryOfColourEdits(benchmark::State &state)
{
    model::TDocument doc = bench::largestDocument();
    std::size_t held = 0;
    for (auto _ : state) {
        auto *history = new editor::EditHistory(doc);
        const std::size_t base = gCurrent;
        for (int i = 0; i < 1000; ++i)
            history->push(model::SetCellColour{i % 255, (i / 255) * 40 + i % 40, std::uint8_t(1 + i % 6),
                                               {std::uint8_t(i % 16), 1, 2}},
                          QStringLiteral("Colour"));
        held = gCurrent - base;
        if (history->stack().count() != 1000)
            throw std::runtime_error("edits merged or lost");
        delete history;
    }
    state.counters["history_bytes"] = double(held);
    state.counters["bytes_per_edit"] = double(held) / 1000;
    state.counters["limit_bytes"] = 1 << 20;
}

} // namespace

BENCHMARK(BM_UndoHistoryOfColourEdits)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PeakHeapOfLargestDocument)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
