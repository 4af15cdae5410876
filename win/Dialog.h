// A modal dialog of the platform, built from one of the shared template tables.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>

#include "Commands.h"
#include "DialogTemplates.h"

namespace pennantry {

// Lives on the caller's stack for one modal run. The platform's dialog manager handles the
// keyboard (Tab, arrows, access keys) from the template's styles; every command it reports, Enter
// and Escape included, goes to the dialog's rules, which say what it does.
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

    // The command a WM_COMMAND gives: the control's own, Escape for the platform's cancel, and for
    // Enter (the platform's OK, or any button pressed while Enter is down) the one `enter` names.
    static std::optional<Command> Given(WPARAM wParam, std::optional<Command> enter);
    // Makes the control of the command Enter gives the default button, drawn as such; with
    // `focus`, also puts the focus on it, so that the player sees what Enter presses.
    void FollowEnter(std::optional<Command> enter, bool focus) const;

    // Gives the command to the rules; ends the dialog once they have ended, else follows Enter.
    template <class Rules, class View>
    void Perform(Rules& rules, View& view, std::optional<Command> command, bool focus = true)
    {
        if (!command || !rules.Perform(*command, view))
            return;
        if (rules.Ended())
            EndDialog(window_, IDOK);
        else
            FollowEnter(rules.EnterCommand(), focus);
    }

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

}  // namespace pennantry
