// Plays one start of the session through the Qt window's own input path, offscreen: clicks on its
// buttons, Enter and Escape on whatever is open. The commands come on standard input, one a line;
// the game is seeded with --seed N and its window operations recorded in --transcript FILE.
#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <deque>
#include <fstream>
#include <iostream>
#include <map>

#include "Controls.h"
#include "GameWindow.h"
#include "SettingsStore.h"
#include "TemplateBuilder.h"

int main(int argc, char** argv)
{
    using namespace pennantry;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc != 5)
        return 2;
    std::deque<std::string> commands;
    for (std::string line; std::getline(std::cin, line);)
        commands.push_back(line);
    const std::map<std::string, Command> clicked{
        {"pitch", Command::Pitch},           {"swing", Command::Swing},         {"save", Command::SaveAndExit},
        {"help", Command::HelpAbout},        {"attack", Command::Attack},       {"surrender", Command::SurrenderBase},
        {"return", Command::ReturnToBase},   {"run-level", Command::RunLevel},  {"hit-level", Command::HitLevel},
        {"pitch-level", Command::PitchLevel}, {"catch-level", Command::CatchLevel}, {"icon", Command::AboutIcon}};
    // Each command goes to the window open when its turn comes, once that window has been seen
    // waiting at two polls in a row: a window seen once may be one that is about to close, in the
    // same pass of an event loop as the box over it. A command that fits no control there waits.
    QTimer poll;
    QPointer<QWidget> seen;
    bool acting = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* window = QApplication::activeModalWidget();
        const bool steady = window != nullptr && window == seen;
        seen = window;
        if (acting || !steady || commands.empty())
            return;
        acting = true;
        seen = nullptr;
        QTimer::singleShot(0, &poll, [&, window = QPointer<QWidget>(window)] {
            acting = false;
            if (!window || window != QApplication::activeModalWidget())
                return;
            const std::string command = commands.front();
            QWidget* control = clicked.count(command) ? Control(*window, ControlOf(clicked.at(command))) : window.data();
            if (control == nullptr)
                return;
            commands.pop_front();
            if (command == "close")
                window->close();
            else if (control == window)
                QTest::keyClick(window, command == "escape" ? Qt::Key_Escape : Qt::Key_Return);
            else
                QTest::mouseClick(control, Qt::LeftButton);
        });
    });
    poll.start(5);
    std::ofstream transcript(argv[4]);
    PlayVariables play;
    ClassicRandom random;
    SteppingClock clock(std::stoll(argv[2]));
    SettingsStore store(DefaultStorePath());
    GameWindow window(random, clock, store, play, [&transcript](const std::string& op) { transcript << op << '\n'; });
    if (window.StartUp())
        window.Run();
    return commands.empty() ? 0 : 1;
}
