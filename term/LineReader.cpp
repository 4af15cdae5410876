// Bounded line input.
#include "LineReader.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

#include "CloseRequest.h"

namespace pennantry {
namespace {

constexpr std::size_t BlockSize = 4096;

}  // namespace

std::string Trim(const std::string& text)
{
    const char* space = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(space);
    if (first == std::string::npos)
        return "";
    const auto last = text.find_last_not_of(space);
    return text.substr(first, last - first + 1);
}

// One more block into the buffer; false at the end of input.
bool LineReader::Fill()
{
    char block[BlockSize];
    for (;;) {
        const Wait wait = WaitForInput(fd_);
        if (wait == Wait::Closing)
            return false;
        if (wait == Wait::Interrupted)
            continue;
        const ssize_t n = ::read(fd_, block, sizeof block);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        buffer_.append(block, static_cast<std::size_t>(n));
        return true;
    }
}

std::optional<std::string> LineReader::ReadLine()
{
    std::string line;        // at most the first LineLimit bytes of the line
    std::size_t length = 0;  // the whole line's
    bool any = false;
    for (;;) {
        if (buffer_.empty() && (ended_ || !Fill())) {
            ended_ = true;
            if (!any)
                return std::nullopt;
            break;
        }
        any = true;
        const auto end = buffer_.find('\n');
        const std::size_t take = end == std::string::npos ? buffer_.size() : end;
        if (line.size() < LineLimit)
            line.append(buffer_, 0, std::min(take, LineLimit - line.size()));
        length += take;
        buffer_.erase(0, end == std::string::npos ? take : end + 1);
        if (end != std::string::npos)
            break;
    }
    return length > LineLimit ? line + "..." : Trim(line);
}

}  // namespace pennantry
