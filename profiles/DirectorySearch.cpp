#include "DirectorySearch.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

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

bool isPlainName(std::string_view name)
{
    return name.find_first_of(std::string_view("/\\:\0", 4)) == std::string_view::npos &&
           name.find("..") == std::string_view::npos;
}

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
        if (entry.size() == name.size() &&
            std::equal(entry.begin(), entry.end(), name.begin(),
                       [](char a, char b) { return asciiLower(a) == asciiLower(b); }))
            matches.push_back(std::move(entry));
    }
    if (matches.empty())
        return folder + name;
    return folder + *std::min_element(matches.begin(), matches.end());
}

} // namespace profiles
