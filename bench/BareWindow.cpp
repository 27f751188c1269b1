// The start-up floor: what any Qt program pays to show an empty main window.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.show();
    if (qEnvironmentVariableIsSet("GLOWSHOW_QUIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
