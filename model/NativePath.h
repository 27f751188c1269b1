#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace model {

// File names in the core are UTF-8 strings. Windows would read a narrow name in the ANSI code
// page, so every name goes to the system through these; "/" becomes "\" there, which names in
// the "\\?\" form need.
std::filesystem::path nativePath(std::string_view utf8);
std::string utf8Name(const std::filesystem::path &path);

} // namespace model
