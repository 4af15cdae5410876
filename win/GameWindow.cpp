// The main window of the Windows edition: the field, the scoreboard and the four buttons.
#include "GameWindow.h"

#include <algorithm>

#include "AboutBox.h"
#include "BattleDialog.h"
#include "Controls.h"
#include "Picture.h"
#include "SkillUpgradeDialog.h"

namespace pennantry {

namespace {

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

HICON LoadProgramIcon(int widthMetric, int heightMetric)
{
    return static_cast<HICON>(LoadImageA(Instance(), MAKEINTRESOURCEA(IconProgram), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), 0));
}

// The standard dialog class under the main window's own name; where it cannot be registered the
// window is of the standard class, and only a second start no longer finds it.
std::string MainClass()
{
    WNDCLASSEXA main{};
    main.cbSize = sizeof main;
    if (!GetClassInfoExA(nullptr, MAKEINTATOM(0x8002), &main))
        return {};
    main.style &= ~CS_GLOBALCLASS;
    main.hInstance = Instance();
    main.lpszClassName = MainWindowClass;
    if (!RegisterClassExA(&main) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return {};
    return MainWindowClass;
}

}  // namespace

GameWindow::GameWindow(Random& random, Clock& clock, SavedGameStore& store, PlayVariables& play,
                       std::function<void(const std::string&)> record)
    : Dialog(MainWindowTemplate(), MainClass()),
      game_(record ? static_cast<WindowOps&>(transcript_.emplace(*this, std::move(record))) : *this, random, clock, store, play),
      icon_(LoadProgramIcon(SM_CXICON, SM_CYICON)),
      smallIcon_(LoadProgramIcon(SM_CXSMICON, SM_CYSMICON))
{
}

GameWindow::~GameWindow()
{
    for (HBITMAP picture : pictures_)
        DeleteObject(picture);
    DestroyIcon(icon_);
    DestroyIcon(smallIcon_);
}

void GameWindow::OnInitDialog()
{
    // The labels stay blank until the game is loaded or begun, which refreshes them.
    for (const FieldLabel& field : FieldLabels)
        SetText(field.Label, "");
    if (HMENU menu = GetSystemMenu(Handle(), FALSE)) {
        char text[64] = {};
        if (LoadStringA(Instance(), 101, text, sizeof text) > 0) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(menu, MF_STRING, AboutCommand, text);
        }
    }
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    LayPicturesOverField();
    game_.StartUp();
    FollowEnter(game_.EnterCommand(), true);
}

void GameWindow::LayPicturesOverField()
{
    // Where the dialog manager put each control's corner, in the window's pixels.
    const auto corner = [&](const DialogControl& control) {
        RECT place{control.X, control.Y, control.X, control.Y};
        MapDialogRect(Handle(), &place);
        return POINT{place.left, place.top};
    };
    const auto& controls = MainWindowTemplate().Controls;
    const auto field = std::find_if(controls.begin(), controls.end(),
                                    [](const DialogControl& control) { return control.Resource == BitmapField; });
    if (field == controls.end())
        return;
    HBITMAP fieldPicture = LoadPicture(BitmapField);
    const POINT origin = corner(*field);
    for (const DialogControl& control : controls) {
        if (control.Kind != ControlKind::Picture || &control == &*field)
            continue;
        const POINT at{corner(control).x - origin.x, corner(control).y - origin.y};
        const auto over = [&](int number) {
            HBITMAP picture = LoadPicture(number);
            pictures_.push_back(OverField(fieldPicture, picture, at));
            DeleteObject(picture);
            return pictures_.back();
        };
        HBITMAP shown = nullptr;
        const auto base = std::find(BasePictures.begin(), BasePictures.end(), control.Id);
        if (base != BasePictures.end()) {
            auto& pictures = bases_[static_cast<std::size_t>(base - BasePictures.begin())];
            pictures = {over(BitmapOccupiedBase), over(BitmapEmptyBase)};
            shown = pictures[control.Resource == BitmapOccupiedBase ? 0 : 1];
        } else {
            shown = over(control.Resource);
        }
        ShowPicture(control.Id, shown);
    }
    DeleteObject(fieldPicture);
}

