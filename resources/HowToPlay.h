// The rules in brief, as the README's "How to play" gives them: what F1 shows in every edition.
#pragma once

#include <string_view>

namespace pennantry {

// One paragraph a point, unwrapped, with a blank line between two; each begins with its title
// ("Innings.", "Battles.", ...).
std::string_view HowToPlay();

// The help window's title.
inline constexpr std::string_view HowToPlayCaption = "How to play";

}  // namespace pennantry
