// A modal dialog of the platform, built from one of the shared template tables.
#include "Dialog.h"

#include <vector>

#include "DialogTemplate.h"

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
    const INT_PTR result = dialog->OnMessage(message, wParam, lParam);
    return message == WM_INITDIALOG ? TRUE : result;
}

int ClickedId(WPARAM wParam) { return HIWORD(wParam) == BN_CLICKED ? LOWORD(wParam) : 0; }

}  // namespace pennantry
