#include "WindowBench.h"

#include "editor/GlowFileIO.h"
#include "editor/Unit1.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <chrono>

namespace bench {

editor::EditorForms openInEditor(const std::string &home, const model::TDocument &document)
{
    const QString file = QFile::decodeName((home + "/document.pat").c_str());
    model::TDocument copy = document;
    editor::WriteGlowFile(copy, file);
    editor::EditorEnvironment environment;
    environment.programDir = QStringLiteral(GLOW_DATA_DIR);
    environment.arguments = QStringList{file};
    environment.settingsFile = QFile::decodeName((home + "/settings.ini").c_str());
    editor::EditorForms forms = editor::createForms(std::move(environment));
    forms.MForm->show();
    QCoreApplication::processEvents();
    return forms;
}

bool measureTicks(int count, int interval,
                  const std::function<QMetaObject::Connection(std::function<void()>)> &connectTick,
                  const std::function<void()> &start, std::vector<double> &errors)
{
    std::vector<std::chrono::steady_clock::time_point> stamps;
    QEventLoop loop;
    const QMetaObject::Connection connection = connectTick([&] {
        stamps.push_back(std::chrono::steady_clock::now());
        if (int(stamps.size()) == count)
            QTimer::singleShot(0, &loop, &QEventLoop::quit);
    });
    QTimer::singleShot(interval * (count + 2) + 2000, &loop, &QEventLoop::quit);
    start();
    loop.exec();
    QObject::disconnect(connection);
    appendTickErrors(stamps, interval, errors);
    return int(stamps.size()) == count;
}

void appendTickErrors(const std::vector<std::chrono::steady_clock::time_point> &stamps, int interval,
                      std::vector<double> &errors)
{
    for (std::size_t i = 1; i < stamps.size(); ++i)
        errors.push_back(std::chrono::duration<double, std::milli>(stamps[i] - stamps[i - 1]).count() - interval);
}

} // namespace bench
