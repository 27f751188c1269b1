// What the fuzz targets that read files from a program folder share: a private folder, the
// layout of an input that stands for several files, and the checks on names.
#pragma once

#include "Finding.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fuzzing {

// An input laid out as "<name>[|<file>]\n<main file>" followed by extra files, each
// "\n---- <file name>\n<bytes>" (a name ending in "/" makes a folder instead).
struct SplitInput {
    std::string name;     // the name the code under test is asked for
    std::string mainFile; // the file name the main file is written under (defaults to `name`)
    std::string main;
    std::vector<std::pair<std::string, std::string>> extras;
};
SplitInput splitInput(std::string_view bytes);

// Names this harness is willing to create: short, of letters, digits, space and "._()-",
// without "..". Stricter than the code under test on purpose, so that nothing is ever
// written outside the folder and a name the harness trusts is one the code must accept.
bool safeName(std::string_view name);

bool sameIgnoringCase(std::string_view a, std::string_view b);
bool endsWithIgnoringCase(std::string_view text, std::string_view suffix);

// Text with every CR and LF taken out: what is left of a text once it is split into lines.
std::string withoutLineBreaks(std::string_view text);

// One folder per process under /dev/shm (or the temporary folder), made on first use and
// removed at exit; the targets empty and refill it for every input, so it never grows.
class ProgramFolder {
public:
    explicit ProgramFolder(const std::string &target);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder &) = delete;
    ProgramFolder &operator=(const ProgramFolder &) = delete;

    // With a trailing separator, as the program folder is given to the loaders.
    const std::string &dir() const { return mDir; }

    // Empties `folder` (relative, ending in "/"), creating it when it is missing.
    void reset(const std::string &folder) const;
    void write(const std::string &relative, std::string_view bytes) const;
    // The extra files of an input into `folder`; unsafe names are skipped.
    void place(const std::string &folder, const std::vector<std::pair<std::string, std::string>> &extras) const;

private:
    std::string mDir;
};

} // namespace fuzzing
