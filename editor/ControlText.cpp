#include "ControlText.h"

#include <QAction>

#include <QComboBox>
#include <QLayout>
#include <QWidget>

namespace editor {

QString stepName(const QAction *action)
{
    QString name = action->text();
    name.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    name.remove(QLatin1Char('&'));
    name.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return name;
}

QString captionText(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

std::string captionSource(const QString &caption)
{
    return caption.toStdString();
}

namespace {

// The least size for the captions shown now, never below `designed`.
QSize captionsSize(QWidget *window, QSize designed)
{
    // Unpolished widgets do not know their style's margins yet, and the layouts of pages not
    // shown yet still hold the sizes of the captions before.
    window->ensurePolished();
    for (QWidget *w : window->findChildren<QWidget *>())
        w->updateGeometry();
    for (QLayout *l : window->findChildren<QLayout *>())
        l->invalidate();
    return window->minimumSizeHint().expandedTo(designed);
}

} // namespace

void fitFixedSize(QWidget *window, QSize designed)
{
    window->setFixedSize(captionsSize(window, designed));
}

void fitMinimumSize(QWidget *window, QSize designed)
{
    window->setMinimumSize(captionsSize(window, designed));
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
