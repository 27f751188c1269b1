#pragma once

#include <QStringList>

#include <span>

class QMenu;
class QWidget;

namespace editor {

class TMForm;

// Object names of the controls in the order Tab visits them: each page in reading order.
std::span<const char *const> tabOrder();

// Gives every caption without a shortcut letter the first letter no other caption uses yet;
// captions that have one keep it. "&&" is a literal '&'.
QStringList withMnemonics(const QStringList &captions);

// Tab order, page switching, the Glowshow, Element and View menus and mnemonics in every menu.
void installKeyboard(TMForm &form);

} // namespace editor
