// The browser edition's main window: the window operations as calls on the page's script.
#include "WebWindow.h"

#include <emscripten.h>

#include "AboutRules.h"
#include "Controls.h"
#include "DialogTemplates.h"
#include "JsonLine.h"

namespace pennantry {
namespace {

// What the page answers a wait with besides a control's identifier: Escape, the close box, Enter.
constexpr int CancelCommand = 2;
constexpr int CloseCommand = -2;
constexpr int EnterKey = -3;
// An OK box answers 1; the question answers as Answer does.
constexpr int AnswerYes = static_cast<int>(Answer::Yes);

// clang-format off
EM_JS(void, PageTemplates, (const char* json), { Module.page.templates(JSON.parse(UTF8ToString(json))); });
EM_JS(void, PageOpen, (int dialog), { Module.page.open(dialog); });
EM_JS(void, PageClose, (int dialog), { Module.page.close(dialog); });
EM_JS(void, PageSetText, (int dialog, int control, const char* text), { Module.page.setText(dialog, control, UTF8ToString(text)); });
EM_JS(void, PageEnable, (int dialog, int control, int enabled), { Module.page.enable(dialog, control, enabled !== 0); });
EM_JS(void, PageShow, (int dialog, int control, int shown), { Module.page.show(dialog, control, shown !== 0); });
EM_JS(void, PagePicture, (int dialog, int control, int bitmap), { Module.page.picture(dialog, control, bitmap); });
EM_JS(void, PageEnd, (), { Module.page.end(); });
EM_JS(void, PageFocus, (int dialog, int control), { Module.page.focus(dialog, control); });
// The modal operations: each returns when the player has answered.
EM_ASYNC_JS(int, PageWait, (int dialog), { return await Module.page.wait(dialog); });
EM_ASYNC_JS(int, PageMessage, (const char* text, const char* caption, int question), {
    return await Module.page.message(UTF8ToString(text), UTF8ToString(caption), question !== 0);
});
// clang-format on

const char* KindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PushButton: return "button";
    case ControlKind::Label: return "label";
    case ControlKind::GroupBox: return "group";
    case ControlKind::Picture: return "picture";
    case ControlKind::Icon: return "icon";
    case ControlKind::RadioButton: return "radio";
    }
    return "label";
}

// The four templates as the page builds them: {"102": {caption, width, height, ..., controls}}.
std::string TemplatesJson()
{
    static constexpr std::pair<unsigned, const char*> controlStyles[] = {
        {Disabled, "disabled"}, {Hidden, "hidden"}, {MultiLine, "multiLine"}, {TabStop, "tabStop"},
        {DefaultButton, "default"}, {Sunken, "sunken"}, {Notify, "notify"}};
    JsonLine all;
    for (const DialogTemplate* dialog : {&AboutTemplate(), &MainWindowTemplate(), &SkillUpgradeTemplate(), &BattleTemplate()}) {
        std::string controls;
        for (const DialogControl& c : dialog->Controls) {
            JsonLine control;
            control.Add("id", c.Id).Add("kind", KindName(c.Kind)).Add("text", c.Text).Add("x", c.X).Add("y", c.Y);
            control.Add("width", c.Width).Add("height", c.Height).Add("resource", c.Resource).Add("member", c.Member);
            // A field's label is named by its group and caption, as the field labels' table gives them.
            for (const FieldLabel& field : FieldLabels)
                if (c.Member == field.Name)
                    control.Add("name", std::string(field.Group) + ' ' + std::string(field.Caption));
            for (const auto& [flag, name] : controlStyles)
                if (c.Style & flag)
                    control.Add(name, true);
            controls += (controls.empty() ? "[" : ",") + control.Text();
        }
        all.AddRaw(std::to_string(dialog->Id), JsonLine()
                                                   .Add("caption", dialog->Caption)
                                                   .Add("width", dialog->Width)
                                                   .Add("height", dialog->Height)
                                                   .Add("systemMenu", (dialog->Style & SystemMenu) != 0)
                                                   .AddRaw("controls", (controls.empty() ? "[" : controls) + "]")
                                                   .Text());
    }
    return all.Text();
}

constexpr int MainWindow = 102;
constexpr int About = 100;
constexpr int SkillUpgrade = 134;
constexpr int Battle = 135;

}  // namespace

WebWindow::WebWindow(Random& random, Clock& clock, SavedGameStore& store, PlayVariables& play,
                     std::function<void(const std::string&)> record)
    : game_(record ? static_cast<WindowOps&>(transcript_.emplace(*this, std::move(record))) : *this, random, clock, store, play)
{
    PageTemplates(TemplatesJson().c_str());
}

