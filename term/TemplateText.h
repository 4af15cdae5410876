// What the dialog templates say, as the human face shows it: control texts with their access
// keys, the captions of the scoreboard fields and the static texts of a dialog.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Controls.h"
#include "DialogTemplates.h"
#include "Scoreboard.h"

namespace pennantry {

// The text of a template's control; empty when the template has no such control.
std::string_view ControlText(const DialogTemplate& dialog, int id);

// The static text that captions a scoreboard field and the group box that holds it, from the
// scoreboard's table; the field's own name when it has none.
std::string MainCaption(std::string_view member);
std::string GroupCaption(std::string_view member);

// The scoreboard field of that name.
std::string Scoreboard::*BoundMember(std::string_view member);

// The static texts of a template that have no identifier, in template order.
std::vector<std::string_view> StaticTexts(const DialogTemplate& dialog);

}  // namespace pennantry
