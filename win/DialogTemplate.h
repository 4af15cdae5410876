// The in-memory dialog templates of the Windows edition, built from the shared template tables.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "DialogTemplates.h"

namespace pennantry {

// The platform's styles for one control of a table, and for a table's window as a whole.
DWORD ControlStyle(const DialogControl& control, bool firstOfGroup);
DWORD WindowStyle(const DialogTemplate& dialog);
DWORD ExtendedStyle(const DialogTemplate& dialog);

// A DLGTEMPLATE with its items, as DialogBoxIndirectParam reads it: every text, rectangle and
// style comes from the table, so each template has exactly one source. The window is of the
// registered class named, or of the standard dialog class when none is.
std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialog, std::string_view windowClass = {});

// The program file's name without its extension: the caption of every box given none.
const std::string& ApplicationName();

}  // namespace pennantry
