#pragma once

#include "editor/CommandLine.h"

#include <sstream>
#include <string>
#include <vector>

namespace editor_test {

// The code of a command line that would have started the GUI.
inline constexpr int StartsGui = -1;

struct CommandRun {
    int code = StartsGui;
    std::string out, err;
};

// The command line as the program runs it, called `program`, with `args` after that name.
// `programDir` empty: the executable's folder, as for the program itself.
inline CommandRun runCommandAs(const std::string &program, std::vector<std::string> args,
                               const QString &programDir = {})
{
    args.insert(args.begin(), program);
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::ostringstream out, err;
    const auto code = editor::runCommandLine(int(args.size()), argv.data(), out, err, programDir);
    return {code.value_or(StartsGui), out.str(), err.str()};
}

// The same with the shipped data folder as program folder.
inline CommandRun runCommand(std::vector<std::string> args)
{
    return runCommandAs("GlowshowEditor2", std::move(args), QStringLiteral(GLOW_DATA_DIR));
}

} // namespace editor_test