// The control hands back what it showed before: the bitmap it loaded from the template, or a
// copy it made of one of ours, either of which is ours to delete.
void GameWindow::ShowPicture(int id, HBITMAP picture) const
{
    auto* before = reinterpret_cast<HBITMAP>(
        SendDlgItemMessageA(Handle(), id, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture)));
    if (before != nullptr && std::find(pictures_.begin(), pictures_.end(), before) == pictures_.end())
        DeleteObject(before);
}

INT_PTR GameWindow::OnMessage(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog();
        return TRUE;
    case WM_COMMAND:
        Perform(Given(wParam, game_.EnterCommand()));
        return TRUE;
    case WM_SYSCOMMAND:
        if ((static_cast<unsigned>(wParam) & 0xFFF0u) != AboutCommand)
            return FALSE;
        Perform(Command::SystemAbout);
        return TRUE;
    case WM_CLOSE:
        // Saves, then ends the window; refused while a play runs (a box or dialog open over the
        // window, or a close sent from outside), which would save half a play.
        Perform(Command::Close);
        return TRUE;
    case WM_ENDSESSION:
        // The session ends and the program with it, with no close: the game is kept when it
        // stands between two presses; during a play the last save stands.
        if (wParam)
            game_.Keep();
        return TRUE;
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(icon_);
    default:
        return FALSE;
    }
}

void GameWindow::Perform(std::optional<Command> command)
{
    if (command && game_.Perform(*command))
        FollowEnter(game_.EnterCommand(), true);
}

bool GameWindow::OnPaint()
{
    if (!IsIconic(Handle()))
        return false;
    PAINTSTRUCT paint;
    HDC context = BeginPaint(Handle(), &paint);
    SendMessageA(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(context), 0);
    RECT client;
    GetClientRect(Handle(), &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(context, x, y, icon_);
    EndPaint(Handle(), &paint);
    return true;
}

void GameWindow::RefreshLabels(const Scoreboard& board)
{
    for (const ScoreboardField& field : ScoreboardFields)
        SetText(LabelOf(field.Name).Label, board.*field.Member);
}

void GameWindow::EnablePlayButton(PlayButton button, bool enabled)
{
    EnableWindow(Item(button == PlayButton::Pitch ? ids::PitchButton : ids::SwingButton), enabled);
}

void GameWindow::ShowBall(bool shown) { ShowWindow(Item(ids::BallPicture), shown ? SW_SHOW : SW_HIDE); }

void GameWindow::SetBasePicture(int base, bool occupied)
{
    if (base < 1 || base > 3)
        return;
    const std::size_t index = static_cast<std::size_t>(base - 1);
    ShowPicture(BasePictures[index], bases_[index][occupied ? 0 : 1]);
}

void GameWindow::ShowMessage(const std::string& text, const std::string& caption) { Box(text, caption, MB_OK); }

Answer GameWindow::AskYesNo(const std::string& text)
{
    return Box(text, "", MB_YESNO) == IDYES ? Answer::Yes : Answer::No;
}

void GameWindow::RunAboutDialog()
{
    AboutBox box;
    box.Run(Handle());
}

void GameWindow::RunSkillDialog(SkillUpgradeRules& rules)
{
    SkillUpgradeDialog dialog(rules);
    dialog.Run(Handle());
}

void GameWindow::RunBattleDialog(BattleRules& rules)
{
    BattleDialog dialog(rules);
    dialog.Run(Handle());
}

// Ends the window's modal run once the handler that asked for it returns.
void GameWindow::CloseWindow() { EndDialog(Handle(), IDOK); }

}  // namespace pennantry
