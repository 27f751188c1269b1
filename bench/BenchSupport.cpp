#include "BenchSupport.h"

#include <cmath>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace bench {

namespace {

model::TGlowshow normalGlowshow(std::uint8_t id, const std::vector<std::uint16_t> &durations)
{
    model::TGlowshow g;
    g.Kind = model::KindNormal;
    g.Id = id;
    g.FrameCount = std::uint8_t(durations.size());
    g.Frames.resize(durations.size());
    for (std::size_t f = 0; f < durations.size(); ++f) {
        model::TFrame &frame = g.Frames[f];
        frame.Duration = durations[f];
        frame.EntryCount = 6;
        frame.Entries.resize(6);
        for (int e = 0; e < 6; ++e) {
            const auto v = std::uint8_t((f + std::size_t(e) * 3 + id) % 16);
            frame.Entries[std::size_t(e)] = {std::uint8_t(e + 1), v, std::uint8_t(15 - v), std::uint8_t((v + 5) % 16)};
        }
    }
    return g;
}

} // namespace

model::TDocument largestDocument()
{
    model::TDocument doc;
    const std::vector<std::uint16_t> durations(model::MaxCount, 100);
    for (int i = 0; i < model::MaxCount; ++i) {
        model::TGlowshow g = normalGlowshow(std::uint8_t(i + 1), durations);
        g.Repeating = 1;
        g.RepeatDuration = 1000;
        doc.Glowshows.push_back(std::move(g));
    }
    doc.GlowFile.GlowshowCount = model::MaxCount;
    doc.HasTrailer = 1;
    doc.TrailerText1.assign(255, 'A');
    doc.TrailerText2.assign(255, 'z');
    return doc;
}

model::TDocument playbackDocument(const std::vector<std::uint16_t> &durations)
{
    model::TDocument doc;
    doc.Glowshows.push_back(normalGlowshow(1, durations));
    doc.GlowFile.GlowshowCount = 1;
    return doc;
}

std::string makeTempDir(const char *tag)
{
    std::string pattern =
        (std::filesystem::temp_directory_path() / (std::string("glowbench-") + tag + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    return pattern;
}

std::string makeWindowHome(const char *tag)
{
    const std::string home = makeTempDir(tag);
    for (const char *sub : {"config", "data", "cache", "runtime"})
        std::filesystem::create_directories(home + "/" + sub);
    std::filesystem::permissions(home + "/runtime", std::filesystem::perms::owner_all);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    setenv("XDG_CACHE_HOME", (home + "/cache").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (home + "/runtime").c_str(), 1);
    return home;
}

BusyCore::BusyCore()
    : mSpinner([this] {
          volatile std::uint64_t x = 0;
          while (mBusy.load(std::memory_order_relaxed))
              x = x + 1;
      })
{
}

BusyCore::~BusyCore()
{
    mBusy = false;
    mSpinner.join();
}

void reportTickErrors(benchmark::State &state, const std::vector<double> &errors, const std::string &prefix)
{
    std::vector<double> absolute;
    for (double e : errors)
        absolute.push_back(std::fabs(e));
    state.counters[prefix + "median_error_ms"] = median(errors);
    state.counters[prefix + "median_abs_error_ms"] = median(absolute);
    state.counters[prefix + "max_abs_error_ms"] =
        absolute.empty() ? 0 : *std::max_element(absolute.begin(), absolute.end());
    state.counters[prefix + "intervals"] = double(errors.size());
}

void removeTree(const std::string &path)
{
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void PathAndFloor::report(benchmark::State &state, const char *ratioName, bool invert) const
{
    const double p = median(mProject);
    const double f = median(mFloor);
    state.counters["project_ms"] = p * 1e3;
    state.counters["floor_ms"] = f * 1e3;
    if (p > 0 && f > 0)
        state.counters[ratioName] = invert ? f / p : p / f;
}

} // namespace bench
