#pragma once

#include <QByteArray>
#include <QString>

namespace testing_support {

QByteArray readAll(const QString &path);
void writeAll(const QString &path, const QByteArray &bytes);
// Bytes from a hex text such as "01 01 00 0C"; blanks and newlines are ignored.
QByteArray fromHex(const char *hex);

} // namespace testing_support
