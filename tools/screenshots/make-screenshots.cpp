// Opens a programme file in the real main window, offscreen, and saves a picture of each page.
// Usage: make-screenshots PROGRAM_DIR FILE.pat OUTPUT_DIR

#include "editor/Startup.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: make-screenshots PROGRAM_DIR FILE.pat OUTPUT_DIR\n");
        return 2;
    }
    editor::EditorEnvironment environment;
    environment.programDir = QDir(args[1]).absolutePath() + QLatin1Char('/');
    environment.arguments = {args[2]};
    editor::EditorForms forms = editor::createForms(std::move(environment));
    editor::TMForm *window = forms.MForm.get();
    window->show();
    QCoreApplication::processEvents();

    if (!window->DocumentLoaded) {
        std::fprintf(stderr, "the file was not opened\n");
        return 1;
    }
    const QDir out(args[3]);
    const struct { QWidget *page; const char *name; } pages[] = {
        {window->Tab1, "setup"}, {window->Tab2, "edit-glowshows"}, {window->Tab3, "preview"}};
    for (const auto &[page, name] : pages) {
        window->PageControl1->setCurrentWidget(page);
        QCoreApplication::processEvents();
        const QString path = out.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
        if (!window->grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
