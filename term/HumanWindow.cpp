// The human face's screens: the main window, the dialogs and boxes over it, the keys and the
// help page, and reading the player's keys.
#include "HumanWindow.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "DialogTemplates.h"
#include "HowToPlay.h"
#include "HumanKeys.h"
#include "TemplateText.h"
#include "TextCanvas.h"

namespace pennantry {
namespace {

constexpr int KeysRow = Rows - 1;
constexpr int NoticeRow = Rows - 2;
constexpr int LowestModalRow = Rows - 3;
constexpr int FieldTop = 2;
constexpr int BoardColumn = 34;

Segment Button(std::string_view templateText, bool enabled, std::string_view keyName = "")
{
    const AccessText access = Access(templateText);
    const std::string key = keyName.empty() ? std::string(1, access.key) : std::string(keyName);
    if (enabled)
        return {"[" + key + "] " + access.text, Style::Strong};
    return {"[-] " + access.text + " (disabled)", Style::Dim};
}

// The diamond: second base at the top, third on the left, first on the right, home below.
void DrawField(Canvas& canvas, const TermScreen& screen)
{
    constexpr int top = FieldTop, left = 2;
    auto base = [&](int row, int column, bool occupied, const char* name, int nameColumn) {
        canvas.Put(top + row, left + column, occupied ? "[#]" : "[ ]", occupied ? Style::Runner : Style::Strong);
        canvas.Put(top + row, left + nameColumn, name, Style::Dim);
    };
    for (int i = 0; i < 5; ++i) {
        canvas.Put(top + 1 + i, left + 12 - i, "/", Style::Lines);
        canvas.Put(top + 1 + i, left + 16 + i, "\\", Style::Lines);
        canvas.Put(top + 7 + i, left + 8 + i, "\\", Style::Lines);
        canvas.Put(top + 7 + i, left + 20 - i, "/", Style::Lines);
    }
    base(0, 13, screen.bases[1], "2nd", 17);
    base(6, 6, screen.bases[2], "3rd", 2);
    base(6, 20, screen.bases[0], "1st", 24);
    base(12, 13, true, "home", 17);  // the batter never leaves home plate
    canvas.Put(top + 6, left + 14, ".", Style::Lines);
    if (screen.ballShown)
        canvas.Put(top + 9, left + 14, "o", Style::Ball);
}

// The score box as last refreshed, one caption and value a row; returns the next free row.
int DrawScore(Canvas& canvas, const Scoreboard& labels, int row)
{
    canvas.Put(row++, BoardColumn, GroupCaption("HumansScore"), Style::Strong);
    const std::array<std::pair<const char*, std::string>, 6> score{{
        {"HumansScore", labels.HumansScore},
        {"MonstersScore", labels.MonstersScore},
        {"Inning", labels.Inning + " " + labels.InningHalf},
        {"Strikes", labels.Strikes},
        {"Balls", labels.Balls},
        {"Outs", labels.Outs},
    }};
    std::size_t captionWidth = 0;
    for (const auto& [member, value] : score)
        captionWidth = std::max(captionWidth, MainCaption(member).size());
    for (const auto& [member, value] : score) {
        canvas.Put(row, BoardColumn + 2, MainCaption(member));
        canvas.Put(row++, BoardColumn + 3 + static_cast<int>(captionWidth), Printable(value), Style::Strong);
    }
    return row;
}

// One team's stats box, two levels a row; returns the next free row.
int DrawLevels(Canvas& canvas, const Scoreboard& labels, int row, const std::array<const char*, 4>& members)
{
    canvas.Put(row++, BoardColumn, GroupCaption(members[0]), Style::Strong);
    for (std::size_t i = 0; i < members.size(); ++i) {
        const std::string caption = MainCaption(members[i]);
        const int column = BoardColumn + (i % 2 == 0 ? 2 : 21);
        canvas.Put(row, column, caption);
        canvas.Put(row, column + 1 + static_cast<int>(caption.size()), Printable(labels.*BoundMember(members[i])),
                   Style::Strong);
        row += i % 2;
    }
    return row;
}

Frame AboutFrame()
{
    const DialogTemplate& about = AboutTemplate();
    const auto texts = StaticTexts(about);
    Line line{{"[I] (icon)", Style::Strong}, {"  "}};
    if (!texts.empty())
        line.push_back({std::string(texts.front())});
    line.push_back({"    "});
    line.push_back(Button(ControlText(about, ids::Ok), true, "Enter"));
    return {std::string(about.Caption), {line}};
}

Frame SkillFrame(const TermScreen& screen)
{
    const DialogTemplate& skill = SkillUpgradeTemplate();
    Frame frame{std::string(skill.Caption), {}};
    const std::array<int, 4> choices{ids::RunLevel, ids::HitLevel, ids::PitchLevel, ids::CatchLevel};
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const bool selected = screen.skillSelected && static_cast<std::size_t>(*screen.skillSelected) == i;
        const auto wrapped = Wrap(ControlText(skill, choices[i]), 70);
        for (std::size_t j = 0; j < wrapped.size(); ++j) {
            const std::string prefix = j == 0 ? std::to_string(i + 1) + (selected ? " (*) " : " ( ) ") : "      ";
            frame.lines.push_back({{prefix, selected ? Style::Runner : Style::Strong},
                                   {wrapped[j], selected ? Style::Strong : Style::Plain}});
        }
    }
    frame.lines.push_back({});
    frame.lines.push_back({Button(ControlText(skill, ids::Ok), screen.okEnabled, "Enter")});
    return frame;
}

Frame BattleFrame(const TermScreen& screen)
{
    const DialogTemplate& battle = BattleTemplate();
    const auto texts = StaticTexts(battle);
    std::string monster = texts.size() > 0 ? std::string(texts[0]) : "";
    std::string human = texts.size() > 1 ? std::string(texts[1]) : "";
    const std::size_t width = std::max(monster.size(), human.size());
    monster.insert(0, width - monster.size(), ' ');
    human.insert(0, width - human.size(), ' ');
    Frame frame{std::string(battle.Caption), {}};
    frame.lines.push_back({{monster + " "}, {std::to_string(screen.battle.MonsterHp), Style::Strong}});
    frame.lines.push_back({{human + " "}, {std::to_string(screen.battle.HumanHp), Style::Strong}});
    for (const auto& line : Wrap(screen.battle.BattleMessage, 70))
        frame.lines.push_back({{line}});
    frame.lines.push_back({Button(ControlText(battle, ids::Attack), true), {"   "},
                           Button(ControlText(battle, ids::ReturnToBase), screen.returnEnabled), {"   "},
                           Button(ControlText(battle, ids::SurrenderBase), true)});
    return frame;
}

Frame BoxFrame(const TermScreen& screen)
{
    Frame frame{screen.boxCaption, {}};
    for (const auto& line : Wrap(screen.boxText, 72))
        frame.lines.push_back({{line}});
    frame.lines.push_back({});
    if (screen.question)
        frame.lines.push_back({{"[Y] Yes", Style::Strong}, {"    "}, {"[N] No", Style::Strong}});
    else
        frame.lines.push_back({{"[Enter] OK", Style::Strong}});
    return frame;
}

EnabledKeys KeysOf(const TermScreen& screen)
{
    return {screen.swingEnabled, screen.pitchEnabled, screen.okEnabled, screen.returnEnabled};
}

void DrawHelp(Canvas& canvas, Prompt prompt, const TermScreen& screen)
{
    const std::string title = " " + std::string(HowToPlayCaption);
    canvas.Put(0, 0, title + std::string(Columns - title.size(), ' '), Style::Title);
    canvas.Put(1, 1, KeysLine(prompt, KeysOf(screen)), Style::Strong);
    canvas.Put(2, 1, "Any box closes with Enter, Space or Esc; Ctrl-C quits at once, unsaved.");
    // The rules a paragraph a point, as many rows as the page holds.
    int row = 4;
    for (const auto& line : Wrap(HowToPlay(), Columns - 2))
        if (!line.empty() && row < KeysRow)
            canvas.Put(row++, 1, line);
    canvas.Put(KeysRow, 1, "Keys: Enter, Space or Esc closes this page", Style::Strong);
}

}  // namespace

