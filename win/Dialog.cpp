// A modal dialog of the platform, built from one of the shared template tables.
#include "Dialog.h"

#include <vector>

#include "Controls.h"
#include "DialogTemplate.h"
#include "HowToPlay.h"

namespace pennantry {

void Dialog::Run(HWND owner)
{
    const std::vector<WORD> layout = BuildDialogTemplate(layout_, windowClass_);
    DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(layout.data()), owner,
                            &Dialog::Procedure, reinterpret_cast<LPARAM>(this));
    window_ = nullptr;
}

int Dialog::Box(const std::string& text, const std::string& caption, UINT type) const
{
    return MessageBoxA(window_, text.c_str(), (caption.empty() ? ApplicationName() : caption).c_str(), type);
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
