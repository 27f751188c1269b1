#pragma once

#include <QString>

namespace editor {

inline constexpr const char *DesktopId = "org.glowshoweditor.GlowshowEditor2";
inline constexpr const char *GlowshowMimeType = "application/x-motorola-glowshow";

// Registers the program as the handler of .pat files for the current user, opening them with
// `executable`. Windows: the file type keys under HKEY_CURRENT_USER\Software\Classes.
// Elsewhere: a shared-mime-info package, a desktop entry and the default-application choice
// in the XDG data and configuration homes. Throws std::runtime_error when a file or key
// cannot be written.
void registerPatFileType(const QString &executable);

// The open command: both the program and the file name quoted.
QString openCommand(const QString &executable);

} // namespace editor
