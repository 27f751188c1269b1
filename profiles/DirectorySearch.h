#pragma once

#include <string>
#include <string_view>
#include <vector>

// Windows finds files without regard to letter case; profile, skin and picture names come from
// such searches and from files written for Windows, so lookups here fold ASCII case too. On
// Windows the searches are the system's own. Names are UTF-8.
namespace profiles {

// Windows wildcard match ("*", "?") without regard to letter case; a mask ending in "."
// also matches names without any extension, as the Windows search does.
bool matchesMask(const std::string &name, const std::string &mask);

// Names of every entry of `folder` (files and folders alike) matching `mask`, sorted by
// name so that the order is the same on every system. A missing folder gives none.
std::vector<std::string> findEntries(const std::string &folder, const std::string &mask);

// True when `name` can only name an entry inside the folder it is joined to: no path
// separator, drive colon, NUL or "..". Names from files and settings are checked with it.
bool isPlainName(std::string_view name);

// `folder` + the entry of `folder` whose name equals `name` without regard to ASCII case
// (the exact name when it exists; else the first in byte order); `folder` + `name` when
// there is none. `folder` ends with a separator.
std::string entryPath(const std::string &folder, const std::string &name);

} // namespace profiles
