#pragma once

#include "model/Document.h"

#include <optional>
#include <ostream>
#include <string>

namespace editor {

// Handles the non-GUI invocations: --dump FILE, --resave IN OUT, --help, --version.
// Returns std::nullopt when the GUI should start (no arguments, or a file to open as the first
// argument); otherwise the process exit code. Creates no application object.
std::optional<int> runCommandLine(int argc, char **argv);
std::optional<int> runCommandLine(int argc, char **argv, std::ostream &out, std::ostream &err);

// The document as one JSON object; trailer bytes become the characters U+0000 to U+00FF.
std::string dumpJson(const model::TDocument &doc);

} // namespace editor
