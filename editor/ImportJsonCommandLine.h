#pragma once

#include <QString>

#include <istream>
#include <ostream>

namespace editor {

// --import-json IN OUT: the document IN describes (JSON, as --dump prints it; "-" is `input`)
// saved as OUT. Returns the exit code: 0, or 1 with a message naming the file and the field,
// and OUT untouched.
int importJsonCommand(const QString &in, const QString &out, std::istream &input, std::ostream &err);

} // namespace editor
