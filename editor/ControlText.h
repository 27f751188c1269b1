#pragma once

#include <QString>
#include <string>

class QAction;
class QComboBox;
class QSize;
class QWidget;

namespace editor {

// A text from a file as a caption. As in the language files' own convention, '&' marks the
// shortcut letter of menus and buttons ("&&" shows one '&'); nothing is read as rich text.
QString captionText(const std::string &utf8);
// The caption back as the file's text.
std::string captionSource(const QString &caption);

// The name of a step done by a command: its caption without the shortcut mark.
QString stepName(const QAction *action);

// Fixes a window's size at `designed`, or larger where its captions need more room.
void fitFixedSize(QWidget *window, QSize designed);
// Keeps a resizable window at least that large; a window below it grows.
void fitMinimumSize(QWidget *window, QSize designed);

// Adds an item in order without regard to letter case; equal names are all kept.
void addSorted(QComboBox *box, const QString &text);
// The first item equal to `text` without regard to case, or -1.
int findIgnoringCase(const QComboBox *box, const QString &text);

} // namespace editor
