// The game's operations: the pitch, outs and innings, runners, runs, upgrades, battles and the
// saved game, each reaching the screen only through the window operations.
#include "Game.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>

#include "BattleRules.h"
#include "SkillUpgradeRules.h"
#include "Text.h"

namespace pennantry {
namespace {

using Field = std::string Scoreboard::*;

// Indexed by skill: Run, Hit, Pitch, Catch.
constexpr std::array<Field, 4> HumanLevels{&Scoreboard::HumanRunLevel, &Scoreboard::HumanHitLevel,
                                           &Scoreboard::HumanPitchLevel, &Scoreboard::HumanCatchLevel};
constexpr std::array<Field, 4> MonsterLevels{&Scoreboard::MonsterRunLevel, &Scoreboard::MonsterHitLevel,
                                             &Scoreboard::MonsterPitchLevel, &Scoreboard::MonsterCatchLevel};
constexpr std::array<const char*, 4> MonsterUpgradeLines{
    "ANNOUNCER: The Monsters chose to upgrade their Run Level!",
    "ANNOUNCER: The Monsters chose to upgrade their Hit Level!",
    "ANNOUNCER: The Monsters chose to upgrade their Pitch Level!",
    "ANNOUNCER: The Monsters chose to upgrade their Catch Level!",
};

// The announcements of every pitch and battle, built once, so that a pitch composes no text.
// Indexed by the side at bat: 0 the Monsters, 1 the Humans.
using BySide = std::array<std::string, 2>;
BySide Sides(const char* before, const char* monsters, const char* humans, const char* after)
{
    return {std::string(before) + monsters + after, std::string(before) + humans + after};
}
const std::array<std::string, 3> StrikeCalls{"UMPIRE: Stee-rike One!", "UMPIRE: Stee-rike Two!",
                                             "UMPIRE: Stee-rike Three! Yer Out!"};
const std::array<std::string, 3> BallCalls{"UMPIRE: Ball One!", "UMPIRE: Ball Two!", "UMPIRE: Ball Three!"};
const BySide WalkCalls = Sides("UMPIRE: Ball Four!\nANNOUNCER: A Walk for the ", "Monsters", "Humans", "!");
const BySide CaughtCalls{"ANNOUNCER: The Monster swings and hits the ball!\nANNOUNCER: The Human caught the ball!",
                         "ANNOUNCER: The Human swings and hits the ball!\nANNOUNCER: The Monster caught the ball!"};
const BySide HitCalls = Sides("ANNOUNCER: The ", "monster", "human", " swings, hits, and runs to the base!");
const BySide DoubleCalls = Sides("ANNOUNCER: The ", "monster", "human", " is going for a double!");
const BySide TripleCalls = Sides("ANNOUNCER: I can't believe this! The ", "monster", "human", " is going for a triple!");
const BySide HomeRunCalls = Sides("ANNOUNCER: The ", "monster", "human", " is going for a home run!");
const BySide SafeCalls = Sides("The ", "monster", "human", " returns to the base. The runner is SAFE!");
const std::string NoCaption;

// Where the runners stand after a play: for each state before it (first, second, third base)
// and each count of bases the batter takes (1, 2, 3, 4 or more), the state after and the runs.
// It is the game's own rule, not forced running: a double with a runner on third alone leaves
// him there, and one with runners on second and third brings both home. Both are intended.
struct Move {
    const char* After;
    int Runs;
};
struct MoveRow {
    const char* Before;
    std::array<Move, 4> Cells;
};
constexpr std::array<MoveRow, 8> MovementTable{{
    {"000", {{{"100", 0}, {"010", 0}, {"001", 0}, {"000", 1}}}},
    {"100", {{{"110", 0}, {"011", 0}, {"001", 1}, {"000", 2}}}},
    {"010", {{{"110", 0}, {"011", 0}, {"001", 1}, {"000", 2}}}},
    {"001", {{{"101", 0}, {"011", 0}, {"001", 1}, {"000", 2}}}},
    {"110", {{{"111", 0}, {"011", 1}, {"001", 2}, {"000", 3}}}},
    {"101", {{{"111", 0}, {"011", 1}, {"001", 2}, {"000", 3}}}},
    {"011", {{{"111", 0}, {"010", 2}, {"001", 2}, {"000", 3}}}},
    {"111", {{{"111", 1}, {"011", 2}, {"001", 3}, {"000", 4}}}},
}};

// The saved game's names, in the orders its operations use them.
constexpr std::array<std::string_view, 13> LoadOrder{"BA", "HC", "HP", "HR", "HH", "MC", "MP",
                                                     "MR", "MH", "MRS", "HRS", "IN", "IP"};
constexpr std::array<std::string_view, 14> SaveOrder{"HC", "MC", "HP", "MP", "HH", "MH", "HR",
                                                     "MR", "HRS", "MRS", "IN", "IP", "OU", "ST"};
constexpr std::array<std::string_view, 18> EraseOrder{"BA", "B1", "B2", "B3", "HC", "HP", "HH", "HR", "HRS",
                                                      "MC", "MP", "MH", "MR", "MRS", "IN", "IP", "OU", "ST"};

// A saved value holds at most this many characters; a longer one cannot be read.
constexpr std::size_t SavedValueLimit = 99;

const ScoreboardField& FieldSavedAs(std::string_view name)
{
    return *std::find_if(ScoreboardFields.begin(), ScoreboardFields.end(),
                         [name](const ScoreboardField& f) { return f.SavedName[0] == name[0] && name == f.SavedName; });
}

// What a field holds when a new game begins; an unreadable saved value falls back to it.
std::string NewGameText(std::string_view savedName)
{
    if (savedName == "IP")
        return "T";
    if (savedName == "IN" || (savedName.size() == 2 && (savedName[0] == 'H' || savedName[0] == 'M')))
        return "1";
    return "0";
}

// A skill level L shifts a threshold by (L - 1) * 5 points; wide enough for any level.
std::int64_t Shift(const std::string& level) { return (std::int64_t{ReadNumber(level)} - 1) * 5; }

// Balls, strikes and outs below zero can only come from a hand-edited save; they count as none.
std::int64_t Count(const std::string& field) { return std::max<std::int64_t>(ReadNumber(field), 0); }

// The last digit alone decides, so the 11th, 12th and 13th innings are announced "11st", "12nd"
// and "13rd". Intended: it is how the game has always called them.
const char* OrdinalSuffix(const std::string& inning)
{
    if (inning.empty())
        return "th";
    switch (inning.back()) {
    case '1': return "st";
    case '2': return "nd";
    case '3': return "rd";
    default: return "th";
    }
}

}  // namespace

Game::Game(WindowOps& view, Random& random, Clock& clock, SavedGameStore& store, PlayVariables& play)
    : view_(view), random_(random), clock_(clock), store_(store), play_(play)
{
}

bool Game::IsLive(Command command) const
{
    if (busy_ || closed_)
        return false;
    switch (command) {
    case Command::Pitch: return pitchEnabled_;
    case Command::Swing: return swingEnabled_;
    case Command::SaveAndExit:
    case Command::HelpAbout:
    case Command::SystemAbout:
    case Command::Close:
    case Command::Escape: return true;
    default: return false;
    }
}

std::optional<Command> Game::EnterCommand() const
{
    for (const Command play : {Command::Pitch, Command::Swing})
        if (IsLive(play))
            return play;
    return std::nullopt;
}

bool Game::Perform(Command command)
{
    if (!IsLive(command))
        return false;
    busy_ = true;
    switch (command) {
    case Command::Pitch: OnPitch(); break;
    case Command::Swing: OnReadyToSwing(); break;
    case Command::SaveAndExit: OnSaveAndExit(); break;
    case Command::HelpAbout: OnHelpAbout(); break;
    case Command::SystemAbout: OnSysCommand(AboutCommand); break;
    case Command::Close: OnClose(); break;
    default: OnCancel(); break;
    }
    busy_ = false;
    return true;
}

bool Game::Keep() { return IsLive(Command::Close) && !SaveGame(); }

void Game::EnablePlay(PlayButton button, bool enabled)
{
    (button == PlayButton::Pitch ? pitchEnabled_ : swingEnabled_) = enabled;
    view_.EnablePlayButton(button, enabled);
}

void Game::Close()
{
    closed_ = true;
    view_.CloseWindow();
}

bool Game::StartUp()
{
    closed_ = false;
    busy_ = true;
    const bool started = Start();
    busy_ = false;
    return started;
}

bool Game::Start()
{
    random_.Seed(static_cast<std::uint32_t>(clock_.Now()));
    if (!store_.Open()) {
        const std::string refusal = store_.Refusal();
        view_.ShowMessage(refusal.empty() ? StoreFailureText : refusal, "");
        Close();
        return false;
    }
    view_.RunAboutDialog();
    LoadSavedGame();
    return true;
}

void Game::OnPitch()
{
    play_.BattingSide = 'M';
    ResolvePitch();
}

void Game::OnReadyToSwing()
{
    play_.BattingSide = 'H';
    ResolvePitch();
}

void Game::OnSaveAndExit()
{
    // A save that failed keeps the window open, so the player can try again or leave with Escape.
    if (const auto failure = SaveGame()) {
        view_.ShowMessage("The game could not be saved.\n" + *failure
                              + "\nThe last save is kept. Try again, or press Escape to quit without saving.",
                          "");
        return;
    }
    Close();
}

void Game::OnClose() { OnSaveAndExit(); }

void Game::OnCancel() { Close(); }

void Game::OnHelpAbout() { view_.RunAboutDialog(); }

bool Game::OnSysCommand(unsigned id)
{
    if ((id & 0xFFF0u) != AboutCommand)
        return false;
    view_.RunAboutDialog();
    return true;
}

int Game::Draw(int n) { return pennantry::Draw(random_, n); }

void Game::UpdateData() { view_.RefreshLabels(board_); }

void Game::Announce(const std::string& text) { view_.ShowMessage(text, NoCaption); }

void Game::SetBase(int base, std::uint8_t occupied)
{
    std::array<std::uint8_t*, 3> flags{&runnerOnFirst_, &runnerOnSecond_, &runnerOnThird_};
    *flags[static_cast<std::size_t>(base - 1)] = occupied;
    view_.SetBasePicture(base, occupied != 0);
}

void Game::ResolvePitch()
{
    gameEndedInPlay_ = false;
    const bool humans = play_.HumansBat();

    const int pitchRoll = Draw(100);
    view_.ShowBall(true);
    UpdateData();

    const std::int64_t pitchEdge = Shift(humans ? board_.MonsterPitchLevel : board_.HumanPitchLevel);
    const std::int64_t hitEdge = Shift(humans ? board_.HumanHitLevel : board_.MonsterHitLevel);
    // Tested in this order: once the strike threshold reaches the ball threshold there are no balls.
    if (pitchRoll < pitchEdge + 45 - hitEdge)
        Strike();
    else if (pitchRoll < 60 - hitEdge)
        Ball();
    else
        BallInPlay(pitchRoll);
    EndPitch();
}

void Game::Strike()
{
    std::int64_t count = Count(board_.Strikes) + 1;
    if (count > 2)
        count = 0;
    Announce(StrikeCalls[static_cast<std::size_t>(count == 0 ? 2 : count - 1)]);
    if (count == 0) {
        RecordOut();
        WriteNumber(board_.Balls, 0);
        WriteNumber(board_.Strikes, 0);
    }
    WriteNumber(board_.Strikes, count);
    UpdateData();
}

void Game::Ball()
{
    std::int64_t count = Count(board_.Balls) + 1;
    if (count > 3)
        count = 0;
    if (count > 0) {
        WriteNumber(board_.Balls, count);
    } else {
        // The walk moves the runners as a single does, so a forced run is announced before the
        // fourth ball is: intended.
        play_.BasesAdvanced += 1;
        AdvanceRunners();
        WriteNumber(board_.Strikes, 0);
        WriteNumber(board_.Balls, 0);
        play_.BasesAdvanced = 0;
    }
    Announce(count > 0 ? BallCalls[static_cast<std::size_t>(count - 1)] : WalkCalls[play_.HumansBat()]);
}

void Game::BallInPlay(int pitchRoll)
{
    const bool humans = play_.HumansBat();
    const int catchRoll = Draw(100);
    const std::int64_t catchEdge = Shift(humans ? board_.MonsterCatchLevel : board_.HumanCatchLevel);
    if (catchRoll >= catchEdge + 25)
        return Hit(pitchRoll);
    Announce(CaughtCalls[humans]);
    WriteNumber(board_.Strikes, 0);
    WriteNumber(board_.Balls, 0);
    RecordOut();
    UpdateData();
}

void Game::Hit(int pitchRoll)
{
    const bool humans = play_.HumansBat();
    Announce(HitCalls[humans]);
    play_.BasesAdvanced = 1;
    play_.AdvanceStopped = 0;
    const std::int64_t runEdge = Shift(humans ? board_.HumanRunLevel : board_.MonsterRunLevel);

    RunBattle();
    if (gameEndedInPlay_)
        return;

    // The same roll that put the ball in play decides how far the batter tries to run.
    const std::int64_t roll = pitchRoll;
    if (play_.AdvanceStopped == 0 && 70 - runEdge <= roll && roll < 85 - runEdge) {
        if (!Attempt(&Game::AttemptDouble))
            return;
    }
    UpdateData();
    if (play_.AdvanceStopped == 0 && 85 - runEdge <= roll && roll < 95 - runEdge) {
        if (!Attempt(&Game::AttemptDouble) || !Attempt(&Game::AttemptTriple))
            return;
    }
    UpdateData();
    if (play_.AdvanceStopped == 0 && roll >= 95 - runEdge) {
        if (!Attempt(&Game::AttemptDouble) || !Attempt(&Game::AttemptTriple) || !Attempt(&Game::AttemptHomeRun))
            return;
    }
    if (play_.RunnerOut == 0)
        AdvanceRunners();
}

bool Game::Attempt(void (Game::*announceAndFight)())
{
    play_.BasesAdvanced += 1;
    (this->*announceAndFight)();
    if (gameEndedInPlay_)
        return false;
    if (play_.AdvanceStopped == 0)
        return true;

    // Stopped: the batter ends on the base he held before this attempt, and the others move as
    // for that many bases even when he is out there (his base is then emptied): intended.
    play_.BasesAdvanced -= 1;
    AdvanceRunners();
    if (play_.RunnerOut != 0)
        SetBase(play_.BasesAdvanced, 0);
    return false;
}

void Game::EndPitch()
{
    play_.BasesAdvanced = 0;
    play_.AdvanceStopped = 1;
    play_.RunnerOut = 0;
    view_.ShowBall(false);
    UpdateData();
}

void Game::RecordOut()
{
    const std::int64_t outs = Count(board_.Outs) + 1;
    WriteNumber(board_.Outs, outs);
    if (outs < 3) {
        UpdateData();
        return;
    }

    std::int64_t inning = ReadNumber(board_.Inning);
    WriteNumber(board_.Outs, 0);
    const char* text;
    bool humansUp;
    // Only exactly "T" is a top half; any other text counts as a bottom.
    if (board_.InningHalf == "T") {
        board_.InningHalf = "B";
        text = "ANNOUNCER: Another Out! Bottom of the ";
        EnablePlay(PlayButton::Swing, true);
        EnablePlay(PlayButton::Pitch, false);
        humansUp = true;
    } else {
        board_.InningHalf = "T";
        inning = std::min<std::int64_t>(inning + 1, std::numeric_limits<std::int32_t>::max());
        WriteNumber(board_.Inning, inning);
        text = "ANNOUNCER: Another Out! Top of the ";
        EnablePlay(PlayButton::Swing, false);
        EnablePlay(PlayButton::Pitch, true);
        humansUp = false;
    }

    // The end test runs at every change of sides and looks at the inning to come. So a top half
    // of an extra inning that leaves the Monsters ahead ends the game: once behind, the Humans
    // do not bat in that bottom half. Intended. Scores are compared as numbers ("05" ties "5").
    if (inning >= 10 && ReadNumber(board_.MonstersScore) != ReadNumber(board_.HumansScore)) {
        gameEndedInPlay_ = true;
        if (AnnounceGameOver() == Answer::Yes) {
            NewGame();
            return;
        }
        view_.RunAboutDialog();
        Close();
        UpdateData();
        return;
    }

    // Composed in a buffer the game keeps, so that a change of sides allocates nothing.
    std::string& call = announcement_;
    call.assign(text);
    call += WriteNumber(inning);
    call += OrdinalSuffix(board_.Inning);
    call += ", ";
    call += humansUp ? "Humans" : "Monsters";
    call += " Up To Bat!";
    Announce(call);
    ClearBases();
    UpdateData();
}

Answer Game::AnnounceGameOver()
{
    const bool monstersLead = ReadNumber(board_.MonstersScore) > ReadNumber(board_.HumansScore);
    std::string text = "ANNOUNCER: GAME OVER: The ";
    text += monstersLead ? "Monsters" : "Humans";
    text += " are the winners, ";
    text += monstersLead ? board_.MonstersScore + " to " + board_.HumansScore
                         : board_.HumansScore + " to " + board_.MonstersScore;
    text += "!!!";
    Announce(text);
    // A finished game that stays stored would be resumed at the next start: the player must know.
    if (const auto failure = EraseSavedGame())
        view_.ShowMessage("The finished game could not be cleared.\n" + *failure
                              + "\nThe last save is kept, and the next start resumes it.",
                          "");
    return view_.AskYesNo("Play Again?");
}

// The side at bat is left alone: the first press of the now enabled Pitch button sets it.
void Game::NewGame()
{
    SkillUpgradeRules choice(play_);
    view_.RunSkillDialog(choice);

    WriteNumber(board_.Balls, 0);
    board_.HumanPitchLevel = "1";
    board_.HumanCatchLevel = "1";
    board_.HumanRunLevel = "1";
    board_.HumanHitLevel = "1";
    WriteNumber(board_.HumansScore, 0);
    board_.Inning = "1";
    board_.InningHalf = "T";
    board_.MonsterPitchLevel = "1";
    board_.MonsterCatchLevel = "1";
    board_.MonsterRunLevel = "1";
    board_.MonsterHitLevel = "1";
    WriteNumber(board_.MonstersScore, 0);
    WriteNumber(board_.Outs, 0);
    WriteNumber(board_.Strikes, 0);

    view_.ShowBall(false);
    EnablePlay(PlayButton::Pitch, true);
    EnablePlay(PlayButton::Swing, false);
    ClearBases();

    if (play_.SkillChoice >= 0 && play_.SkillChoice < 4)
        board_.*HumanLevels[static_cast<std::size_t>(play_.SkillChoice)] = "2";
    const auto monsterSkill = static_cast<std::size_t>(DrawMonsterSkill());
    board_.*MonsterLevels[monsterSkill] = "2";
    Announce(std::string(MonsterUpgradeLines[monsterSkill]) + "\nPLAY BALL!");
    UpdateData();
}

void Game::AdvanceRunners()
{
    if (play_.BasesAdvanced <= 0)
        return;
    const std::size_t column = static_cast<std::size_t>(std::min(play_.BasesAdvanced, 4) - 1);
    const char before[4] = {runnerOnFirst_ ? '1' : '0', runnerOnSecond_ ? '1' : '0', runnerOnThird_ ? '1' : '0', '\0'};
    const auto row = std::find_if(MovementTable.begin(), MovementTable.end(),
                                  [&](const MoveRow& r) { return std::string_view(r.Before) == before; });
    const Move& move = row->Cells[column];

    runnerOnFirst_ = move.After[0] == '1';
    runnerOnSecond_ = move.After[1] == '1';
    runnerOnThird_ = move.After[2] == '1';
    view_.SetBasePicture(1, runnerOnFirst_ != 0);
    view_.SetBasePicture(2, runnerOnSecond_ != 0);
    view_.SetBasePicture(3, runnerOnThird_ != 0);

    for (int run = 0; run < move.Runs; ++run)
        ScoreRun();
}

void Game::ClearBases()
{
    for (int base = 1; base <= 3; ++base)
        view_.SetBasePicture(base, false);
    runnerOnFirst_ = runnerOnSecond_ = runnerOnThird_ = 0;
    UpdateData();
}

void Game::ScoreRun()
{
    if (play_.HumansBat()) {
        const std::string text = "ANNOUNCER: The Humans scored a run!";
        RaiseByOne(board_.HumansScore);
        // The player picks the skill before seeing that the run counted.
        SkillUpgradeRules choice(play_);
        view_.RunSkillDialog(choice);
        if (play_.SkillChoice >= 0 && play_.SkillChoice < 4)
            RaiseByOne(board_.*HumanLevels[static_cast<std::size_t>(play_.SkillChoice)]);
        Announce(text);
    } else {
        std::string text = "ANNOUNCER: The Monsters scored a run!";
        RaiseByOne(board_.MonstersScore);
        const auto skill = static_cast<std::size_t>(DrawMonsterSkill());
        RaiseByOne(board_.*MonsterLevels[skill]);
        text += "\n";
        text += MonsterUpgradeLines[skill];
        Announce(text);
    }
}

int Game::DrawMonsterSkill() { return Draw(4); }

void Game::RunBattle()
{
    BattleRules battle(play_, random_, clock_);
    view_.RunBattleDialog(battle);
    const bool humansWon = play_.HumansWonBattle != 0;
    if (humansWon != play_.HumansBat())
        SettleStoppedRunner();
    if (gameEndedInPlay_)
        return;
    WriteNumber(board_.Balls, 0);
    WriteNumber(board_.Strikes, 0);
}

void Game::AttemptDouble()
{
    Announce(DoubleCalls[play_.HumansBat()]);
    RunBattle();
}

void Game::AttemptTriple()
{
    Announce(TripleCalls[play_.HumansBat()]);
    RunBattle();
}

void Game::AttemptHomeRun()
{
    Announce(HomeRunCalls[play_.HumansBat()]);
    RunBattle();
}

void Game::SettleStoppedRunner()
{
    if (play_.AdvanceStopped == 0)
        return;
    if (play_.RunnerOut != 0) {
        RecordOut();
        return;
    }
    Announce(SafeCalls[play_.HumansBat()]);
    play_.AdvanceStopped = 1;
    play_.RunnerOut = 0;
}

std::optional<std::string> Game::ReadSaved(std::string_view name)
{
    auto text = store_.Read(name);
    if (!text || text->size() > SavedValueLimit)
        return std::nullopt;
    // A saved value is a C string: whatever follows a NUL byte is not part of it.
    text->resize(std::min(text->size(), text->find('\0')));
    return text;
}

void Game::LoadSavedGame()
{
    const auto first = ReadSaved("B1");
    if (!first) {
        NewGame();
        return;
    }
    // A runner stands on a base whose saved text reads as a number other than 0.
    const auto flag = [](const std::optional<std::string>& text) -> std::uint8_t {
        return text && ReadNumber(*text) != 0;
    };
    runnerOnFirst_ = flag(first);
    if (runnerOnFirst_)
        view_.SetBasePicture(1, true);
    runnerOnSecond_ = flag(ReadSaved("B2"));
    if (runnerOnSecond_)
        view_.SetBasePicture(2, true);
    runnerOnThird_ = flag(ReadSaved("B3"));
    if (runnerOnThird_)
        view_.SetBasePicture(3, true);

    const auto assign = [&](std::string_view name) {
        std::string& field = board_.*FieldSavedAs(name).Member;
        if (auto text = ReadSaved(name))
            field = std::move(*text);
        else
            field = NewGameText(name);
    };
    for (const auto name : LoadOrder)
        assign(name);

    if (board_.InningHalf == "T") {
        play_.BattingSide = 'm';
        EnablePlay(PlayButton::Pitch, true);
        EnablePlay(PlayButton::Swing, false);
    } else {
        play_.BattingSide = 'h';
        EnablePlay(PlayButton::Pitch, false);
        EnablePlay(PlayButton::Swing, true);
    }
    assign("OU");
    assign("ST");
    UpdateData();
}

std::optional<std::string> Game::SaveGame() { return store_.Write(SavedValues()); }

std::vector<std::pair<std::string, std::string>> Game::SavedValues() const
{
    std::vector<std::pair<std::string, std::string>> values;
    values.reserve(4 + SaveOrder.size());
    values.emplace_back("BA", board_.Balls);
    values.emplace_back("B1", WriteNumber(runnerOnFirst_));
    values.emplace_back("B2", WriteNumber(runnerOnSecond_));
    values.emplace_back("B3", WriteNumber(runnerOnThird_));
    for (const auto name : SaveOrder)
        values.emplace_back(std::string(name), board_.*FieldSavedAs(name).Member);
    return values;
}

std::optional<std::string> Game::EraseSavedGame()
{
    return store_.Erase(std::vector<std::string>(EraseOrder.begin(), EraseOrder.end()));
}

}  // namespace pennantry
