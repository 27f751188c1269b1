#pragma once

#include <QDialog>
#include <QList>
#include <QObject>
#include <QString>
#include <QWidget>

namespace testing_support {

// True when `object` belongs to `window` itself rather than to a dialog it owns: the glowshow
// type dialog and the About box are children of the main window and reuse names like "Button1".
inline bool ownedByWindow(const QObject *object, const QWidget &window)
{
    for (const QObject *o = object->parent(); o && o != &window; o = o->parent())
        if (qobject_cast<const QDialog *>(o))
            return false;
    return true;
}

// The one object of type T named `name` in `window`, found as users' scripts find controls.
// Returns nullptr and says why in `problem` when there is none or more than one.
template <class T> T *findNamedChild(const QWidget &window, const QString &name, QString &problem)
{
    QList<T *> found;
    for (T *candidate : window.findChildren<T *>(name))
        if (ownedByWindow(candidate, window))
            found.append(candidate);
    if (found.size() == 1)
        return found.front();
    const QString type = QString::fromLatin1(T::staticMetaObject.className());
    if (found.isEmpty()) {
        const QObject *other = window.findChild<QObject *>(name);
        problem = QStringLiteral("%1 has no %2 named \"%3\"").arg(window.objectName(), type, name);
        if (other)
            problem += QStringLiteral(" (there is a %1 of that name)")
                           .arg(QString::fromLatin1(other->metaObject()->className()));
    } else {
        problem = QStringLiteral("%1 has %2 objects of type %3 named \"%4\"")
                      .arg(window.objectName())
                      .arg(found.size())
                      .arg(type, name);
    }
    return nullptr;
}

} // namespace testing_support
