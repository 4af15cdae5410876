// One game of Pennantry: its state and every operation that reads and writes it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Commands.h"
#include "PlayVariables.h"
#include "Random.h"
#include "SavedGameStore.h"
#include "Scoreboard.h"
#include "WindowOps.h"

namespace pennantry {


// The message start-up shows when the saved game can be neither read nor created.
inline constexpr const char* StoreFailureText = "Sorry - you need administrator privileges to run Pennantry.";
// The system-menu command that opens the About box.
inline constexpr unsigned AboutCommand = 16;

// Lives as long as the main window. Everything it shows goes through the WindowOps it is
// given; everything outside (the generator, the clock, the store, the play variables) is
// handed in and must outlive it.
class Game {
public:
    Game(WindowOps& view, Random& random, Clock& clock, SavedGameStore& store, PlayVariables& play);

    // The main window's start-up, once its controls exist and before it is first shown: seed,
    // open the store, the About box, then the saved game or a new one. False when the store
    // could not be opened; the message has been shown and the window closed.
    bool StartUp();

    // The main window's commands. None is live while a play runs (a box or dialog is open over
    // the window: a close then never saves half a play) or once the window has closed; a play
    // button is live only while it is enabled.
    bool IsLive(Command command) const;
    // What Enter gives in the main window: the live play button, never Save & Exit.
    std::optional<Command> EnterCommand() const;
    // Gives a main-window command through its handler; false, with nothing done, when it is not live.
    bool Perform(Command command);

    // Saves the game as the close box does but leaves the window open, for a window the system
    // may end without a close (a hidden browser tab): only when the close box is live, so never
    // half a play and never once the window has closed. True when the game was saved.
    bool Keep();

    // Handlers of the main window; the commands above reach them.
    void OnPitch();
    void OnReadyToSwing();
    void OnSaveAndExit();
    void OnClose();
    void OnCancel();
    void OnHelpAbout();
    // True when the command was the About item (any of its low-bit variants).
    bool OnSysCommand(unsigned id);

    // What the views read: the scoreboard and the three runner flags, as the game holds them now.
    const Scoreboard& Board() const { return board_; }
    std::uint8_t RunnerOnFirst() const { return runnerOnFirst_; }
    std::uint8_t RunnerOnSecond() const { return runnerOnSecond_; }
    std::uint8_t RunnerOnThird() const { return runnerOnThird_; }
    // The eighteen values a save writes now, in the order it writes them.
    std::vector<std::pair<std::string, std::string>> SavedValues() const;

private:
    // The steps of a play and of the saved game; only the handlers above start them.
    void ResolvePitch();
    void RecordOut();
    Answer AnnounceGameOver();
    void NewGame();
    void AdvanceRunners();
    void ClearBases();
    void ScoreRun();
    int DrawMonsterSkill();
    void RunBattle();
    void AttemptDouble();
    void AttemptTriple();
    void AttemptHomeRun();
    void SettleStoppedRunner();

    bool Start();
    void LoadSavedGame();
    // Nothing when the game was saved (or erased), else the store's reason.
    std::optional<std::string> SaveGame();
    std::optional<std::string> EraseSavedGame();

    int Draw(int n);
    void EnablePlay(PlayButton button, bool enabled);
    void Close();
    void UpdateData();
    void Announce(const std::string& text);
    void SetBase(int base, std::uint8_t occupied);
    // The three outcomes of a pitch; a ball in play is caught or a hit.
    void Strike();
    void Ball();
    void BallInPlay(int pitchRoll);
    void EndPitch();
    // One extra-base attempt; false when the running stopped there (or the game ended in it).
    bool Attempt(void (Game::*announceAndFight)());
    void Hit(int pitchRoll);
    // A saved value as the game reads it: nothing when missing or too long, cut at a NUL byte.
    std::optional<std::string> ReadSaved(std::string_view name);

    Scoreboard board_;
    std::uint8_t runnerOnFirst_ = 0;
    std::uint8_t runnerOnSecond_ = 0;
    std::uint8_t runnerOnThird_ = 0;
    // The change-of-sides announcement, composed here so that its memory is reused.
    std::string announcement_;

    WindowOps& view_;
    Random& random_;
    Clock& clock_;
    SavedGameStore& store_;
    PlayVariables& play_;
    // Set when a game ends inside a play; the rest of that play then does nothing more.
    bool gameEndedInPlay_ = false;
    // The play buttons as the window shows them: Pitch alone until a game is loaded or begun.
    bool pitchEnabled_ = true;
    bool swingEnabled_ = false;
    // A command's handler is running, so a box or dialog may be open over the window.
    bool busy_ = false;
    bool closed_ = false;
};

}  // namespace pennantry
