#include "DirectorySearch.h"

#include "model/NativePath.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace profiles {
namespace {

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// "*" and "?" with one backtracking point: linear in practice, no recursion on long masks.
bool wildcardMatch(std::string_view name, std::string_view mask)
{
    std::size_t n = 0, m = 0;
    std::size_t starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || asciiLower(mask[m]) == asciiLower(name[n]))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

} // namespace

bool matchesMask(const std::string &name, const std::string &mask)
{
    if (wildcardMatch(name, mask))
        return true;
    // "name." stands for a name without extension.
    if (!mask.empty() && mask.back() == '.' && name.find('.') == std::string::npos)
        return wildcardMatch(name, std::string_view(mask).substr(0, mask.size() - 1));
    return false;
}

#ifdef _WIN32

namespace {

// Names of the entries the system finds for `pattern` (a folder joined with a mask or a
// name): without regard to case and with the masks' quirks, by the system's own rules.
std::vector<std::string> systemSearch(const std::string &pattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileExW(model::nativePath(pattern).c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = model::utf8Name(found.cFileName);
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

} // namespace

std::vector<std::string> findEntries(const std::string &folder, const std::string &mask)
{
    std::vector<std::string> names;
    // "name." for names without extension is the system's rule on Windows, but not Wine's:
    // spelled out, so that the check under Wine tests what Windows does.
    if (!mask.empty() && mask.back() == '.') {
        for (std::string &name : systemSearch(folder + mask.substr(0, mask.size() - 1))) {
            if (name.find('.') == std::string::npos)
                names.push_back(std::move(name));
        }
    } else {
        names = systemSearch(folder + mask);
    }
    std::sort(names.begin(), names.end());
    return names;
}

#else

std::vector<std::string> findEntries(const std::string &folder, const std::string &mask)
{
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder.empty() ? std::string(".") : folder, ec);
    if (ec)
        return names;
    for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        std::string name = it->path().filename().string();
        if (matchesMask(name, mask))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

#endif

bool isPlainName(std::string_view name)
{
    return name.find_first_of(std::string_view("/\\:\0", 4)) == std::string_view::npos &&
           name.find("..") == std::string_view::npos;
}

#ifdef _WIN32

std::string entryPath(const std::string &folder, const std::string &name)
{
    // The system finds a name without regard to case; a wildcard would find other names.
    if (name.find_first_of("*?") != std::string::npos)
        return folder + name;
    const std::vector<std::string> found = systemSearch(folder + name);
    return folder + (found.empty() ? name : found.front());
}

#else

std::string entryPath(const std::string &folder, const std::string &name)
{
    std::error_code ec;
    if (std::filesystem::exists(folder + name, ec))
        return folder + name;
    std::filesystem::directory_iterator it(folder.empty() ? std::string(".") : folder, ec);
    if (ec)
        return folder + name;
    std::vector<std::string> matches;
    for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        std::string entry = it->path().filename().string();
        if (entry.size() == name.size() && std::equal(entry.begin(), entry.end(), name.begin(),
                                                      [](char a, char b) { return asciiLower(a) == asciiLower(b); }))
            matches.push_back(std::move(entry));
    }
    if (matches.empty())
        return folder + name;
    return folder + *std::min_element(matches.begin(), matches.end());
}

#endif

} // namespace profiles
