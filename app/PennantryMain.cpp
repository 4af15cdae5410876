// The desktop program's entry point: the command line, then everything else is GameApp's.
#include "CommandLine.h"
#include "GameApp.h"

int main(int argc, char** argv)
{
    // Read before the application object, so that --help and --version need no display.
    pennantry::CommandLine commandLine("pennantry", "Plays Pennantry in a window.\n");
    if (const auto status = commandLine.Parse(argc, argv, stdout, stderr))
        return *status;
    pennantry::GameApp app(argc, argv);
    return app.Run();
}
