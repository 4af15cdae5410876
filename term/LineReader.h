// Reads the player's input a line at a time, never past the line it returns.
#pragma once

#include <optional>
#include <string>

namespace pennantry {

// Reads byte by byte from a file descriptor so that whatever follows the line stays unread for
// the next prompt (or for another reader of the same input).
class LineReader {
public:
    explicit LineReader(int fd) : fd_(fd) {}
    // The next line without its end-of-line, trimmed of white space (CR included); nothing at the
    // end of input. A last line without a newline still counts.
    std::optional<std::string> ReadLine();

private:
    int fd_;
    bool ended_ = false;
};

// The text without leading and trailing white space.
std::string Trim(const std::string& text);

}  // namespace pennantry
