// A modal dialog of the platform, built from one of the shared template tables.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "DialogTemplates.h"

namespace pennantry {

// Lives on the caller's stack for one modal run. The platform's dialog manager handles the
// keyboard (Tab, arrows, access keys, Enter, Escape) from the template's styles.
class Dialog {
public:
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Returns once the dialog has ended; owner may be null.
    void Run(HWND owner);
    HWND Handle() const { return window_; }

protected:
    // A window class other than the standard one must be registered before Run.
    explicit Dialog(const DialogTemplate& layout, std::string windowClass = {})
        : layout_(layout), windowClass_(std::move(windowClass))
    {
    }
    virtual ~Dialog() = default;

    // One message; a non-zero result means handled (for WM_INITDIALOG, the focus is the platform's).
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    HWND Item(int id) const { return GetDlgItem(window_, id); }
    void SetText(int id, const std::string& text) const { SetDlgItemTextA(window_, id, text.c_str()); }
    // A modal box owned by this dialog; an empty caption is the application's name.
    int Box(const std::string& text, const std::string& caption, UINT type) const;

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    const DialogTemplate& layout_;
    std::string windowClass_;
    HWND window_ = nullptr;
};

// A click (or Enter, or an access key) on a control: the command's identifier, else 0.
int ClickedId(WPARAM wParam);

}  // namespace pennantry