HumanWindow::HumanWindow(std::string appName, std::FILE* out, int inFd, HumanOptions options)
    : TermWindow(std::move(appName)), out_(out), lines_(inFd), options_(options)
{
    if (options_.fullScreen) {
        std::fflush(out_);
        terminal_ = std::make_unique<RawTerminal>(inFd, out_, options_.colour);
        if (!terminal_->Active())
            terminal_.reset();
    }
}

HumanWindow::~HumanWindow()
{
    std::fflush(out_);
    terminal_.reset();
}

void HumanWindow::WriteIgnored(const TermInput&) { ignored_ = true; }

int HumanWindow::NextKey()
{
    if (terminal_)
        return terminal_->ReadKey();
    const auto line = lines_.ReadLine();
    return line ? KeyOfLine(*line) : KeyEnd;
}

bool HumanWindow::TooSmall(int& rows, int& columns) const
{
    if (!terminal_)
        return false;
    terminal_->Size(rows, columns);
    return rows < Rows || columns < Columns;
}

TermInput HumanWindow::Read(Prompt prompt)
{
    for (;;) {
        Draw(prompt);
        ignored_ = false;
        const int key = NextKey();
        int rows = 0, columns = 0;
        if (key == KeyEnd)
            return TermInput::End();
        if (key == KeyRedraw || TooSmall(rows, columns))
            continue;  // no key acts on a screen the player cannot see whole
        if (helpShown_) {
            helpShown_ = key != '\n' && key != ' ' && key != KeyEscape && key != KeyHelp;
            continue;
        }
        if (key == KeyHelp) {
            helpShown_ = true;
            continue;
        }
        return MatchKey(prompt, key);
    }
}

