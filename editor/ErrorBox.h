#pragma once

#include <functional>

class QWidget;
class QString;

namespace editor {

inline constexpr const char *ApplicationTitle = "Glowshow Editor 2";

// The application's standard error box: a critical message titled "Glowshow Editor 2".
void showErrorBox(QWidget *parent, const QString &text);

// Runs a command at the edge of the event loop: any error it raises ends it and is shown once
// in the standard error box. Returns false when the command failed.
bool runGuarded(QWidget *parent, const std::function<void()> &command);

} // namespace editor
