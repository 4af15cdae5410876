// Draws the main window in play, a battle and the Skill Upgrade dialog into PNG files for docs/;
// on a screen scaled by 2 (QT_SCALE_FACTOR=2) the files are named NAME@2x.png.
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>

#include "BattleDialog.h"
#include "DialogTemplates.h"
#include "GameWindow.h"
#include "SkillUpgradeDialog.h"
#include "TemplateBuilder.h"

using namespace pennantry;

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    const QString suffix = qApp->devicePixelRatio() > 1 ? QStringLiteral("@2x.png") : QStringLiteral(".png");
    PlayVariables play{'H', 2};
    ClassicRandom random;
    SteppingClock clock(20240601);
    MemoryStore store;

    GameWindow window(random, clock, store, play);
    window.RefreshLabels(Scoreboard{"2", "2", "3", "1", "2", "4", "6", "B", "1", "3", "2", "2", "3", "1", "1"});
    window.SetBasePicture(1, true);
    window.SetBasePicture(3, true);
    window.ShowBall(true);
    window.EnablePlayButton(PlayButton::Pitch, false);
    window.EnablePlayButton(PlayButton::Swing, true);
    window.grab().save(out.filePath(QStringLiteral("main-window") + suffix));

    BattleRules rules(play, random, clock);
    BattleDialog battle(rules, nullptr);
    rules.OnInitDialog(battle);
    for (int blow = 0; blow < 3 && !rules.Ended(); ++blow)
        Control<QPushButton>(battle, ids::Attack)->click();
    battle.grab().save(out.filePath(QStringLiteral("battle") + suffix));

    SkillUpgradeRules choice(play);
    SkillUpgradeDialog skill(choice, nullptr);
    Control<QRadioButton>(skill, ids::HitLevel)->click();
    skill.grab().save(out.filePath(QStringLiteral("skill-upgrade") + suffix));
}
