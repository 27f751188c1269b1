#pragma once

#include "CellDescription.h"

#include <QString>

#include <span>

class QWidget;

namespace editor {

class TMForm;

// How a control is named for assistive technology: by the caption of a label or group beside
// it, or by a text of its own; and, where that alone is unclear, described.
struct AccessibleText {
    const char *control;        // object name
    const char *label;          // object name of the label or group that names it, or nullptr
    const char *nameKey;        // "Editor" key of its name when no label names it
    const char *descriptionKey; // "Editor" key of its description, or nullptr
};

std::span<const AccessibleText> accessibleTexts();

// The control of that object name: `root` itself or one inside it.
QWidget *controlNamed(QWidget *root, const char *name);

// A caption as a name: without shortcut marks and a trailing colon.
QString accessibleCaption(const QString &caption);

// Names and describes the controls of `window` in the language of `text`; run again after
// every change of language.
void applyAccessibleTexts(QWidget *window, const TextOf &text);

// Names the controls now and after each language change, and exposes the colour grid's cells,
// headers and range (Qt's table view announces the current cell itself).
void installAccessibility(TMForm &form);

} // namespace editor
