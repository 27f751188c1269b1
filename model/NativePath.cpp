#include "NativePath.h"

namespace model {

std::filesystem::path nativePath(std::string_view utf8)
{
#ifdef _WIN32
    std::filesystem::path path(std::u8string(utf8.begin(), utf8.end()));
    path.make_preferred();
    return path;
#else
    return std::filesystem::path(utf8);
#endif
}

std::string utf8Name(const std::filesystem::path &path)
{
#ifdef _WIN32
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
#else
    return path.string();
#endif
}

} // namespace model
