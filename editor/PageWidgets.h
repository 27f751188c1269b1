#pragma once

// Small builders the pages share: every control carries its object name from the start.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <functional>
#include <string_view>

class QAction;

namespace editor {

// The window's command of this object name ("AAddAllFrames"), which a page's button runs.
using CommandOf = std::function<QAction *(std::string_view name)>;

template <class W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

inline QLabel *label(const char *name, const char *text)
{
    auto *l = named(new QLabel(QString::fromUtf8(text)), name);
    l->setTextFormat(Qt::PlainText); // texts come from files: never rich text
    return l;
}

inline QGroupBox *group(const char *name, const char *title)
{
    return named(new QGroupBox(QString::fromUtf8(title)), name);
}

inline QPushButton *button(const char *name)
{
    return named(new QPushButton, name);
}

inline QSpinBox *spinEdit(const char *name, int minimum, int maximum, int step)
{
    auto *s = named(new QSpinBox, name);
    s->setRange(minimum, maximum);
    s->setSingleStep(step);
    return s;
}

} // namespace editor
