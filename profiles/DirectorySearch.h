#pragma once

#include <string>
#include <vector>

namespace profiles {

// Windows wildcard match ("*", "?") without regard to letter case; a mask ending in "."
// also matches names without any extension, as the Windows search does.
bool matchesMask(const std::string &name, const std::string &mask);

// Names of every entry of `folder` (files and folders alike) matching `mask`, sorted by
// name so that the order is the same on every system. A missing folder gives none.
std::vector<std::string> findEntries(const std::string &folder, const std::string &mask);

} // namespace profiles
