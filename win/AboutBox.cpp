// The About box: the icon, the name and version, and OK.
#include "AboutBox.h"

namespace pennantry {

INT_PTR AboutBox::OnMessage(UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_COMMAND)
        return FALSE;
    switch (ClickedId(wParam)) {
    case ids::AboutIcon:
        Box(std::string(AboutIconText), std::string(AboutIconCaption), MB_OK);
        return TRUE;
    case IDOK:
    case IDCANCEL:
        EndDialog(Handle(), ClickedId(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace pennantry
