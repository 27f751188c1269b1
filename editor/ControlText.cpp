#include "ControlText.h"

#include <QComboBox>

namespace editor {

QString captionText(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

std::string captionSource(const QString &caption)
{
    return caption.toStdString();
}

void addSorted(QComboBox *box, const QString &text)
{
    int at = box->count();
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i).compare(text, Qt::CaseInsensitive) > 0) {
            at = i;
            break;
        }
    box->insertItem(at, text);
}

int findIgnoringCase(const QComboBox *box, const QString &text)
{
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

} // namespace editor
