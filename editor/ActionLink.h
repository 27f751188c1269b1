#pragma once

class QAction;
class QAbstractButton;

namespace editor {

// A menu item or button linked to a command: it shows the command's caption and enabled
// state and executes the command when chosen.
void linkToAction(QAction *item, QAction *action);
void linkToAction(QAbstractButton *button, QAction *action);

} // namespace editor
