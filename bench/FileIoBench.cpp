#include "BenchSupport.h"

#include "editor/GlowFileIO.h"
#include "model/GlowFile.h"

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

struct Fixture {
    std::string dir = bench::makeTempDir("io");
    model::TDocument doc = bench::largestDocument();
    std::vector<std::uint8_t> bytes = model::EncodeGlowFile(doc);
    std::string source = dir + "/largest.pat";
    std::string target = dir + "/saved.pat";
    std::string temp = dir + "/saved.pat.tmp";

    Fixture()
    {
        std::unique_ptr<FILE, int (*)(FILE *)> f(std::fopen(source.c_str(), "wb"), &std::fclose);
        if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size())
            throw std::runtime_error("cannot write the largest document");
    }
    ~Fixture() { bench::removeTree(dir); }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

QString qpath(const std::string &s) { return QFile::decodeName(s.c_str()); }

void check(bool ok, const char *what)
{
    if (!ok)
        throw std::runtime_error(what);
}

std::unique_ptr<std::uint8_t[]> readInOneCall(const std::string &path, std::size_t &size)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    check(fd >= 0, "open");
    struct stat st {};
    check(::fstat(fd, &st) == 0, "fstat");
    size = std::size_t(st.st_size);
    std::unique_ptr<std::uint8_t[]> buffer(new std::uint8_t[size]);
    check(::read(fd, buffer.get(), size) == ssize_t(size), "read");
    ::close(fd);
    return buffer;
}

void writeInOneCallAndRename(const std::vector<std::uint8_t> &bytes, const std::string &temp,
                             const std::string &target, bool sync)
{
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    check(fd >= 0, "open");
    check(::write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size()), "write");
    if (sync)
        check(::fsync(fd) == 0, "fsync");
    check(::close(fd) == 0, "close");
    check(::rename(temp.c_str(), target.c_str()) == 0, "rename");
}

std::vector<std::uint8_t> readBytePerCall(const std::string &path, std::size_t expected)
{
    std::vector<std::uint8_t> out;
    out.reserve(expected);
    const int fd = ::open(path.c_str(), O_RDONLY);
    check(fd >= 0, "open");
    std::uint8_t b;
    while (::read(fd, &b, 1) == 1)
        out.push_back(b);
    ::close(fd);
    return out;
}

void writeBytePerCall(const std::vector<std::uint8_t> &bytes, const std::string &path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    check(fd >= 0, "open");
    for (std::uint8_t b : bytes)
        check(::write(fd, &b, 1) == 1, "write");
    check(::close(fd) == 0, "close");
}

void BM_FileRead(benchmark::State &state)
{
    Fixture &f = fixture();
    const QString source = qpath(f.source);
    model::TDocument doc;
    bench::PathAndFloor timing;
    for (auto _ : state) {
        // Into a loaded document, as opening a second file does: the old one is released too.
        timing.project([&] { check(editor::ReadGlowFile(doc, source), "ReadGlowFile"); });
        timing.floor([&] {
            std::size_t size = 0;
            auto buffer = readInOneCall(f.source, size);
            benchmark::DoNotOptimize(buffer.get());
        });
    }
    check(doc.Glowshows.size() == 255 && doc.Glowshows.back().Frames.size() == 255, "document read");
    state.counters["file_bytes"] = double(f.bytes.size());
    timing.report(state, "ratio");
}

void BM_FileWrite(benchmark::State &state)
{
    Fixture &f = fixture();
    const QString target = qpath(f.target);
    bench::PathAndFloor timing;
    std::vector<double> synced;
    for (auto _ : state) {
        timing.project([&] { editor::WriteGlowFile(f.doc, target); });
        timing.floor([&] { writeInOneCallAndRename(f.bytes, f.temp, f.target, false); });
        const auto start = std::chrono::steady_clock::now();
        writeInOneCallAndRename(f.bytes, f.temp, f.target, true);
        synced.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    editor::WriteGlowFile(f.doc, target);
    std::size_t size = 0;
    auto written = readInOneCall(f.target, size);
    check(size == f.bytes.size() && std::equal(f.bytes.begin(), f.bytes.end(), written.get()), "saved bytes");
    timing.report(state, "ratio");
    // The safe save flushes to disk; this is the one-call floor with the same fsync.
    const double p = state.counters["project_ms"];
    const double s = bench::median(synced) * 1e3;
    state.counters["floor_fsync_ms"] = s;
    state.counters["ratio_vs_fsync_floor"] = p / s;
}

void BM_PerByteIo(benchmark::State &state)
{
    Fixture &f = fixture();
    const QString source = qpath(f.source);
    const QString target = qpath(f.target);
    model::TDocument doc;
    bench::PathAndFloor timing;
    for (auto _ : state) {
        timing.project([&] {
            check(editor::ReadGlowFile(doc, source), "ReadGlowFile");
            editor::WriteGlowFile(doc, target);
        });
        timing.floor([&] {
            const auto bytes = readBytePerCall(f.source, f.bytes.size());
            check(bytes.size() == f.bytes.size(), "per-byte read");
            writeBytePerCall(bytes, f.target);
        });
    }
    timing.report(state, "times_faster", true);
}

} // namespace

BENCHMARK(BM_FileRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FileWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PerByteIo)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

BENCHMARK_MAIN();
