#include "LanguageFile.h"

#include "model/IoError.h"
#include "profiles/CodePage.h"
#include "profiles/DirectorySearch.h"
#include "profiles/IniFile.h"
#include "profiles/Profile.h"

#include <QFile>
#include <QFileInfo>

namespace settings {

namespace {

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return lower;
}

} // namespace

const std::string *LanguageTexts::editor(std::string_view key) const
{
    const auto found = Editor.find(lowerAscii(key));
    return found == Editor.end() ? nullptr : &found->second;
}

std::string languagesFolder(const std::string &programDir)
{
    std::string folder = programDir;
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\')
        folder += '/';
    return folder + "Languages/";
}

std::vector<std::string> searchLanguages(const std::string &programDir)
{
    std::vector<std::string> names;
    for (const std::string &entry : profiles::findEntries(languagesFolder(programDir), "*.lng"))
        names.push_back(profiles::StripExtension(entry));
    return names;
}

LanguageTexts readLanguage(const std::string &programDir, const std::string &language)
{
    profiles::IniFile file;
    // The name comes from a directory listing or the settings: it must stay inside Languages/.
    if (profiles::isPlainName(language))
        file = profiles::IniFile::load(profiles::entryPath(languagesFolder(programDir), language + ".lng"));

    LanguageTexts texts;
    profiles::setAnsiCodePage(file.readInteger("Language", "Codepage", DefaultCodePage));
    texts.CodePage = profiles::ansiCodePage();
    texts.Ext = file.readString("Language", "Ext", "");
    for (int i = 0; i < StringCount; ++i)
        texts.Strings[std::size_t(i)] = file.readString("Strings", StringKeys[std::size_t(i)], "");
    for (int i = 0; i < DialogCount; ++i)
        texts.Dialogs[std::size_t(i)] = file.readString("Dialogs", DialogKeys[std::size_t(i)], "");
    for (const std::string &key : file.keyNames("Editor"))
        texts.Editor[lowerAscii(key)] = file.readString("Editor", key, "");
    return texts;
}

std::vector<std::string> splitLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(text.substr(start, i - start));
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

std::vector<std::string> readAboutLines(const std::string &programDir, const std::string &ext)
{
    const std::string folder = languagesFolder(programDir);
    const std::string fileName = "About." + ext;
    // The extension comes from a language file: it must not lead out of Languages/.
    if (!profiles::isPlainName(ext))
        throw model::FileOpenError(folder + fileName);

    const QString path = QString::fromStdString(profiles::entryPath(folder, fileName));
    QFile file(path);
    // A folder of that name opens on some systems but has nothing to read.
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw model::FileOpenError(folder + fileName);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw model::FileOpenError(folder + fileName);

    std::string text(bytes.constData(), std::size_t(bytes.size()));
    if (profiles::isValidUtf8(text)) {
        if (text.starts_with("\xEF\xBB\xBF"))
            text.erase(0, 3);
    } else {
        text = profiles::decodeAnsi(text);
    }
    return splitLines(text);
}

} // namespace settings
