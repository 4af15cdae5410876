// The About box: the icon, the name and version, and OK.
#pragma once

#include "AboutRules.h"
#include "Dialog.h"

namespace pennantry {

class AboutBox final : public Dialog, public AboutView {
public:
    AboutBox() : Dialog(AboutTemplate()) {}

    void ShowIconMessage() override;

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    AboutRules rules_;
};

}  // namespace pennantry
