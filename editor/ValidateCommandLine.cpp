#include "ValidateCommandLine.h"

#include "CheckFindings.h"
#include "EditorTexts.h"
#include "GlowFileIO.h"
#include "model/CheckDocument.h"
#include "profiles/Profile.h"
#include "settings/LanguageFile.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace editor {

namespace {

QString englishText(std::string_view key)
{
    static const settings::LanguageTexts none;
    return editorText(none, key);
}

// Why the file cannot be checked, or empty when `doc` holds it.
QString readProblem(model::TDocument &doc, const QString &fileName)
{
    if (QFileInfo(fileName).isDir())
        return QStringLiteral("is a directory, not a file");
    try {
        if (!ReadGlowFile(doc, fileName))
            return QStringLiteral("not a glowshow file (the first word is not 257)");
    } catch (const model::IoError &e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

// The elements the named profile's model has, in the language the editor was last used in.
std::optional<model::ElementsOnModel> profileElements(const QString &name, const QString &programDir)
{
    const std::string dir =
        QDir(programDir.isEmpty() ? QCoreApplication::applicationDirPath() : programDir).absolutePath().toStdString() +
        '/';
    const settings::SettingsStore store;
    const std::string ext = settings::readLanguage(dir, settings::readStoredLanguage(store)).Ext;
    const std::vector<std::string> known = profiles::searchProfiles(dir, ext);
    if (std::find(known.begin(), known.end(), name.toStdString()) == known.end())
        return std::nullopt;
    const auto elements =
        profiles::readElements(profiles::IniFile::load(profiles::profilePath(dir, name.toStdString(), ext)));
    model::ElementsOnModel onModel{};
    for (std::size_t i = 0; i < onModel.size(); ++i)
        onModel[i] = elements[i].color != profiles::NotOnModel;
    return onModel;
}

QJsonObject findingJson(const model::Finding &f)
{
    QJsonObject o{{QStringLiteral("kind"),
                   f.severity == model::Severity::Error ? QStringLiteral("error") : QStringLiteral("note")},
                  {QStringLiteral("problem"), QString::fromLatin1(problemName(f.problem))},
                  {QStringLiteral("glowshow"), f.glowshow},
                  {QStringLiteral("path"), findingPath(f)},
                  {QStringLiteral("message"), findingText(f, englishText)}};
    if (f.frame >= 0)
        o.insert(QStringLiteral("frame"), f.frame);
    if (f.channel >= 0)
        o.insert(QStringLiteral("channel"), f.channel);
    if (f.element != 0)
        o.insert(QStringLiteral("element"), f.element);
    return o;
}

void print(std::ostream &out, const QJsonArray &list)
{
    out << QJsonDocument(list).toJson(QJsonDocument::Indented).toStdString();
}

} // namespace

int validateCommand(const QString &fileName, const QString &profile, bool json, const QString &programDir,
                    std::ostream &out, std::ostream &err)
{
    std::optional<model::ElementsOnModel> onModel;
    if (!profile.isEmpty()) {
        onModel = profileElements(profile, programDir);
        if (!onModel) {
            err << englishText("ExportUnknownProfile").arg(profile).toStdString() << '\n';
            return ValidateUnreadable;
        }
    }
    model::TDocument doc;
    if (const QString problem = readProblem(doc, fileName); !problem.isEmpty()) {
        if (json)
            print(out, {QJsonObject{{QStringLiteral("kind"), QStringLiteral("error")},
                                    {QStringLiteral("problem"), QStringLiteral("Unreadable")},
                                    {QStringLiteral("message"), problem}}});
        err << fileName.toStdString() << ": " << problem.toStdString() << '\n';
        return ValidateUnreadable;
    }

    const std::vector<model::Finding> findings = model::CheckDocument(doc, onModel);
    if (json) {
        QJsonArray list;
        for (const model::Finding &f : findings)
            list.append(findingJson(f));
        print(out, list);
    } else {
        for (const model::Finding &f : findings)
            out << fileName.toStdString() << ": " << (f.severity == model::Severity::Error ? "error" : "note") << ": "
                << findingPath(f).toStdString() << ": " << findingText(f, englishText).toStdString() << '\n';
    }
    out.flush();
    return model::hasErrors(findings) ? ValidateProblems : ValidateClean;
}

} // namespace editor
