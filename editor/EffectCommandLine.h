#pragma once

#include "model/Document.h"

#include <QString>
#include <QStringList>

#include <ostream>

namespace editor {

// --effect IN GLOWSHOW OUT NAME [KEY=VALUE]... as typed.
struct EffectArguments {
    QString in, glowshow, out, name;
    QStringList items;  // KEY=VALUE
    QString profile;    // empty: the one the settings hold
    QString programDir; // empty: the executable's folder
};

// Writes OUT as `doc` (read from IN) with the effect applied, through the safe save. On bad
// input reports the problem to `err`, writes nothing and returns 1.
int effectCommand(model::TDocument &doc, const EffectArguments &arguments, std::ostream &err);

} // namespace editor
