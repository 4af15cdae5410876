// The main window: the field, the scoreboard and the four buttons, showing one Game.
#include "GameWindow.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <string_view>

#include "AboutBox.h"
#include "BattleDialog.h"
#include "Controls.h"
#include "DialogTemplates.h"
#include "MessageBoxes.h"
#include "SkillUpgradeDialog.h"
#include "TemplateBuilder.h"

namespace pennantry {
namespace {

// The caption a screen reader says before a scoreboard label's value ("Humans:"), after its
// group's title where another group has the same caption ("Human Stats: Run Level:").
QString CaptionOf(const FieldLabel& field)
{
    const bool shared = std::any_of(FieldLabels.begin(), FieldLabels.end(), [&](const FieldLabel& other) {
        return other.Caption == field.Caption && other.Group != field.Group;
    });
    const auto text = [](std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); };
    return shared ? text(field.Group) + QLatin1Char(' ') + text(field.Caption) : text(field.Caption);
}

}  // namespace

GameWindow::GameWindow(Random& random, Clock& clock, SavedGameStore& store, PlayVariables& play,
                       std::function<void(const std::string&)> record)
    : CommandDialog(nullptr),
      game_(record ? static_cast<WindowOps&>(transcript_.emplace(*this, std::move(record))) : *this, random, clock, store, play)
{
}

void GameWindow::Build()
{
    if (built_)
        return;
    built_ = true;
    BuildTemplate(*this, MainWindowTemplate());
    // The fields are empty until the game is loaded or begun, and the labels are their view.
    for (const FieldLabel& field : FieldLabels)
        Label(field.Label)->clear();
    // What a screen reader says for each picture; the bases say theirs as they change.
    const QList<QWidget*> controls = ControlsInOrder(*this);
    for (qsizetype i = 0; i < controls.size(); ++i)
        if (MainWindowTemplate().Controls[static_cast<std::size_t>(i)].Resource == BitmapField)
            controls[i]->setAccessibleName(QStringLiteral("field"));
    Label(ids::BatterPicture)->setAccessibleName(QStringLiteral("home plate: batter"));
    Label(ids::BallPicture)->setAccessibleName(QStringLiteral("ball"));
    for (int base = 1; base <= 3; ++base)
        NameBase(base, false);

    for (const Command command : {Command::Pitch, Command::Swing, Command::SaveAndExit, Command::HelpAbout})
        Connect(command);
}

void GameWindow::AfterCommand() { FocusEnterCommand(*this, game_.EnterCommand()); }

bool GameWindow::StartUp()
{
    closed_ = false;
    const bool started = game_.StartUp();
    return started && !closed_;
}

void GameWindow::Run()
{
    Build();
    AfterCommand();
    exec();
}

QLabel* GameWindow::Label(int id) const { return Control<QLabel>(*this, id); }

QPushButton* GameWindow::Button(int id) const { return Control<QPushButton>(*this, id); }

void GameWindow::RefreshLabels(const Scoreboard& board)
{
    Build();
    for (const ScoreboardField& field : ScoreboardFields) {
        const QString value = QString::fromStdString(board.*field.Member);
        const FieldLabel& label = LabelOf(field.Name);
        Label(label.Label)->setText(value);
        Label(label.Label)->setAccessibleName(CaptionOf(label) + QLatin1Char(' ') + value);
    }
}

void GameWindow::EnablePlayButton(PlayButton button, bool enabled)
{
    Build();
    Button(button == PlayButton::Pitch ? ids::PitchButton : ids::SwingButton)->setEnabled(enabled);
}

void GameWindow::ShowBall(bool shown)
{
    Build();
    Label(ids::BallPicture)->setVisible(shown);
}

void GameWindow::SetBasePicture(int base, bool occupied)
{
    if (base < 1 || base > 3)
        return;
    Build();
    const QPixmap pixmap = Bitmap(occupied ? BitmapOccupiedBase : BitmapEmptyBase, devicePixelRatioF());
    QLabel* picture = Label(BasePictures[static_cast<std::size_t>(base - 1)]);
    if (pixmap.isNull())
        picture->clear();
    else
        picture->setPixmap(pixmap);
    NameBase(base, occupied);
}

void GameWindow::NameBase(int base, bool occupied)
{
    static const char* const names[] = {"first base", "second base", "third base"};
    Label(BasePictures[static_cast<std::size_t>(base - 1)])->setAccessibleName(QLatin1String(names[base - 1]) + QLatin1String(occupied ? ": runner" : ": empty"));
}

void GameWindow::ShowMessage(const std::string& text, const std::string& caption)
{
    ShowOkBox(this, QString::fromStdString(text), QString::fromStdString(caption));
}

Answer GameWindow::AskYesNo(const std::string& text)
{
    return AskYesNoBox(this, QString::fromStdString(text)) ? Answer::Yes : Answer::No;
}

void GameWindow::RunAboutDialog()
{
    AboutBox box(this);
    ExecOver(box);
}

void GameWindow::RunSkillDialog(SkillUpgradeRules& rules)
{
    SkillUpgradeDialog dialog(rules, this);
    dialog.Run();
}

void GameWindow::RunBattleDialog(BattleRules& rules)
{
    BattleDialog dialog(rules, this);
    dialog.Run();
}

void GameWindow::CloseWindow()
{
    closed_ = true;
    // Ends the window's modal run once the handler that asked for it returns.
    done(Accepted);
}

}  // namespace pennantry
