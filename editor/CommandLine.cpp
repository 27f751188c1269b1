#include "CommandLine.h"

#include "AnimationImportCommandLine.h"
#include "EffectCommandLine.h"
#include "ExportCommandLine.h"
#include "GlowFileIO.h"
#include "ImportJsonCommandLine.h"
#include "ValidateCommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>
#include <iostream>

namespace editor {

namespace {

constexpr const char *ApplicationName = "Glowshow Editor 2";
constexpr const char *ApplicationVersion = "2.1.1";

std::string notGlowshowFile(const QString &fileName)
{
    return fileName.toStdString() + ": not a glowshow file (the first word is not 257)";
}

// A folder named where a file is wanted: the run-time would call it a read failure.
bool refuseDirectory(const QString &fileName, std::ostream &err)
{
    if (!QFileInfo(fileName).isDir())
        return false;
    err << fileName.toStdString() << ": is a directory, not a file\n";
    return true;
}

// Reads `fileName`; on failure reports to `err` and returns false.
bool readForCommand(model::TDocument &doc, const QString &fileName, std::ostream &err)
{
    if (refuseDirectory(fileName, err))
        return false;
    try {
        if (ReadGlowFile(doc, fileName))
            return true;
        err << notGlowshowFile(fileName) << '\n';
    } catch (const model::IoError &e) {
        err << fileName.toStdString() << ": " << e.what() << '\n';
    }
    return false;
}

int dumpCommand(const QString &fileName, std::ostream &out, std::ostream &err)
{
    model::TDocument doc;
    if (!readForCommand(doc, fileName, err))
        return 1;
    out << dumpJson(doc) << '\n';
    out.flush();
    return out ? 0 : 1;
}

int resaveCommand(const QString &in, const QString &outName, std::ostream &err)
{
    model::TDocument doc;
    if (!readForCommand(doc, in, err) || refuseDirectory(outName, err))
        return 1;
    return writeGlowFileForCommand(doc, outName, err);
}

} // namespace

std::optional<int> runCommandLine(int argc, char **argv)
{
    return runCommandLine(argc, argv, std::cout, std::cerr);
}

std::optional<int> runCommandLine(int argc, char **argv, std::ostream &out, std::ostream &err,
                                  const QString &programDir)
{
    if (argc < 2 || !argv || !argv[1])
        return std::nullopt;
    // A first argument that is not an option is the file to open; the rest is ignored.
    if (argv[1][0] != '-' || argv[1][1] == '\0')
        return std::nullopt;

    QStringList args;
    for (int i = 0; i < argc && argv[i]; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    QCoreApplication::setApplicationName(QString::fromLatin1(ApplicationName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(ApplicationVersion));

    const QString program = QFileInfo(args.constFirst()).fileName();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Editor for .pat glowshow files."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help and exit."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Show the version and exit."));
    const QCommandLineOption dumpOption(QStringLiteral("dump"),
                                        QStringLiteral("Print the document read from FILE as JSON."));
    const QCommandLineOption resaveOption(QStringLiteral("resave"),
                                          QStringLiteral("Read IN and save it as OUT."));
    const QCommandLineOption exportOption(
        QStringLiteral("export"), QStringLiteral("Export glowshow GLOWSHOW of IN (an index from 0, or id:0A) as OUT: "
                                                 ".gif or .webp an animation, .png a storyboard."));
    const QCommandLineOption effectOption(
        QStringLiteral("effect"),
        QStringLiteral("Write OUT as IN with effect NAME applied to glowshow GLOWSHOW: --effect IN GLOWSHOW OUT "
                       "NAME [KEY=VALUE]... (see the README for the effects and keys)."));
    const QCommandLineOption profileOption(QStringLiteral("profile"),
                                           QStringLiteral("Device profile of the export or the effect "
                                                          "(default: the chosen one)."),
                                           QStringLiteral("NAME"));
    const QCommandLineOption speedOption(QStringLiteral("speed"),
                                         QStringLiteral("Animation speed in percent, 10 to 1000 (default 100)."),
                                         QStringLiteral("PERCENT"));
    const QCommandLineOption loopOption(QStringLiteral("loop"), QStringLiteral("The animation loops for ever."));
    const QCommandLineOption scaleOption(QStringLiteral("scale"), QStringLiteral("Storyboard scale, 1 to 8."),
                                         QStringLiteral("N"));
    const QCommandLineOption importJsonOption(QStringLiteral("import-json"),
                                              QStringLiteral("Save the JSON document IN (as --dump prints it; "
                                                             "- reads standard input) as OUT."));
    const QCommandLineOption validateOption(QStringLiteral("validate"),
                                            QStringLiteral("Check FILE for what a phone may not accept; exit 0 clean, "
                                                           "1 problems found, 2 unreadable."));
    const QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("--validate prints a JSON list."));
    const QCommandLineOption importAnimationOption(
        QStringLiteral("import-animation"),
        QStringLiteral("Read the animation IN (.gif or .webp) into a glowshow and save OUT with it."));
    const QCommandLineOption intoOption(QStringLiteral("into"),
                                        QStringLiteral("The imported glowshow is appended to FILE's glowshows."),
                                        QStringLiteral("FILE"));
    for (const QCommandLineOption *o :
         {&helpOption, &versionOption, &dumpOption, &resaveOption, &exportOption, &effectOption, &profileOption,
          &speedOption, &loopOption, &scaleOption, &importJsonOption, &validateOption, &jsonOption,
          &importAnimationOption, &intoOption})
        parser.addOption(*o);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A .pat file to open."),
                                 QStringLiteral("[file]"));

    if (!parser.parse(args)) {
        err << parser.errorText().toStdString() << "\nSee " << program.toStdString() << " --help.\n";
        return 1;
    }
    if (parser.isSet(helpOption)) {
        // Without an application object the parser knows no program name for its usage line.
        QString help = parser.helpText();
        const QString usage = QStringLiteral("Usage: ");
        if (help.startsWith(usage)) {
            qsizetype end = help.indexOf(QLatin1Char(' '), usage.size());
            if (end < 0)
                end = help.indexOf(QLatin1Char('\n'));
            help.replace(usage.size(), end - usage.size(), program);
        }
        out << help.toStdString();
        return 0;
    }
    if (parser.isSet(versionOption)) {
        out << ApplicationName << ' ' << ApplicationVersion << '\n';
        return 0;
    }
    const QStringList files = parser.positionalArguments();
    if (int(parser.isSet(dumpOption)) + int(parser.isSet(resaveOption)) + int(parser.isSet(exportOption)) +
            int(parser.isSet(effectOption)) + int(parser.isSet(importJsonOption)) + int(parser.isSet(validateOption)) +
            int(parser.isSet(importAnimationOption)) >
        1) {
        err << "--dump, --resave, --export, --effect, --import-json, --validate and --import-animation cannot be "
               "used together\n";
        return 1;
    }
    if (parser.isSet(importJsonOption)) {
        if (files.size() != 2) {
            err << "usage: --import-json IN.json OUT.pat\n";
            return 1;
        }
        return importJsonCommand(files[0], files[1], std::cin, err);
    }
    if (parser.isSet(validateOption)) {
        if (files.size() != 1) {
            err << "usage: --validate FILE [--profile NAME] [--json]\n";
            return ValidateUnreadable;
        }
        return validateCommand(files[0], parser.value(profileOption), parser.isSet(jsonOption), programDir, out, err);
    }
    if (parser.isSet(dumpOption)) {
        if (files.size() != 1) {
            err << "usage: --dump FILE\n";
            return 1;
        }
        return dumpCommand(files[0], out, err);
    }
    if (parser.isSet(resaveOption)) {
        if (files.size() != 2) {
            err << "usage: --resave IN OUT\n";
            return 1;
        }
        return resaveCommand(files[0], files[1], err);
    }
    if (parser.isSet(exportOption)) {
        if (files.size() != 3) {
            err << "usage: --export IN GLOWSHOW OUT [--profile NAME] [--speed PERCENT] [--loop] [--scale N]\n";
            return 1;
        }
        model::TDocument doc;
        if (!readForCommand(doc, files[0], err))
            return 1;
        return exportCommand(doc,
                             {files[0], files[1], files[2], parser.value(profileOption), parser.value(speedOption),
                              parser.value(scaleOption), parser.isSet(loopOption), programDir},
                             err);
    }
    if (parser.isSet(effectOption)) {
        if (files.size() < 4) {
            err << "usage: --effect IN GLOWSHOW OUT NAME [KEY=VALUE]... [--profile NAME]\n";
            return 1;
        }
        model::TDocument doc;
        if (!readForCommand(doc, files[0], err) || refuseDirectory(files[2], err))
            return 1;
        return effectCommand(
            doc, {files[0], files[1], files[2], files[3], files.mid(4), parser.value(profileOption), programDir}, err);
    }
    if (parser.isSet(importAnimationOption)) {
        if (files.size() != 2) {
            err << "usage: --import-animation IN.gif|IN.webp OUT.pat [--profile NAME] [--into FILE.pat]\n";
            return 1;
        }
        model::TDocument into;
        if (parser.isSet(intoOption) && !readForCommand(into, parser.value(intoOption), err))
            return 1;
        return importAnimationCommand({files[0], files[1], parser.value(profileOption), programDir},
                                      parser.isSet(intoOption) ? &into : nullptr, out, err);
    }
    err << "no command given; see --help\n";
    return 1;
}

} // namespace editor
