// The desktop program's entry point: everything else is GameApp's.
#include "GameApp.h"

int main(int argc, char** argv)
{
    pennantry::GameApp app(argc, argv);
    return app.Run();
}
