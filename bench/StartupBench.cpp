#include "BenchSupport.h"

#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>

#include <stdexcept>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Homes {
    std::string dir = bench::makeTempDir("startup");
    std::vector<std::string> env;
    Homes()
    {
        for (const char *sub : {"config", "data", "cache", "runtime"})
            std::filesystem::create_directories(dir + "/" + sub);
        std::filesystem::permissions(dir + "/runtime", std::filesystem::perms::owner_all);
        env = {"QT_QPA_PLATFORM=offscreen",
               "GLOWSHOW_QUIT_AFTER_SHOW=1",
               "HOME=" + dir,
               "XDG_CONFIG_HOME=" + dir + "/config",
               "XDG_DATA_HOME=" + dir + "/data",
               "XDG_CACHE_HOME=" + dir + "/cache",
               "XDG_RUNTIME_DIR=" + dir + "/runtime"};
        if (const char *path = std::getenv("PATH"))
            env.push_back(std::string("PATH=") + path);
    }
    ~Homes() { bench::removeTree(dir); }
};

Homes &homes()
{
    static Homes h;
    return h;
}

// Wall time from spawning the process to its exit.
void runToExit(const char *binary)
{
    std::vector<char *> envp;
    for (std::string &e : homes().env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    char *argv[] = {const_cast<char *>(binary), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, binary, nullptr, nullptr, argv, envp.data()) != 0)
        throw std::runtime_error("cannot start the program");
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(std::string(binary) + " did not quit cleanly");
}

void BM_StartUp(benchmark::State &state)
{
    bench::PathAndFloor timing;
    runToExit(GLOW_EDITOR_BINARY); // the first run writes the settings file and warms the cache
    runToExit(GLOW_BARE_BINARY);
    for (auto _ : state) {
        timing.project([] { runToExit(GLOW_EDITOR_BINARY); });
        timing.floor([] { runToExit(GLOW_BARE_BINARY); });
    }
    timing.report(state, "ratio");
}

} // namespace

BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

BENCHMARK_MAIN();
