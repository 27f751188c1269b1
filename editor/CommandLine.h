#pragma once

#include "glowjson/GlowJson.h"
#include "model/Document.h"

#include <QString>

#include <optional>
#include <ostream>
#include <string>

namespace editor {

// Handles the non-GUI invocations: --dump FILE, --resave IN OUT, --export IN GLOWSHOW OUT,
// --effect IN GLOWSHOW OUT NAME [KEY=VALUE]..., --import-json IN OUT, --validate FILE,
// --help, --version.
// Returns std::nullopt when the GUI should start (no arguments, or a file to open as the first
// argument); otherwise the process exit code. Creates no application object.
std::optional<int> runCommandLine(int argc, char **argv);
// `programDir` (where Profiles/ and Languages/ are) empty: the executable's folder.
std::optional<int> runCommandLine(int argc, char **argv, std::ostream &out, std::ostream &err,
                                  const QString &programDir = {});

using glowjson::dumpJson;

} // namespace editor
