#include "ActionLink.h"

#include <QAbstractButton>
#include <QAction>

namespace editor {

void linkToAction(QAction *item, QAction *action)
{
    auto sync = [item, action] {
        item->setText(action->text());
        item->setEnabled(action->isEnabled());
    };
    sync();
    QObject::connect(action, &QAction::changed, item, sync);
    QObject::connect(item, &QAction::triggered, action, [action] { action->trigger(); });
}

void linkToAction(QAbstractButton *button, QAction *action)
{
    auto sync = [button, action] {
        button->setText(action->text());
        button->setEnabled(action->isEnabled());
    };
    sync();
    QObject::connect(action, &QAction::changed, button, sync);
    QObject::connect(button, &QAbstractButton::clicked, action, [action] { action->trigger(); });
}

} // namespace editor
