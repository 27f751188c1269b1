#include "PatFileType.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#endif

namespace editor {

void writePatFileType(ClassesRegistry &registry, const std::string &openCommand)
{
    // Per user: HKEY_CLASSES_ROOT merges these keys in without administrator rights.
    registry.setDefaultValue(".pat", "GlowEdit2.PAT.File");
    registry.setDefaultValue("GlowEdit2.PAT.File", "Motorola Glowshow File");
    registry.setDefaultValue("GlowEdit2.PAT.File\\DefaultIcon", "shimgvw.dll,2");
    registry.setDefaultValue("GlowEdit2.PAT.File\\shell\\open\\command", openCommand);
}

#ifdef _WIN32

namespace {

std::wstring wide(const std::string &utf8)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring text(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), text.data(), length);
    return text;
}

} // namespace

void UserClassesRegistry::setDefaultValue(const std::string &key, const std::string &value)
{
    HKEY handle = nullptr;
    const std::wstring text = wide(value);
    bool written = RegCreateKeyExW(HKEY_CURRENT_USER, wide(mRoot + "\\" + key).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                   nullptr, &handle, nullptr) == ERROR_SUCCESS;
    if (written) {
        // The size counts the terminating NUL.
        written = RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()),
                                 DWORD((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
        RegCloseKey(handle);
    }
    if (!written)
        throw std::runtime_error("Failed to set data for '" + key + "'");
}

#endif

} // namespace editor
