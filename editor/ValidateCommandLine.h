#pragma once

#include <QString>

#include <ostream>

namespace editor {

// Exit codes of --validate.
enum ValidateExit { ValidateClean = 0, ValidateProblems = 1, ValidateUnreadable = 2 };

// --validate FILE [--profile NAME] [--json]: lists what a phone may not accept, one finding a
// line (or a JSON list). 0 when there is nothing but notes, 1 with an error, 2 when the file
// (or the profile) cannot be read. `programDir` empty: the executable's folder.
int validateCommand(const QString &fileName, const QString &profile, bool json, const QString &programDir,
                    std::ostream &out, std::ostream &err);

} // namespace editor
