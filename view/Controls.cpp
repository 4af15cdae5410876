// A control's access key, as every edition reads it off the templates.
#include "Controls.h"

#include <cctype>

namespace pennantry {

AccessText Access(std::string_view text)
{
    AccessText out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && out.key == 0)
                out.key = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
        }
        out.text += text[i];
    }
    return out;
}

}  // namespace pennantry
