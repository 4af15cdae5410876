// The application object: makes everything the game needs and runs the main window.
#pragma once

#include <QApplication>

namespace pennantry {

class GameApp {
public:
    GameApp(int& argc, char** argv);

    // Runs the program to its end and returns its exit status.
    int Run();

private:
    QApplication app_;
};

}  // namespace pennantry
