// Language files and About texts on arbitrary bytes. The input is
// "<language>[|<file name>]\n<.lng text>" and further files of Languages/ (About texts,
// other language files) as "\n---- <name>\n<bytes>".
#include "FuzzFolder.h"

#include "model/IoError.h"
#include "profiles/CodePage.h"
#include "settings/LanguageFile.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

using namespace settings;

namespace {

[[noreturn]] void finding(const char *what)
{
    fuzzing::finding("language", what);
}

// Windows keeps a profile string to 2047 characters; the two code pages take at most three
// UTF-8 bytes a character.
constexpr std::size_t MaxTextBytes = 3 * 2047;

void checkText(const std::string &text)
{
    if (!profiles::isValidUtf8(text))
        finding("a text that is not UTF-8");
    if (text.size() > MaxTextBytes)
        finding("a text longer than a profile string can be");
}

bool sameTexts(const LanguageTexts &a, const LanguageTexts &b)
{
    return a.Ext == b.Ext && a.CodePage == b.CodePage && a.Strings == b.Strings && a.Dialogs == b.Dialogs;
}

bool isEmpty(const LanguageTexts &t)
{
    const auto empty = [](const std::string &s) { return s.empty(); };
    return t.Ext.empty() && std::all_of(t.Strings.begin(), t.Strings.end(), empty) &&
           std::all_of(t.Dialogs.begin(), t.Dialogs.end(), empty);
}

bool hasFileNamed(const std::string &folder, const std::string &name)
{
    std::error_code ec;
    for (const auto &entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.is_regular_file(ec) && fuzzing::sameIgnoringCase(entry.path().filename().string(), name))
            return true;
    return false;
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Lines as a memo holds them: all of `text` but its line breaks, no break inside a line,
// and each line written back with a break of its own splits into the same lines.
void checkLines(const std::vector<std::string> &lines, std::string_view text)
{
    std::string joined, written;
    for (const std::string &line : lines) {
        if (line.find_first_of("\r\n") != std::string::npos)
            finding("a line break inside a line");
        joined += line;
        written += line + "\n";
    }
    if (joined != fuzzing::withoutLineBreaks(text))
        finding("lines that lost or added text");
    if (splitLines(written) != lines)
        finding("lines written back do not split into the same lines");
}

void checkAbout(const std::string &programDir, const std::string &ext)
{
    std::vector<std::string> lines;
    bool opened = true;
    try {
        lines = readAboutLines(programDir, ext);
    } catch (const model::FileOpenError &) {
        opened = false;
    }
    for (const std::string &line : lines)
        if (!profiles::isValidUtf8(line))
            finding("an About line that is not UTF-8");

    // Only a file written under exactly this name is known to be the one read.
    const std::string path = programDir + "Languages/About." + ext;
    std::error_code ec;
    if (!fuzzing::safeName("About." + ext) || !std::filesystem::is_regular_file(path, ec))
        return;
    if (!opened)
        finding("an About file that is there could not be read");
    std::string text = readFile(path);
    if (!profiles::isValidUtf8(text))
        text = profiles::decodeAnsi(text);
    else if (text.starts_with("\xEF\xBB\xBF"))
        text.erase(0, 3);
    checkLines(lines, text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const fuzzing::ProgramFolder folder("language");
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const fuzzing::SplitInput input = fuzzing::splitInput(bytes);
    folder.reset("Languages/");
    if (fuzzing::safeName(input.mainFile + ".lng"))
        folder.write("Languages/" + input.mainFile + ".lng", input.main);
    folder.place("Languages/", input.extras);

    // Whatever code page an earlier language left in force, the same file reads the same.
    profiles::setAnsiCodePage(1251);
    const LanguageTexts texts = readLanguage(folder.dir(), input.name);
    if (texts.CodePage != 1251 && texts.CodePage != 1252)
        finding("a code page that is not supported");
    if (texts.CodePage != profiles::ansiCodePage())
        finding("the code page reported is not the one in force");
    profiles::setAnsiCodePage(1252);
    if (!sameTexts(readLanguage(folder.dir(), input.name), texts))
        finding("texts that depend on the code page in force before");

    checkText(texts.Ext);
    for (const std::string &s : texts.Strings)
        checkText(s);
    for (const std::string &d : texts.Dialogs)
        checkText(d);
    if (!hasFileNamed(folder.dir() + "Languages/", input.name + ".lng") &&
        (!isEmpty(texts) || texts.CodePage != DefaultCodePage))
        finding("texts or a code page from a language file that is not there");

    checkAbout(folder.dir(), texts.Ext);

    checkLines(splitLines(input.main), input.main);
    return 0;
}
