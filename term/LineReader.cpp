// Unbuffered line input.
#include "LineReader.h"

#include <cerrno>
#include <unistd.h>

namespace pennantry {

std::string Trim(const std::string& text)
{
    const char* space = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(space);
    if (first == std::string::npos)
        return "";
    const auto last = text.find_last_not_of(space);
    return text.substr(first, last - first + 1);
}

std::optional<std::string> LineReader::ReadLine()
{
    if (ended_)
        return std::nullopt;
    std::string line;
    bool any = false;
    for (;;) {
        char c = 0;
        const ssize_t n = ::read(fd_, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ended_ = true;
            if (!any)
                return std::nullopt;
            break;
        }
        any = true;
        if (c == '\n')
            break;
        line += c;
    }
    return Trim(line);
}

}  // namespace pennantry
