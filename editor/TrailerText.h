#pragma once

#include <QString>
#include <string>

namespace editor {

// The file keeps each trailer text behind a one-byte length.
inline constexpr std::size_t MaxTrailerBytes = 255;

// Trailer texts are bytes; the controls show them through the 8-bit code page, and every
// byte reads back unchanged.
QString trailerTextToDisplay(const std::string &bytes);
// `lineBreak` replaces each line break of a multi-line control.
std::string trailerTextFromDisplay(const QString &text, const char *lineBreak = nullptr);

} // namespace editor
