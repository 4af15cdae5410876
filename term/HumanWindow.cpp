// Drawing the game for a person at a terminal, and reading their keys.
#include "HumanWindow.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "DialogTemplates.h"

namespace pennantry {
namespace {

constexpr int Rows = 24;
constexpr int Columns = 80;
constexpr int KeysRow = Rows - 1;
constexpr int LowestModalRow = Rows - 2;

enum class Style : unsigned char { Plain, Dim, Strong, Lines, Runner, Ball, Title, Frame };

const char* Sgr(Style style)
{
    switch (style) {
    case Style::Plain: return "0";
    case Style::Dim: return "0;2";
    case Style::Strong: return "0;1";
    case Style::Lines: return "0;32";
    case Style::Runner: return "0;1;33";
    case Style::Ball: return "0;1;31";
    case Style::Title: return "0;7";
    case Style::Frame: return "0;36";
    }
    return "0";
}

struct Segment {
    std::string text;
    Style style = Style::Plain;
};
using Line = std::vector<Segment>;

int Width(const Line& line)
{
    int width = 0;
    for (const auto& segment : line)
        width += static_cast<int>(segment.text.size());
    return width;
}

// Texts from outside the program's own tables (a saved game can hold anything) are shown one
// printable ASCII character per cell, so that no byte can move the cursor or change the terminal.
std::string Printable(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        out += (byte >= 0x20 && byte < 0x7F) ? c : '?';
    }
    return out;
}

// Lines of at most width characters, broken at spaces where possible; "\n" starts a new line.
std::vector<std::string> Wrap(std::string_view text, std::size_t width)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        std::string rest = Printable(text.substr(start, end == std::string_view::npos ? end : end - start));
        while (rest.size() > width) {
            std::size_t cut = rest.rfind(' ', width);
            if (cut == std::string::npos || cut == 0)
                cut = width;
            lines.push_back(rest.substr(0, cut));
            rest = rest.substr(rest[cut] == ' ' ? cut + 1 : cut);
        }
        lines.push_back(rest);
        if (end == std::string_view::npos)
            return lines;
        start = end + 1;
    }
}

// A control's text as shown: "&&" is one ampersand, "&X" makes X the access key.
struct AccessText {
    std::string text;
    char key = 0;
};

AccessText Access(std::string_view text)
{
    AccessText out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && out.key == 0)
                out.key = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
        }
        out.text += text[i];
    }
    return out;
}

std::string_view ControlText(const DialogTemplate& dialog, int id)
{
    const DialogControl* control = FindControl(dialog, id);
    return control ? control->Text : std::string_view();
}

const ScoreboardField* FieldNamed(std::string_view member)
{
    for (const auto& field : ScoreboardFields)
        if (field.Name == member)
            return &field;
    return nullptr;
}

// The static text that captions a scoreboard field and the group box that holds it, from the
// scoreboard's table; the field's own name when it has none.
std::string MainCaption(std::string_view member)
{
    const ScoreboardField* field = FieldNamed(member);
    return field ? field->Caption : std::string(member);
}

std::string GroupCaption(std::string_view member)
{
    const ScoreboardField* field = FieldNamed(member);
    return field ? field->Group : "";
}

// The static texts of a template that have no identifier, in template order.
std::vector<std::string_view> StaticTexts(const DialogTemplate& dialog)
{
    std::vector<std::string_view> texts;
    for (const auto& control : dialog.Controls)
        if (control.Kind == ControlKind::Label && control.Id == NoId)
            texts.push_back(control.Text);
    return texts;
}

Segment Button(std::string_view templateText, bool enabled, std::string_view keyName = "")
{
    const AccessText access = Access(templateText);
    const std::string key = keyName.empty() ? std::string(1, access.key) : std::string(keyName);
    if (enabled)
        return {"[" + key + "] " + access.text, Style::Strong};
    return {"[-] " + access.text + " (disabled)", Style::Dim};
}

std::string Scoreboard::*BoundMember(std::string_view name)
{
    for (const auto& field : ScoreboardFields)
        if (field.Name == name)
            return field.Member;
    return &Scoreboard::Balls;
}

// "R Ready to Swing": a button's access key and text, for the line of keys that work.
std::string KeyHint(const DialogTemplate& dialog, int id)
{
    const AccessText access = Access(ControlText(dialog, id));
    return std::string(1, access.key) + " " + access.text + "  ";
}

struct Frame {
    std::string caption;
    std::vector<Line> lines;
};