void WebWindow::Run()
{
    // The main window stays hidden until its game is loaded or begun.
    if (game_.StartUp() && !closed_) {
        PageOpen(MainWindow);
        while (!closed_) {
            Focus(MainWindow, game_.EnterCommand());
            if (const auto command = NextCommand(MainWindow, game_.EnterCommand()))
                game_.Perform(*command);
        }
    }
    PageEnd();
}

std::optional<Command> WebWindow::NextCommand(int dialog, std::optional<Command> enter)
{
    switch (const int pressed = PageWait(dialog)) {
    case EnterKey: return enter;
    case CancelCommand: return Command::Escape;
    case CloseCommand: return Command::Close;
    default: return CommandOf(pressed);
    }
}

void WebWindow::Focus(int dialog, std::optional<Command> enter)
{
    if (enter)
        PageFocus(dialog, ControlOf(*enter));
}

void WebWindow::OnPageHide()
{
    leaving_ = true;
    if (!game_.Perform(Command::Close))
        leaving_ = false;
}

void WebWindow::OnPageHidden() { game_.Keep(); }

void WebWindow::RefreshLabels(const Scoreboard& board)
{
    for (const ScoreboardField& field : ScoreboardFields)
        PageSetText(MainWindow, LabelOf(field.Name).Label, (board.*field.Member).c_str());
}

void WebWindow::EnablePlayButton(PlayButton button, bool enabled)
{
    PageEnable(MainWindow, button == PlayButton::Pitch ? ids::PitchButton : ids::SwingButton, enabled);
}

void WebWindow::ShowBall(bool shown) { PageShow(MainWindow, ids::BallPicture, shown); }

void WebWindow::SetBasePicture(int base, bool occupied)
{
    if (base >= 1 && base <= 3)
        PagePicture(MainWindow, BasePictures[static_cast<std::size_t>(base - 1)], occupied ? BitmapOccupiedBase : BitmapEmptyBase);
}

void WebWindow::ShowMessage(const std::string& text, const std::string& caption)
{
    // Leaving, a save that failed can only keep the last save: the box would be answered inside
    // the page's event, which cannot wait.
    if (!leaving_)
        PageMessage(text.c_str(), caption.c_str(), 0);
}

Answer WebWindow::AskYesNo(const std::string& text)
{
    return PageMessage(text.c_str(), "", 1) == AnswerYes ? Answer::Yes : Answer::No;
}

namespace {

class AboutPage final : public AboutView {
public:
    void ShowIconMessage() override
    {
        PageMessage(std::string(AboutIconText).c_str(), std::string(AboutIconCaption).c_str(), 0);
    }
};

}  // namespace

void WebWindow::RunAboutDialog()
{
    PageOpen(About);
    AboutRules rules;
    AboutPage view;
    while (!rules.Ended())
        if (const auto command = NextCommand(About, rules.EnterCommand()))
            rules.Perform(*command, view);
    PageClose(About);
}

void WebWindow::RunSkillDialog(SkillUpgradeRules& rules)
{
    PageOpen(SkillUpgrade);
    while (!rules.Ended())
        if (const auto command = NextCommand(SkillUpgrade, rules.EnterCommand()))
            rules.Perform(*command, *this);
    PageClose(SkillUpgrade);
}

void WebWindow::RunBattleDialog(BattleRules& rules)
{
    PageOpen(Battle);
    rules.OnInitDialog(*this);
    while (!rules.Ended()) {
        Focus(Battle, rules.EnterCommand());
        if (const auto command = NextCommand(Battle, rules.EnterCommand()))
            rules.Perform(*command, *this);
    }
    PageClose(Battle);
}

void WebWindow::CloseWindow() { closed_ = true; }

void WebWindow::RefreshBattle(const BattleLabels& labels)
{
    PageSetText(Battle, ids::MonsterHp, std::to_string(labels.MonsterHp).c_str());
    PageSetText(Battle, ids::HumanHp, std::to_string(labels.HumanHp).c_str());
    PageSetText(Battle, ids::BattleMessage, std::string(labels.BattleMessage).c_str());
}

void WebWindow::EnableReturnToBase(bool enabled) { PageEnable(Battle, ids::ReturnToBase, enabled); }

void WebWindow::ShowMessage(const std::string& text) { PageMessage(text.c_str(), "", 0); }

void WebWindow::EnableOkButton() { PageEnable(SkillUpgrade, ids::Ok, true); }

}  // namespace pennantry
