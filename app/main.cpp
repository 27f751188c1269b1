#include "editor/CommandLine.h"
#include "editor/Startup.h"

int main(int argc, char **argv)
{
    if (const auto exitCode = editor::runCommandLine(argc, argv))
        return *exitCode;
    return editor::runEditor(argc, argv);
}
