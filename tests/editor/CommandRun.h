#pragma once

#include "editor/CommandLine.h"

#include <sstream>
#include <string>
#include <vector>

namespace editor_test {

struct CommandRun {
    int code = -1; // -1: the GUI would have started
    std::string out, err;
};

// The command line as the program runs it, with `args` after the program's name and the
// shipped data folder as program folder.
inline CommandRun runCommand(std::vector<std::string> args)
{
    args.insert(args.begin(), "GlowshowEditor2");
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::ostringstream out, err;
    const auto code = editor::runCommandLine(int(args.size()), argv.data(), out, err, QStringLiteral(GLOW_DATA_DIR));
    return {code.value_or(-1), out.str(), err.str()};
}

} // namespace editor_test
