#include "Startup.h"

#include "AboutForm.h"
#include "ErrorBox.h"
#include "Unit2.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

namespace editor {

EditorForms::~EditorForms() = default;

EditorForms createForms(EditorEnvironment environment)
{
    EditorForms forms;
    forms.MForm = std::make_unique<TMForm>(std::move(environment));
    forms.SForm = std::make_unique<TSForm>(forms.MForm.get());
    forms.MForm->SForm = forms.SForm.get();
    TMForm *main = forms.MForm.get();
    forms.AForm = std::make_unique<TAForm>(
        [main](TAForm *about) {
            main->AForm = about;
            runGuarded(main, [main] { main->execute("AMFormCreate"); });
        },
        main);
    return forms;
}

int runEditor(int argc, char **argv)
{
    QApplication app(argc, argv);
    // No display name: Qt would append it to every window title, and the main window's caption
    // names the program already.
    QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
    QApplication::setApplicationVersion(QStringLiteral("2.1.1"));
    QApplication::setOrganizationName(QString::fromLatin1(ApplicationTitle));

    EditorEnvironment environment;
    environment.programDir = QDir(QCoreApplication::applicationDirPath()).absolutePath() + QLatin1Char('/');
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    environment.arguments = arguments;

    EditorForms forms = createForms(std::move(environment));
    forms.MForm->show();
    // Lets the start-up benchmark time process start to the shown window.
    if (qEnvironmentVariableIsSet("GLOWSHOW_QUIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}

} // namespace editor
