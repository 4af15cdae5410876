// A modal dialog of the platform, built from one of the shared template tables.
#include "Dialog.h"

#include <vector>

#include "Controls.h"
#include "DialogTemplate.h"
#include "HowToPlay.h"

namespace pennantry {

namespace {

// Set as a box is asked for: the first window activated after is that box (the program has one
// thread), not the owner it activates again as it closes.
bool boxToShow = false;

// Windows makes a message box wide enough for its caption; Wine sizes it by its text and buttons
// alone, and a window manager's title bar then cut the program's name over a short question
// ("Play Again?"). Widens the box as it first shows, its contents kept in the middle, to hold the
// caption with room on either side for an icon and three buttons, as a title centred between
// them needs.
LRESULT CALLBACK WidenToCaption(int code, WPARAM wParam, LPARAM lParam)
{
    if (code != HCBT_ACTIVATE || !boxToShow)
        return CallNextHookEx(nullptr, code, wParam, lParam);
    boxToShow = false;
    HWND box = reinterpret_cast<HWND>(wParam);
    char caption[256] = {};
    GetWindowTextA(box, caption, sizeof caption);
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HDC screen = GetDC(nullptr);
    HFONT font = CreateFontIndirectA(&metrics.lfCaptionFont);
    HGDIOBJ before = SelectObject(screen, font);
    SIZE text{};
    GetTextExtentPoint32A(screen, caption, lstrlenA(caption), &text);
    SelectObject(screen, before);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);

    RECT frame;
    GetWindowRect(box, &frame);
    const int grow = text.cx + 8 * GetSystemMetrics(SM_CXSIZE) + 2 * GetSystemMetrics(SM_CXFIXEDFRAME) - (frame.right - frame.left);
    if (grow > 0) {
        SetWindowPos(box, nullptr, frame.left - grow / 2, frame.top, frame.right - frame.left + grow, frame.bottom - frame.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            RECT place;
            GetWindowRect(child, &place);
            MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&place), 2);
            SetWindowPos(child, nullptr, place.left + grow / 2, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void Dialog::Run(HWND owner)
{
    const std::vector<WORD> layout = BuildDialogTemplate(layout_, windowClass_);
    DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(layout.data()), owner,
                            &Dialog::Procedure, reinterpret_cast<LPARAM>(this));
    window_ = nullptr;
}

int Dialog::Box(const std::string& text, const std::string& caption, UINT type) const
{
    boxToShow = true;
    HHOOK hook = SetWindowsHookExA(WH_CBT, WidenToCaption, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxA(window_, text.c_str(), (caption.empty() ? ApplicationName() : caption).c_str(), type);
    UnhookWindowsHookEx(hook);
    return answer;
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<Dialog*>(lParam)->window_ = window;
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    // Messages that come before WM_INITDIALOG (the font, the frame) are the platform's.
    if (dialog == nullptr)
        return FALSE;
    // F1, in any of the game's windows: the rules in brief, over the window that asked.
    if (message == WM_HELP) {
        dialog->Box(std::string(HowToPlay()), std::string(HowToPlayCaption), MB_OK | MB_ICONINFORMATION);
        SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    const INT_PTR result = dialog->OnMessage(message, wParam, lParam);
    return message == WM_INITDIALOG ? TRUE : result;
}

std::optional<Command> Dialog::Given(WPARAM wParam, std::optional<Command> enter)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return std::nullopt;
    const int id = LOWORD(wParam);
    // The dialog manager presses the focused button on Enter: Enter never presses what the rules
    // do not name (Save & Exit, say), whatever has the focus.
    if (id == IDOK || (GetKeyState(VK_RETURN) & 0x8000) != 0)
        return enter;
    return id == IDCANCEL ? std::optional(Command::Escape) : CommandOf(id);
}

void Dialog::FollowEnter(std::optional<Command> enter, bool focus) const
{
    if (!enter)
        return;
    const int id = ControlOf(*enter);
    SendMessageA(window_, DM_SETDEFID, static_cast<WPARAM>(id), 0);
    // Posted, so that it also holds over the focus the platform gives as the dialog opens.
    if (focus)
        PostMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

}  // namespace pennantry
