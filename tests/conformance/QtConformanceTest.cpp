// The session played through the Qt window's own input path: mouse clicks on its buttons and
// Enter on its boxes, offscreen, with the real store in a folder of its own.
#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <unistd.h>

#include "../ui/ModalScript.h"
#include "AboutBox.h"
#include "BattleDialog.h"
#include "Controls.h"
#include "GameWindow.h"
#include "SettingsStore.h"
#include "SkillUpgradeDialog.h"
#include "TemplateBuilder.h"

namespace pennantry {
namespace {

namespace fs = std::filesystem;

std::string FileText(const fs::path& file)
{
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The session's commands by name; "ok" and "yes" are Enter on whatever is open.
const std::map<std::string, Command> Commands{
    {"pitch", Command::Pitch},           {"swing", Command::Swing},         {"save", Command::SaveAndExit},
    {"attack", Command::Attack},         {"surrender", Command::SurrenderBase}, {"return", Command::ReturnToBase},
    {"run-level", Command::RunLevel},    {"hit-level", Command::HitLevel},  {"pitch-level", Command::PitchLevel},
    {"catch-level", Command::CatchLevel}};

TEST(Conformance, TheQtWindowPlaysTheSessionAsEveryEditionDoes)
{
    std::string seed, saved, line;
    std::vector<std::vector<std::string>> starts;
    std::ifstream session(PENNANTRY_CONFORMANCE "/session.txt");
    while (std::getline(session, line)) {
        std::istringstream words(line);
        std::string first, word;
        words >> first;
        if (first == "seed")
            words >> seed;
        else if (first == "saved")
            std::getline(words, saved);
        else if (first == "start")
            for (starts.emplace_back(); words >> word;)
                for (int n = word.find('*') == std::string::npos ? 1 : std::stoi(word.substr(word.find('*') + 1)); n > 0; --n)
                    starts.back().push_back(word.substr(0, word.find('*')));
    }
    ASSERT_EQ(starts.size(), 2u);

    const fs::path folder = fs::temp_directory_path() / ("pennantry-conformance-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::ofstream(folder / "Pennantry.conf") << "[General]\n" << std::regex_replace(saved.substr(1), std::regex(" "), "\n") << "\n";
    std::string transcript;
    for (const auto& commands : starts) {
        test::ModalScript script;
        for (const std::string& command : commands)
            script.Then([](QWidget*) { return true; }, [command](QWidget* window) {
                if (command == "ok" || command == "yes" || command == "escape")
                    QTest::keyClick(window, command == "escape" ? Qt::Key_Escape : Qt::Key_Return);
                else
                    QTest::mouseClick(Control<QAbstractButton>(*window, ControlOf(Commands.at(command))), Qt::LeftButton);
            });
        transcript += "start\n";
        PlayVariables play;
        ClassicRandom random;
        SteppingClock clock(std::stoll(seed));
        SettingsStore store((folder / "Pennantry.conf").string());
        GameWindow window(random, clock, store, play, [&transcript](const std::string& op) { transcript += op + "\n"; });
        if (window.StartUp())
            window.Run();
    }
    std::vector<std::string> values;
    std::istringstream file(FileText(folder / "Pennantry.conf"));
    while (std::getline(file, line))
        if (line.find('=') != std::string::npos)
            values.push_back("saved " + line);
    std::sort(values.begin(), values.end());
    for (const auto& value : values)
        transcript += value + "\n";
    fs::remove_all(folder);
    EXPECT_EQ(transcript, FileText(PENNANTRY_CONFORMANCE "/expected.txt"));
}

}  // namespace
}  // namespace pennantry
