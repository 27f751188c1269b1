#pragma once

#include "model/Document.h"

#include <QString>

#include <ostream>

namespace editor {

// --import-animation IN OUT and its options, as typed.
struct AnimationImportArguments {
    QString in, out;
    QString profile;    // empty: the one the settings hold
    QString programDir; // where Profiles/ and Languages/ are; empty: the executable's folder
};

// Reads the animation IN into a glowshow and writes OUT: `into` (read from --into) with the
// glowshow appended, or a file of that one glowshow when `into` is null. Reports errors to
// `err`, naming the file, and writes nothing then; returns the exit code.
int importAnimationCommand(const AnimationImportArguments &arguments, const model::TDocument *into, std::ostream &out,
                           std::ostream &err);

} // namespace editor
