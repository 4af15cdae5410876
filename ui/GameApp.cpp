// The application object: the platform's side of the program.
#include "GameApp.h"

#include "TemplateBuilder.h"

namespace pennantry {

// The application's name stays the program file's name, which every uncaptioned box bears.
GameApp::GameApp(int& argc, char** argv) : app_(argc, argv)
{
    // The program lives exactly as long as its main window, which is run modally; the About box
    // closing before that window is first shown must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ProgramIcon());
}

}  // namespace pennantry