Command MatchKey(Prompt prompt, int key)
{
    if (key == KeyEnd)
        return Command::End;
    const int k = (key >= 0 && key < 128) ? std::tolower(key) : key;
    switch (prompt) {
    case Prompt::Main:
        switch (k) {
        case 'p': return Command::Pitch;
        case 'r': return Command::Swing;
        case 'e': return Command::Save;
        case 'h': return Command::About;
        case 'q':
        case KeyEscape: return Command::Escape;
        }
        break;
    case Prompt::Ok:
        if (k == '\n' || k == KeyEscape)
            return Command::Ok;
        break;
    case Prompt::YesNo:
        if (k == 'y')
            return Command::Yes;
        if (k == 'n')
            return Command::No;
        break;
    case Prompt::About:
        if (k == '\n')
            return Command::Ok;
        if (k == 'i')
            return Command::Icon;
        if (k == KeyEscape)
            return Command::Escape;
        break;
    case Prompt::Skill:
        switch (k) {
        case '1': return Command::RunLevel;
        case '2': return Command::HitLevel;
        case '3': return Command::PitchLevel;
        case '4': return Command::CatchLevel;
        case '\n': return Command::Ok;
        case KeyEscape: return Command::Escape;
        }
        break;
    case Prompt::Battle:
        switch (k) {
        case 'a': return Command::Attack;
        case 's': return Command::Surrender;
        case 'r': return Command::Return;
        case KeyEscape: return Command::Close;
        }
        break;
    }
    return Command::Unknown;
}

std::string KeyText(int key)
{
    if (key == '\n')
        return "enter";
    if (key == KeyEscape)
        return "escape";
    if (key >= 0x20 && key < 0x7F)
        return std::string(1, static_cast<char>(key));
    return "";
}

}  // namespace

int KeyOfLine(const std::string& line)
{
    if (line.empty())
        return '\n';
    std::string lower;
    for (const char c : line)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "esc" || lower == "escape" || lower == "\x1b")
        return KeyEscape;
    if (line.size() == 1)
        return static_cast<unsigned char>(line[0]);
    return KeyOther;
}

class HumanWindow::Canvas {
public:
    Canvas() { Clear(); }

    void Clear()
    {
        for (auto& row : cells_)
            row.fill({' ', Style::Plain});
    }

    void Put(int row, int column, std::string_view text, Style style = Style::Plain)
    {
        if (row < 0 || row >= Rows)
            return;
        for (const char c : text) {
            if (column >= 0 && column < Columns)
                cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = {c, style};
            ++column;
        }
    }

    void Put(int row, int column, const Line& line)
    {
        for (const auto& segment : line) {
            Put(row, column, segment.text, segment.style);
            column += static_cast<int>(segment.text.size());
        }
    }

    // A framed box whose bottom edge is on the given row; returns the row of its top edge.
    int PutFrame(const Frame& frame, int bottom)
    {
        int inner = static_cast<int>(frame.caption.size()) + 6;
        for (const auto& line : frame.lines)
            inner = std::max(inner, Width(line) + 2);
        inner = std::min(inner, Columns - 2);
        const int height = static_cast<int>(frame.lines.size()) + 2;
        const int top = std::max(0, bottom - height + 1);
        const int left = (Columns - inner - 2) / 2;
        const std::string caption = "-- " + frame.caption + " ";
        std::string edge = "+" + caption + std::string(static_cast<std::size_t>(inner) - caption.size(), '-') + "+";
        Put(top, left, edge, Style::Frame);
        int row = top + 1;
        for (const auto& line : frame.lines) {
            Put(row, left, "|", Style::Frame);
            Put(row, left + 1, std::string(static_cast<std::size_t>(inner), ' '));
            Put(row, left + 2, line);
            Put(row, left + inner + 1, "|", Style::Frame);
            ++row;
        }
        Put(row, left, "+" + std::string(static_cast<std::size_t>(inner), '-') + "+", Style::Frame);
        return top;
    }

