#include "TestHelpers.h"

#include <QFile>
#include <stdexcept>

namespace testing_support {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return f.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray fromHex(const char *hex)
{
    QByteArray compact;
    for (const char *p = hex; *p; ++p)
        if (*p != ' ' && *p != '\n' && *p != '\t')
            compact.append(*p);
    return QByteArray::fromHex(compact);
}

} // namespace testing_support
