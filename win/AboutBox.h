// The About box: the icon, the name and version, and OK.
#pragma once

#include "Dialog.h"

namespace pennantry {

class AboutBox final : public Dialog {
public:
    AboutBox() : Dialog(AboutTemplate()) {}

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace pennantry
