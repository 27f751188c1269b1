#pragma once

#include <string>
#include <string_view>

// The 8-bit code page through which byte texts (trailer texts, INI files that are not valid
// UTF-8) become Unicode. Windows-1252 until a language names another.
namespace profiles {

// Supported: 1252 (Western) and 1251 (Cyrillic). Other numbers fall back to 1252.
void setAnsiCodePage(int codePage);
int ansiCodePage();

// Bytes in the code page -> UTF-8. Every byte maps to one character and back, including the
// code page's unassigned bytes (they become the C1 control with the same number).
std::string decodeAnsi(std::string_view bytes);
// UTF-8 -> bytes in the code page; a character the code page lacks becomes '?'.
std::string encodeAnsi(std::string_view utf8);
// True when `utf8` can be encoded without loss.
bool isEncodableAnsi(std::string_view utf8);

bool isValidUtf8(std::string_view bytes);

} // namespace profiles
