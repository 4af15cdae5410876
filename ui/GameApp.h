// The application object: the platform's side of the program, which lives exactly as long as
// its main window.
#pragma once

#include <QApplication>

namespace pennantry {

class GameApp {
public:
    GameApp(int& argc, char** argv);

private:
    QApplication app_;
};

}  // namespace pennantry
