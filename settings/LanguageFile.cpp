#include "LanguageFile.h"

#include "model/IoError.h"
#include "profiles/CodePage.h"
#include "profiles/DirectorySearch.h"
#include "profiles/IniFile.h"
#include "profiles/Profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace settings {

namespace {

QString toQString(const std::string &text)
{
    return QString::fromStdString(text);
}

// Names from a language file or a combo box must stay inside Languages/.
bool isPlainFileName(const std::string &name)
{
    return name.find('/') == std::string::npos && name.find('\\') == std::string::npos
        && name.find("..") == std::string::npos && name.find('\0') == std::string::npos;
}

// The data folders come from Windows, where file names ignore case: "About.ENG" must still
// find About.eng. An exact match wins; otherwise the first entry equal without regard to case.
QString resolveInFolder(const std::string &folder, const std::string &fileName)
{
    const QString exact = toQString(folder + fileName);
    if (QFileInfo::exists(exact))
        return exact;
    const QDir dir(toQString(folder));
    const QString wanted = toQString(fileName);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &entry : entries)
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return exact;
}

} // namespace

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
    if (isPlainFileName(language)) {
        const QString path = resolveInFolder(languagesFolder(programDir), language + ".lng");
        file = profiles::IniFile::load(path.toStdString());
    }

    LanguageTexts texts;
    profiles::setAnsiCodePage(file.readInteger("Language", "Codepage", DefaultCodePage));
    texts.CodePage = profiles::ansiCodePage();
    texts.Ext = file.readString("Language", "Ext", "");
    for (int i = 0; i < StringCount; ++i)
        texts.Strings[std::size_t(i)] = file.readString("Strings", StringKeys[std::size_t(i)], "");
    for (int i = 0; i < DialogCount; ++i)
        texts.Dialogs[std::size_t(i)] = file.readString("Dialogs", DialogKeys[std::size_t(i)], "");
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
    if (!isPlainFileName(ext))
        throw model::FileOpenError(folder + fileName);

    const QString path = resolveInFolder(folder, fileName);
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
