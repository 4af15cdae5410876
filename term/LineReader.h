// Reads the player's input a line at a time, in blocks, each line bounded.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace pennantry {

// The longest line kept; no word of ours comes near it.
inline constexpr std::size_t LineLimit = 4096;

// Reads the file descriptor in blocks and keeps what follows a line for the next call, so one
// reader must serve each input.
class LineReader {
public:
    explicit LineReader(int fd) : fd_(fd) {}
    // The next line without its end-of-line, trimmed of white space (CR included); nothing at the
    // end of input. A last line without a newline still counts. A line longer than LineLimit
    // comes back as its first LineLimit bytes and "...", one word that nothing takes; the rest
    // of it is read and dropped.
    std::optional<std::string> ReadLine();

private:
    bool Fill();

    int fd_;
    bool ended_ = false;
    std::string buffer_;  // read but not yet returned
};

// The text without leading and trailing white space.
std::string Trim(const std::string& text);

}  // namespace pennantry
