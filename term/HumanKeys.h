// The human face's keys: what a key means at each prompt, keys that come a line at a time, and
// the line that lists the keys that work now.
#pragma once

#include <string>

#include "RawTerminal.h"
#include "TermInput.h"

namespace pennantry {

inline constexpr int KeyHelp = '?';

// The buttons whose keys come and go with their enabled state.
struct EnabledKeys {
    bool swing = false;
    bool pitch = false;
    bool ok = false;       // the Skill Upgrade's OK
    bool returns = false;  // the battle's Return to Base
};

// What the key does at the prompt, with its name for the report of an ignored key. Letters work
// in either case; only Enter, Space and Escape close a message box.
TermInput MatchKey(Prompt prompt, int key);

// The key a line of input stands for where keys come a line at a time: an empty line is Enter,
// "esc" (or "escape", or the ESC character) is Escape, one character is that key.
int KeyOfLine(const std::string& line);

// The key as the player gave it, for the report of an ignored key: "enter", "escape", the
// character, or nothing for a key without a name.
std::string KeyText(int key);

// "Keys: P Pitch  H Help/About ...": the keys that work at the prompt, from the templates' texts.
std::string KeysLine(Prompt prompt, const EnabledKeys& enabled);

}  // namespace pennantry
