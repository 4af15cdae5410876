// The terminal's window operations and modal prompts, common to both faces.
#include "TermWindow.h"

#include <utility>

#include "AboutRules.h"
#include "DialogTemplates.h"

namespace pennantry {

class TermWindow::SkillAdapter final : public SkillView {
public:
    explicit SkillAdapter(TermWindow& window) : window_(window) {}
    void EnableOkButton() override
    {
        window_.screen_.okEnabled = true;
        window_.WriteButton(TermButton::Ok, true);
    }

private:
    TermWindow& window_;
};

class TermWindow::BattleAdapter final : public BattleView {
public:
    explicit BattleAdapter(TermWindow& window) : window_(window) {}
    void RefreshBattle(const BattleLabels& labels) override
    {
        window_.screen_.battle = labels;
        window_.WriteBattle();
    }
    void EnableReturnToBase(bool enabled) override
    {
        window_.screen_.returnEnabled = enabled;
        window_.WriteButton(TermButton::Return, enabled);
    }
    void ShowMessage(const std::string& text) override { window_.ShowMessage(text, ""); }

private:
    TermWindow& window_;
};

class TermWindow::AboutAdapter final : public AboutView {
public:
    explicit AboutAdapter(TermWindow& window) : window_(window) {}
    void ShowIconMessage() override { window_.ShowMessage(std::string(AboutIconText), std::string(AboutIconCaption)); }

private:
    TermWindow& window_;
};

TermWindow::TermWindow(std::string appName) : appName_(std::move(appName)) {}

template <class Rules, class Perform>
void TermWindow::Give(const Rules& rules, const TermInput& input, Perform perform)
{
    const auto command = input.enter ? rules.EnterCommand() : input.command;
    if (!command || !perform(*command))
        Ignore(input);
}

void TermWindow::Run(Game& game)
{
    if (closed_)
        return;
    screen_.shown = true;
    WriteShow();
    while (!closed_) {
        const TermInput input = Read(Prompt::Main);
        if (input.end) {
            // The end of input is the close box; should it not close, there is no input left to wait for.
            game.Perform(Command::Close);
            return;
        }
        Give(game, input, [&game](Command command) { return game.Perform(command); });
    }
}

void TermWindow::RefreshLabels(const Scoreboard& board)
{
    if (closed_)
        return;
    screen_.labels = board;
    WriteRefresh();
}

void TermWindow::EnablePlayButton(PlayButton button, bool enabled)
{
    if (closed_)
        return;
    if (button == PlayButton::Pitch) {
        screen_.pitchEnabled = enabled;
        WriteButton(TermButton::Pitch, enabled);
    } else {
        screen_.swingEnabled = enabled;
        WriteButton(TermButton::Swing, enabled);
    }
}

void TermWindow::ShowBall(bool shown)
{
    if (closed_)
        return;
    screen_.ballShown = shown;
    WriteBall();
}

void TermWindow::SetBasePicture(int base, bool occupied)
{
    if (closed_ || base < 1 || base > 3)
        return;
    screen_.bases[static_cast<std::size_t>(base - 1)] = occupied;
    WriteBase(base);
}

void TermWindow::OpenBox(const std::string& text, const std::string& caption, bool question)
{
    screen_.boxOpen = true;
    screen_.question = question;
    screen_.boxText = text;
    screen_.boxCaption = caption.empty() ? appName_ : caption;
    WriteBox();
}

void TermWindow::ShowMessage(const std::string& text, const std::string& caption)
{
    if (closed_)
        return;
    OpenBox(text, caption, false);
    // Only OK closes the box, so that a player pressing on through a battle cannot skip its result.
    for (TermInput input; (input = ReadModal(Prompt::Ok)).command != Command::Ok;)
        Ignore(input);
    screen_.boxOpen = false;
}

Answer TermWindow::AskYesNo(const std::string& text)
{
    if (closed_)
        return Answer::No;
    OpenBox(text, "", true);
    for (;;) {
        const TermInput input = ReadModal(Prompt::YesNo);
        if (input.command == Command::Yes || input.command == Command::No) {
            screen_.boxOpen = false;
            return input.command == Command::Yes ? Answer::Yes : Answer::No;
        }
        Ignore(input);
    }
}

void TermWindow::OpenDialog(TermDialog dialog)
{
    screen_.dialog = dialog;
    WriteDialog(dialog, true);
}

void TermWindow::CloseDialog(TermDialog dialog, std::optional<TermDialog> previous)
{
    screen_.dialog = previous;
    WriteDialog(dialog, false);
}

void TermWindow::RunAboutDialog()
{
    if (closed_)
        return;
    const auto previous = screen_.dialog;
    OpenDialog(TermDialog::About);
    AboutRules rules;
    AboutAdapter view(*this);
    while (!rules.Ended())
        Give(rules, ReadModal(Prompt::About), [&](Command command) { return rules.Perform(command, view); });
    CloseDialog(TermDialog::About, previous);
}

void TermWindow::RunSkillDialog(SkillUpgradeRules& rules)
{
    if (closed_)
        return;
    const auto previous = screen_.dialog;
    screen_.skillSelected.reset();
    screen_.okEnabled = false;
    OpenDialog(TermDialog::Skill);
    SkillAdapter view(*this);
    while (!rules.Ended()) {
        Give(rules, ReadModal(Prompt::Skill), [&](Command command) { return rules.Perform(command, view); });
        screen_.skillSelected = rules.Selected();
    }
    CloseDialog(TermDialog::Skill, previous);
}

void TermWindow::RunBattleDialog(BattleRules& rules)
{
    if (closed_)
        return;
    const auto previous = screen_.dialog;
    screen_.battle = BattleLabels{};
    screen_.returnEnabled = false;
    OpenDialog(TermDialog::Battle);
    BattleAdapter view(*this);
    rules.OnInitDialog(view);
    while (!rules.Ended())
        Give(rules, ReadModal(Prompt::Battle), [&](Command command) { return rules.Perform(command, view); });
    CloseDialog(TermDialog::Battle, previous);
}

void TermWindow::CloseWindow()
{
    if (closed_)
        return;
    WriteClose();
    closed_ = true;
}

TermInput TermWindow::ReadModal(Prompt prompt)
{
    TermInput input = Read(prompt);
    if (input.end)
        throw InputEnded();
    return input;
}

void TermWindow::Ignore(const TermInput& input)
{
    WriteIgnored(input);
}

}  // namespace pennantry