void HumanWindow::Draw(Prompt prompt)
{
    Canvas canvas;
    int rows = 0, columns = 0;
    if (TooSmall(rows, columns)) {
        int row = 0;
        for (const auto& line : TooSmallNotice(rows, columns))
            canvas.Put(row++, 0, line);
    } else if (helpShown_) {
        DrawHelp(canvas, prompt, Screen());
    } else {
        DrawMain(canvas);
        DrawModals(canvas);
        DrawKeys(canvas, prompt);
    }
    if (terminal_) {
        terminal_->Show(canvas);
        return;
    }
    const std::string text = canvas.Render(options_.colour);
    std::fwrite(text.data(), 1, text.size(), out_);
    std::fflush(out_);
}

void HumanWindow::DrawMain(Canvas& canvas) const
{
    const TermScreen& screen = Screen();
    if (!screen.shown)
        return;
    const std::string title = " " + std::string(MainWindowTemplate().Caption);
    canvas.Put(0, 0, title + std::string(Columns - title.size(), ' '), Style::Title);
    DrawField(canvas, screen);
    int row = DrawScore(canvas, screen.labels, FieldTop);
    row = DrawLevels(canvas, screen.labels, row, {"HumanRunLevel", "HumanPitchLevel", "HumanHitLevel", "HumanCatchLevel"});
    DrawLevels(canvas, screen.labels, row, {"MonsterRunLevel", "MonsterPitchLevel", "MonsterHitLevel", "MonsterCatchLevel"});

    const DialogTemplate& main = MainWindowTemplate();
    canvas.Put(16, 2, Line{Button(ControlText(main, ids::SwingButton), screen.swingEnabled)});
    canvas.Put(16, 40, Line{Button(ControlText(main, ids::PitchButton), screen.pitchEnabled)});
    canvas.Put(17, 2, Line{Button(ControlText(main, ids::AboutButton), true)});
    canvas.Put(17, 40, Line{Button(ControlText(main, ids::SaveExitButton), true)});
}

void HumanWindow::DrawModals(Canvas& canvas) const
{
    const TermScreen& screen = Screen();
    std::vector<Frame> frames;  // from the one underneath to the one on top
    if (screen.dialog == TermDialog::About)
        frames.push_back(AboutFrame());
    else if (screen.dialog == TermDialog::Skill)
        frames.push_back(SkillFrame(screen));
    else if (screen.dialog == TermDialog::Battle)
        frames.push_back(BattleFrame(screen));
    if (screen.boxOpen)
        frames.push_back(BoxFrame(screen));
    int bottom = LowestModalRow;
    for (auto it = frames.rbegin(); it != frames.rend(); ++it)
        bottom = canvas.PutFrame(*it, bottom) - 1;
}

void HumanWindow::DrawKeys(Canvas& canvas, Prompt prompt) const
{
    canvas.Put(KeysRow, 1, KeysLine(prompt, KeysOf(Screen())), Style::Strong);
    // On a row of its own, so that it cannot be read as part of the last key's name.
    if (ignored_)
        canvas.Put(NoticeRow, 1, "(not now) That key does nothing here.", Style::Dim);
}

}  // namespace pennantry
