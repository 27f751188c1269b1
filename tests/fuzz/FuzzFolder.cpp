#include "FuzzFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <unistd.h>

namespace fuzzing {
namespace {

constexpr std::string_view ExtraMark = "\n---- ";
constexpr std::size_t MaxExtras = 8;
constexpr std::size_t MaxNameLength = 40;

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Cuts `text` at the first `mark`: what stands before it is returned, `text` keeps the rest.
std::string_view takeUntil(std::string_view &text, std::string_view mark)
{
    const std::size_t at = text.find(mark);
    const std::string_view before = text.substr(0, at);
    text = at == std::string_view::npos ? std::string_view() : text.substr(at + mark.size());
    return before;
}

std::filesystem::path scratchRoot()
{
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec) && access("/dev/shm", W_OK) == 0)
        return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

} // namespace

SplitInput splitInput(std::string_view bytes)
{
    SplitInput in;
    const std::string_view head = takeUntil(bytes, "\n");
    const std::size_t bar = head.find('|');
    in.name = std::string(head.substr(0, bar));
    in.mainFile = bar == std::string_view::npos ? in.name : std::string(head.substr(bar + 1));

    const bool hasExtras = bytes.find(ExtraMark) != std::string_view::npos;
    in.main = std::string(takeUntil(bytes, ExtraMark));
    bool more = hasExtras;
    while (more && in.extras.size() < MaxExtras) {
        std::string name(takeUntil(bytes, "\n"));
        more = bytes.find(ExtraMark) != std::string_view::npos;
        in.extras.emplace_back(std::move(name), std::string(takeUntil(bytes, ExtraMark)));
    }
    return in;
}

bool safeName(std::string_view name)
{
    if (name.empty() || name.size() > MaxNameLength || name.find("..") != std::string_view::npos || name == ".")
        return false;
    for (char c : name) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                        std::string_view(" ._()-").find(c) != std::string_view::npos;
        if (!ok)
            return false;
    }
    return true;
}

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    return true;
}

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && sameIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

std::string withoutLineBreaks(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c != '\r' && c != '\n')
            out += c;
    return out;
}

ProgramFolder::ProgramFolder(const std::string &target)
{
    const std::filesystem::path dir = scratchRoot() / ("glow-fuzz-" + target + "-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    mDir = dir.string() + "/";
}

ProgramFolder::~ProgramFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(mDir, ec);
}

void ProgramFolder::reset(const std::string &folder) const
{
    std::filesystem::remove_all(mDir + folder);
    std::filesystem::create_directories(mDir + folder);
}

void ProgramFolder::write(const std::string &relative, std::string_view bytes) const
{
    std::ofstream out(mDir + relative, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out)
        finding("harness", "cannot write into the program folder");
}

void ProgramFolder::place(const std::string &folder,
                          const std::vector<std::pair<std::string, std::string>> &extras) const
{
    for (const auto &[name, bytes] : extras) {
        const bool isFolder = !name.empty() && name.back() == '/';
        const std::string plain = isFolder ? name.substr(0, name.size() - 1) : name;
        if (!safeName(plain))
            continue;
        std::error_code ec;
        if (isFolder)
            std::filesystem::create_directory(mDir + folder + plain, ec);
        else if (!std::filesystem::exists(mDir + folder + plain, ec))
            write(folder + plain, bytes);
    }
}

} // namespace fuzzing
