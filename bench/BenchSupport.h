#pragma once

#include "model/Document.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <string>
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

double median(std::vector<double> values);

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
