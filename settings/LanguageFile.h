#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

inline constexpr int StringCount = 57; // keys "s1".."s57" of section "Strings"
inline constexpr int DialogCount = 5;  // keys "d1".."d5" of section "Dialogs"
inline constexpr int DefaultCodePage = 1252;

// Every key in the order the texts are applied.
inline constexpr std::array<const char *, StringCount> StringKeys = {
    "s1",  "s2",  "s3",  "s4",  "s5",  "s6",  "s7",  "s8",  "s9",  "s10", "s11", "s12", "s13", "s14", "s15",
    "s16", "s17", "s18", "s19", "s20", "s21", "s22", "s23", "s24", "s25", "s26", "s27", "s28", "s29", "s30",
    "s31", "s32", "s33", "s34", "s35", "s36", "s37", "s38", "s39", "s40", "s41", "s42", "s43", "s44", "s45",
    "s46", "s47", "s48", "s49", "s50", "s51", "s52", "s53", "s54", "s55", "s56", "s57"};
inline constexpr std::array<const char *, DialogCount> DialogKeys = {"d1", "d2", "d3", "d4", "d5"};

// The contents of one language file, texts as UTF-8. Every text not in the file is empty.
struct LanguageTexts {
    std::string Ext;                              // extension of profile files and of the About text file
    int CodePage = DefaultCodePage;               // the ANSI code page that was applied for this language
    std::array<std::string, StringCount> Strings; // Strings[0] is "s1"
    std::array<std::string, DialogCount> Dialogs; // Dialogs[0] is "d1"
    // Section "Editor": the texts of the editor's own additions, by key in lower case.
    std::map<std::string, std::string> Editor;

    // By key number as in the file: s(1) is "s1". A number out of range throws std::out_of_range.
    const std::string &s(int number) const { return Strings.at(std::size_t(number - 1)); }
    const std::string &d(int number) const { return Dialogs.at(std::size_t(number - 1)); }
    // The "Editor" text of `key` (any case), or nullptr when the file lacks it.
    const std::string *editor(std::string_view key) const;
};

// ProgramDir + "Languages/" (a separator is added when programDir lacks one).
std::string languagesFolder(const std::string &programDir);

// ASearchLangs: StripExtension of every entry (files and folders) of Languages/ matching
// "*.lng", sorted by name. "English.old.lng" yields "English" a second time.
std::vector<std::string> searchLanguages(const std::string &programDir);

// Reads Languages/<language>.lng. The file's "Codepage" (section "Language", default 1252)
// becomes the process-wide ANSI code page before any text is decoded, so a file that is not
// UTF-8 is read in its own code page; a missing file resets it to 1252.
// A missing file, or a name that could leave the folder (separators, ".."), reads as empty.
LanguageTexts readLanguage(const std::string &programDir, const std::string &language);

// The lines of Languages/About.<ext>, split at CR, LF or CRLF; UTF-8 when the file is valid
// UTF-8 (a leading byte-order mark is dropped), otherwise decoded through the ANSI code page.
// Throws model::FileOpenError ("Cannot open file <full path>") when it cannot be read.
std::vector<std::string> readAboutLines(const std::string &programDir, const std::string &ext);

// Text split into lines the way a memo takes it: a final line break ends the last line
// rather than starting an empty one.
std::vector<std::string> splitLines(const std::string &text);

} // namespace settings
