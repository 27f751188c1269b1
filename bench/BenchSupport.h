#pragma once

#include "model/Document.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace bench {

// 255 normal glowshows of 255 frames with all six elements lit, every one repeating, and a
// trailer of two 255-character texts: the largest document the format can hold.
model::TDocument largestDocument();

// One normal glowshow whose frames last the given durations, all six elements lit.
model::TDocument playbackDocument(const std::vector<std::uint16_t> &durations);

// A fresh folder under the system's temporary folder; removed by removeTree.
std::string makeTempDir(const char *tag);
void removeTree(const std::string &path);

// A temporary HOME with XDG folders of its own, and the offscreen platform, set in the
// environment for the windows a benchmark opens; removed by removeTree.
std::string makeWindowHome(const char *tag);

double median(std::vector<double> values);

// Keeps another core busy while it lives, as a loaded machine would.
class BusyCore {
public:
    BusyCore();
    ~BusyCore();

private:
    std::atomic<bool> mBusy{true};
    std::thread mSpinner;
};

// Tick errors (actual minus intended interval, ms) as the counters median_error_ms,
// median_abs_error_ms, max_abs_error_ms and intervals, each name after `prefix`.
void reportTickErrors(benchmark::State &state, const std::vector<double> &errors, const std::string &prefix = {});

// Times the project's path and its floor alternately within one benchmark, so that both see
// the same load, and reports both medians and their ratio as counters.
class PathAndFloor {
public:
    template <typename F> void project(F &&f) { mProject.push_back(timeOf(f)); }
    template <typename F> void floor(F &&f) { mFloor.push_back(timeOf(f)); }
    // ratio = project / floor unless invert, then floor / project ("times faster").
    void report(benchmark::State &state, const char *ratioName, bool invert = false) const;

private:
    template <typename F> static double timeOf(F &f)
    {
        const auto start = std::chrono::steady_clock::now();
        f();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    std::vector<double> mProject;
    std::vector<double> mFloor;
};

} // namespace bench
