// The About box: the icon, the name and version, and OK.
#include "AboutBox.h"

namespace pennantry {

void AboutBox::ShowIconMessage() { Box(std::string(AboutIconText), std::string(AboutIconCaption), MB_OK); }

INT_PTR AboutBox::OnMessage(UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_CLOSE)
        Perform(rules_, *this, Command::Close);
    else if (message == WM_COMMAND)
        Perform(rules_, *this, Given(wParam, rules_.EnterCommand()));
    else
        return FALSE;
    return TRUE;
}

}  // namespace pennantry
