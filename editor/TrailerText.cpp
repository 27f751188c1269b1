#include "TrailerText.h"

#include "profiles/CodePage.h"

namespace editor {

QString trailerTextToDisplay(const std::string &bytes)
{
    return QString::fromStdString(profiles::decodeAnsi(bytes));
}

std::string trailerTextFromDisplay(const QString &text, const char *lineBreak)
{
    QString t = text;
    if (lineBreak)
        t.replace(QLatin1Char('\n'), QString::fromLatin1(lineBreak));
    return profiles::encodeAnsi(t.toStdString());
}

} // namespace editor
