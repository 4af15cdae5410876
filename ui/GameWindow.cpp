// The main window: the field, the scoreboard and the four buttons, showing one Game.
#include "GameWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "AboutBox.h"
#include "BattleDialog.h"
#include "DialogTemplates.h"
#include "MessageBoxes.h"
#include "SkillUpgradeDialog.h"
#include "TemplateBuilder.h"

namespace pennantry {

GameWindow::GameWindow(Random& random, Clock& clock, SavedGameStore& store, PlayVariables& play)
    : QDialog(nullptr), game_(*this, random, clock, store, play)
{
    BuildTemplate(*this, MainWindowTemplate());
    // The fields are empty until the game is loaded or begun, and the labels are their view.
    for (const ScoreboardField& field : ScoreboardFields)
        Label(field.Label)->clear();
    setWindowIcon(ProgramIcon());

    connect(Button(ids::PitchButton), &QPushButton::clicked, this, [this] { game_.OnPitch(); });
    connect(Button(ids::SwingButton), &QPushButton::clicked, this, [this] { game_.OnReadyToSwing(); });
    connect(Button(ids::SaveExitButton), &QPushButton::clicked, this, [this] { game_.OnSaveAndExit(); });
    connect(Button(ids::AboutButton), &QPushButton::clicked, this, [this] { game_.OnHelpAbout(); });
}

bool GameWindow::StartUp()
{
    closed_ = false;
    const bool started = game_.StartUp();
    return started && !closed_;
}

void GameWindow::Run()
{
    FocusFirstControl(*this);
    exec();
}

QLabel* GameWindow::Label(int id) const { return Control<QLabel>(*this, id); }

QPushButton* GameWindow::Button(int id) const { return Control<QPushButton>(*this, id); }

void GameWindow::RefreshLabels(const Scoreboard& board)
{
    for (const ScoreboardField& field : ScoreboardFields)
        Label(field.Label)->setText(QString::fromStdString(board.*field.Member));
}

void GameWindow::EnablePlayButton(PlayButton button, bool enabled)
{
    Button(button == PlayButton::Pitch ? ids::PitchButton : ids::SwingButton)->setEnabled(enabled);
}

void GameWindow::ShowBall(bool shown) { Label(ids::BallPicture)->setVisible(shown); }

void GameWindow::SetBasePicture(int base, bool occupied)
{
    static constexpr int pictures[] = {ids::FirstBasePicture, ids::SecondBasePicture, ids::ThirdBasePicture};
    if (base < 1 || base > 3)
        return;
    const QPixmap pixmap = Bitmap(occupied ? BitmapOccupiedBase : BitmapEmptyBase);
    QLabel* picture = Label(pictures[base - 1]);
    if (pixmap.isNull())
        picture->clear();
    else
        picture->setPixmap(pixmap);
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
    box.exec();
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

void GameWindow::closeEvent(QCloseEvent* event)
{
    game_.OnClose();
    if (closed_)
        event->accept();
    else
        event->ignore();
}

void GameWindow::reject() { game_.OnCancel(); }

}  // namespace pennantry
