// The game's window on a terminal: what the window shows and how its modal prompts run, shared
// by the human face and the machine face.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "BattleRules.h"
#include "Game.h"
#include "SkillUpgradeRules.h"
#include "TermInput.h"
#include "WindowOps.h"

namespace pennantry {

enum class TermDialog { About, Skill, Battle };
enum class TermButton { Pitch, Swing, Ok, Return };

// Everything the terminal currently shows: the main window as last set, the open dialog (at most
// one), and the message box or question over them.
struct TermScreen {
    bool shown = false;  // the main window has been shown
    Scoreboard labels;   // blank until the first refresh, as the window's labels are
    bool pitchEnabled = true;
    bool swingEnabled = false;
    bool ballShown = false;
    std::array<bool, 3> bases{};  // first, second, third

    std::optional<TermDialog> dialog;
    std::optional<Skill> skillSelected;
    bool okEnabled = false;
    BattleLabels battle;
    bool returnEnabled = false;

    bool boxOpen = false;
    bool question = false;
    std::string boxCaption;
    std::string boxText;
};

// Implements the window operations and the two dialogs' views; a face derives from it to write
// each change and to read the player's input. Once the window has closed, every later operation
// is ignored and nothing more is written.
class TermWindow : public WindowOps {
public:
    // appName is the caption of every box that has none of its own.
    explicit TermWindow(std::string appName);

    // After a successful start-up: shows the main window and takes the player's commands until it
    // closes. The end of input there acts as the close box. Throws InputEnded when the input
    // ends at any other prompt.
    void Run(Game& game);
    bool Closed() const { return closed_; }

    void RefreshLabels(const Scoreboard& board) override;
    void EnablePlayButton(PlayButton button, bool enabled) override;
    void ShowBall(bool shown) override;
    void SetBasePicture(int base, bool occupied) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    Answer AskYesNo(const std::string& text) override;
    void RunAboutDialog() override;
    void RunSkillDialog(SkillUpgradeRules& rules) override;
    void RunBattleDialog(BattleRules& rules) override;
    void CloseWindow() override;

protected:
    const TermScreen& Screen() const { return screen_; }
    const std::string& AppName() const { return appName_; }

    // Each is told of a change after the screen holds it.
    virtual void WriteRefresh() {}
    virtual void WriteButton(TermButton, bool) {}
    virtual void WriteBall() {}
    virtual void WriteBase(int) {}
    virtual void WriteBox() {}
    virtual void WriteDialog(TermDialog, bool) {}
    virtual void WriteBattle() {}
    virtual void WriteShow() {}
    virtual void WriteClose() {}
    virtual void WriteIgnored(const TermInput&) {}

    // Waits for the player's next input at the prompt; End when the input has ended.
    virtual TermInput Read(Prompt prompt) = 0;

private:
    class SkillAdapter;
    class BattleAdapter;
    class AboutAdapter;

    // Gives the command the input names (Enter: the one the rules name) through `perform`; input
    // that gives nothing live is reported as ignored.
    template <class Rules, class Perform>
    void Give(const Rules& rules, const TermInput& input, Perform perform);

    // Reads at a modal prompt, where the end of input ends the program.
    TermInput ReadModal(Prompt prompt);
    void Ignore(const TermInput& input);
    void OpenBox(const std::string& text, const std::string& caption, bool question);
    void OpenDialog(TermDialog dialog);
    void CloseDialog(TermDialog dialog, std::optional<TermDialog> previous);

    std::string appName_;
    TermScreen screen_;
    bool closed_ = false;
};

}  // namespace pennantry
