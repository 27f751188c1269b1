#include "ChildProcess.h"

#include <QByteArray>

#include <cstdio>
#include <map>
#include <string>

namespace testing_support {

namespace {

std::map<std::string, int (*)()> &children()
{
    static std::map<std::string, int (*)()> registered;
    return registered;
}

} // namespace

ChildProcess::ChildProcess(const char *name, int (*body)())
{
    children()[name] = body;
}

bool runRequestedChild(int &exitCode)
{
    const QByteArray name = qgetenv(ChildVariable);
    if (name.isEmpty())
        return false;
    const auto found = children().find(name.toStdString());
    if (found == children().end()) {
        std::fprintf(stderr, "no test child named %s\n", name.constData());
        exitCode = 2;
    } else {
        exitCode = found->second();
    }
    return true;
}

} // namespace testing_support
