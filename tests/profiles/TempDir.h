#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir()
    {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        mPath = std::filesystem::temp_directory_path() /
                ("glow-profiles-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(mPath);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(mPath, ec);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    // The folder with a trailing separator, as ProgramDir is given.
    std::string dir() const { return mPath.string() + "/"; }

    void write(const std::string &relative, const std::string &bytes) const
    {
        const auto path = mPath / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    void mkdir(const std::string &relative) const { std::filesystem::create_directories(mPath / relative); }

private:
    std::filesystem::path mPath;
};
