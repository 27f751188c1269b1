#include "FileRegistration.h"

#include "PatFileType.h"
#include "Unit1.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <stdexcept>

#ifdef Q_OS_WIN
#include <shlobj.h>
#endif

static void initDesktopResources()
{
    Q_INIT_RESOURCE(editor);
}

namespace editor {

namespace {

QString quoted(const QString &s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

QByteArray resource(const QString &name)
{
    initDesktopResources();
    QFile f(QStringLiteral(":/desktop/") + name);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("Cannot open file " + name.toStdString());
    return f.readAll();
}

void makeFolder(const QString &folder)
{
    if (!QDir().mkpath(folder))
        throw std::runtime_error("Failed to create key " + QDir::toNativeSeparators(folder).toStdString());
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    makeFolder(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.flush() || !f.commit()) {
        f.cancelWriting();
        throw std::runtime_error("Failed to set data for '" + QDir::toNativeSeparators(path).toStdString() + "'");
    }
}

// The helpers refresh caches; a desktop without them still finds the files on its next scan.
void runIfPresent(const QString &program, const QStringList &arguments)
{
    if (QStandardPaths::findExecutable(program).isEmpty())
        return;
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(30000);
}

QString xdgHome(const char *variable, const QString &fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QDir::homePath() + fallback : value;
}

} // namespace

QString openCommand(const QString &executable)
{
    return quoted(QDir::toNativeSeparators(executable)) + QStringLiteral(" \"%1\"");
}

void registerPatFileType(const QString &executable)
{
#ifdef Q_OS_WIN
    UserClassesRegistry classes;
    writePatFileType(classes, openCommand(executable).toStdString());
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
#else
    const QString dataHome = xdgHome("XDG_DATA_HOME", QStringLiteral("/.local/share"));
    const QString id = QString::fromLatin1(DesktopId);
    const QString mimeFolder = dataHome + QStringLiteral("/mime");
    const QString appsFolder = dataHome + QStringLiteral("/applications");

    writeFile(mimeFolder + QStringLiteral("/packages/") + id + QStringLiteral(".xml"),
              resource(QStringLiteral("glowshow-editor.xml")));
    QByteArray entry = resource(QStringLiteral("glowshow-editor.desktop"));
    // Desktop entries quote arguments with double quotes and escape them inside.
    QString program = executable;
    program.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    entry.replace("Exec=glowshow-editor %f", "Exec=\"" + program.toUtf8() + "\" %f");
    writeFile(appsFolder + QLatin1Char('/') + id + QStringLiteral(".desktop"), entry);

    runIfPresent(QStringLiteral("update-mime-database"), {mimeFolder});
    runIfPresent(QStringLiteral("update-desktop-database"), {appsFolder});
    runIfPresent(QStringLiteral("xdg-mime"),
                 {QStringLiteral("default"), id + QStringLiteral(".desktop"), QString::fromLatin1(GlowshowMimeType)});
#endif
}

void TMForm::ARegisterPAT()
{
#ifdef Q_OS_WIN
    const QString executable = ProgramDir + QStringLiteral("GlowshowEditor2.exe");
#else
    const QString executable = ProgramDir + QStringLiteral("GlowshowEditor2");
#endif
    registerPatFileType(executable);
}

} // namespace editor