    std::string Render(bool fullScreen, bool colour) const
    {
        std::vector<std::string> rows;
        for (const auto& cells : cells_) {
            std::string row;
            Style current = Style::Plain;
            int end = Columns;
            // Trailing blanks matter only where they are drawn in reverse video.
            while (end > 0 && cells[static_cast<std::size_t>(end - 1)].c == ' ' &&
                   (!colour || cells[static_cast<std::size_t>(end - 1)].style != Style::Title))
                --end;
            for (int i = 0; i < end; ++i) {
                const Cell& cell = cells[static_cast<std::size_t>(i)];
                if (colour && cell.style != current) {
                    row += std::string("\x1b[") + Sgr(cell.style) + "m";
                    current = cell.style;
                }
                row += cell.c;
            }
            if (colour && current != Style::Plain)
                row += "\x1b[0m";
            rows.push_back(row);
        }
        std::string out;
        if (fullScreen) {
            for (int i = 0; i < Rows; ++i)
                out += "\x1b[" + std::to_string(i + 1) + ";1H" + rows[static_cast<std::size_t>(i)] + "\x1b[K";
            return out;
        }
        // Printed one after another, a screen keeps only the rows that hold something.
        while (!rows.empty() && rows.back().empty())
            rows.pop_back();
        while (!rows.empty() && rows.front().empty())
            rows.erase(rows.begin());
        for (const auto& row : rows)
            out += row + "\n";
        return out + "\n";
    }

private:
    struct Cell {
        char c;
        Style style;
    };
    std::array<std::array<Cell, Columns>, Rows> cells_;
};

HumanWindow::HumanWindow(std::string appName, std::FILE* out, int inFd, HumanOptions options)
    : TermWindow(std::move(appName)), out_(out), lines_(inFd), options_(options)
{
    if (options_.singleKeys) {
        std::fflush(out_);
        terminal_ = std::make_unique<RawTerminal>(inFd, fileno(out_), options_.fullScreen);
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

TermInput HumanWindow::Read(Prompt prompt)
{
    for (;;) {
        Draw(prompt);
        ignored_ = false;
        const int key = NextKey();
        if (key == KeyRedraw)
            continue;
        return {MatchKey(prompt, key), KeyText(key)};
    }
}

void HumanWindow::Draw(Prompt prompt)
{
    Canvas canvas;
    DrawMain(canvas);
    DrawModals(canvas);
    DrawKeys(canvas, prompt);
    const std::string text = canvas.Render(options_.fullScreen, options_.colour);
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

    // The diamond: second base at the top, third on the left, first on the right, home below.
    constexpr int top = 2, left = 2;
    auto base = [&](int row, int column, bool occupied) {
        canvas.Put(top + row, left + column, occupied ? "[#]" : "[ ]", occupied ? Style::Runner : Style::Strong);
    };
    for (int i = 0; i < 5; ++i) {
        canvas.Put(top + 1 + i, left + 12 - i, "/", Style::Lines);
        canvas.Put(top + 1 + i, left + 16 + i, "\\", Style::Lines);
        canvas.Put(top + 7 + i, left + 8 + i, "\\", Style::Lines);
        canvas.Put(top + 7 + i, left + 20 - i, "/", Style::Lines);
    }
    base(0, 13, screen.bases[1]);
    canvas.Put(top, left + 17, "2nd", Style::Dim);
    base(6, 6, screen.bases[2]);
    canvas.Put(top + 6, left + 2, "3rd", Style::Dim);
    canvas.Put(top + 6, left + 14, ".", Style::Lines);
    base(6, 20, screen.bases[0]);
    canvas.Put(top + 6, left + 24, "1st", Style::Dim);
    base(12, 13, true);  // the batter never leaves home plate
    canvas.Put(top + 12, left + 17, "home", Style::Dim);
    if (screen.ballShown)
        canvas.Put(top + 9, left + 14, "o", Style::Ball);

    // The scoreboard as last refreshed, in the window's groups.
    const Scoreboard& labels = screen.labels;
    constexpr int board = 34;
    int row = top;
    canvas.Put(row++, board, GroupCaption("HumansScore"), Style::Strong);
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
        std::string caption = MainCaption(member);
        caption.resize(captionWidth + 1, ' ');
        canvas.Put(row, board + 2, caption);
        canvas.Put(row++, board + 3 + static_cast<int>(captionWidth), Printable(value), Style::Strong);
    }
    auto levels = [&](const char* run, const char* pitch, const char* hit, const char* catcher) {
        canvas.Put(row++, board, GroupCaption(run), Style::Strong);
        for (const auto& [a, b] : {std::pair{run, pitch}, std::pair{hit, catcher}}) {
            const std::string first = MainCaption(a), second = MainCaption(b);
            canvas.Put(row, board + 2, first);
            canvas.Put(row, board + 3 + static_cast<int>(first.size()), Printable(labels.*BoundMember(a)), Style::Strong);
            canvas.Put(row, board + 21, second);
            canvas.Put(row++, board + 22 + static_cast<int>(second.size()), Printable(labels.*BoundMember(b)),
                       Style::Strong);
        }
    };
    levels("HumanRunLevel", "HumanPitchLevel", "HumanHitLevel", "HumanCatchLevel");
    levels("MonsterRunLevel", "MonsterPitchLevel", "MonsterHitLevel", "MonsterCatchLevel");

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
    if (screen.dialog == TermDialog::About) {
        const DialogTemplate& about = AboutTemplate();
        const auto texts = StaticTexts(about);
        Line line{{"[I] (icon)", Style::Strong}, {"  "}};
        if (!texts.empty())
            line.push_back({std::string(texts.front())});
        line.push_back({"    "});
        line.push_back(Button(ControlText(about, ids::Ok), true, "Enter"));
        frames.push_back({std::string(about.Caption), {line}});
    } else if (screen.dialog == TermDialog::Skill) {
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
        frames.push_back(std::move(frame));
    } else if (screen.dialog == TermDialog::Battle) {
        const DialogTemplate& battle = BattleTemplate();
        const auto texts = StaticTexts(battle);
        std::string monster = texts.size() > 0 ? std::string(texts[0]) : "";
        std::string human = texts.size() > 1 ? std::string(texts[1]) : "";
        const std::size_t width = std::max(monster.size(), human.size());
        monster.insert(0, width - monster.size(), ' ');
        human.insert(0, width - human.size(), ' ');
        Frame frame{std::string(battle.Caption), {}};
        frame.lines.push_back({{monster + " "}, {Printable(screen.battle.MonsterHp), Style::Strong}});
        frame.lines.push_back({{human + " "}, {Printable(screen.battle.HumanHp), Style::Strong}});
        for (const auto& line : Wrap(screen.battle.BattleMessage, 70))
            frame.lines.push_back({{line}});
        frame.lines.push_back({Button(ControlText(battle, ids::Attack), true), {"   "},
                               Button(ControlText(battle, ids::ReturnToBase), screen.returnEnabled), {"   "},
                               Button(ControlText(battle, ids::SurrenderBase), true)});
        frames.push_back(std::move(frame));
    }
    if (screen.boxOpen) {
        Frame frame{Printable(screen.boxCaption), {}};
        for (const auto& line : Wrap(screen.boxText, 72))
            frame.lines.push_back({{line}});
        frame.lines.push_back({});
        if (screen.question)
            frame.lines.push_back({{"[Y] Yes", Style::Strong}, {"    "}, {"[N] No", Style::Strong}});
        else
            frame.lines.push_back({{"[Enter] OK", Style::Strong}});
        frames.push_back(std::move(frame));
    }
    int bottom = LowestModalRow;
    for (auto it = frames.rbegin(); it != frames.rend(); ++it)
        bottom = canvas.PutFrame(*it, bottom) - 1;
}

void HumanWindow::DrawKeys(Canvas& canvas, Prompt prompt) const
{
    const TermScreen& screen = Screen();
    std::string keys = "Keys: ";
    switch (prompt) {
    case Prompt::Main: {
        const DialogTemplate& main = MainWindowTemplate();
        if (screen.swingEnabled)
            keys += KeyHint(main, ids::SwingButton);
        if (screen.pitchEnabled)
            keys += KeyHint(main, ids::PitchButton);
        keys += KeyHint(main, ids::AboutButton) + KeyHint(main, ids::SaveExitButton) + "Esc/Q Quit unsaved";
        break;
    }
    case Prompt::Ok: keys += "Enter OK"; break;
    case Prompt::YesNo: keys += "Y Yes  N No"; break;
    case Prompt::About: keys += "Enter OK  I Icon  Esc Close"; break;
    case Prompt::Skill:
        keys += "1-4 Choose a skill  ";
        if (screen.okEnabled)
            keys += "Enter OK  ";
        keys += "Esc Cancel";
        break;
    case Prompt::Battle: {
        const DialogTemplate& battle = BattleTemplate();
        keys += KeyHint(battle, ids::Attack);
        if (screen.returnEnabled)
            keys += KeyHint(battle, ids::ReturnToBase);
        keys += KeyHint(battle, ids::SurrenderBase) + "Esc Close";
        break;
    }
    }
    canvas.Put(KeysRow, 1, keys, Style::Strong);
    if (ignored_)
        canvas.Put(KeysRow, 2 + static_cast<int>(keys.size()), "(not now)", Style::Dim);
}

}  // namespace pennantry
