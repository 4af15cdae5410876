// Text tools of the human face: styled lines, wrapping, framed boxes and an 80 x 24 canvas.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pennantry {

inline constexpr int Rows = 24;
inline constexpr int Columns = 80;

enum class Style : unsigned char { Plain, Dim, Strong, Lines, Runner, Ball, Title, Frame };

struct Segment {
    std::string text;
    Style style = Style::Plain;
};
using Line = std::vector<Segment>;

int Width(const Line& line);

// Texts from outside the program's own tables (a saved game can hold anything) are shown one
// printable ASCII character per cell, so that no byte can move the cursor or change the terminal.
std::string Printable(std::string_view text);

// Lines of at most width characters, broken at spaces where possible; "\n" starts a new line.
std::vector<std::string> Wrap(std::string_view text, std::size_t width);

// A box drawn with a frame, its caption in the top edge.
struct Frame {
    std::string caption;
    std::vector<Line> lines;
};

// The screen as cells; anything drawn outside it is cut off.
class Canvas {
public:
    struct Cell {
        char c;
        Style style;
    };

    Canvas();

    void Put(int row, int column, std::string_view text, Style style = Style::Plain);
    void Put(int row, int column, const Line& line);
    // A framed box, centred, whose bottom edge is on the given row; returns the row of its top
    // edge. A caption too long for the screen is cut. A text it covers in part is wiped whole, so
    // that no stray end of it is left beside the frame.
    int PutFrame(const Frame& frame, int bottom);

    Cell At(int row, int column) const;

    // The screen printed after the last one: only the rows that hold something, with colour only
    // when asked.
    std::string Render(bool colour) const;

private:
    std::string RenderRow(const std::array<Cell, Columns>& cells, bool colour) const;

    std::array<std::array<Cell, Columns>, Rows> cells_;
    // Each text put, as its row and first and last columns.
    struct Span {
        int row, first, last;
    };
    std::vector<Span> spans_;
};

}  // namespace pennantry

namespace pennantry {

// What a terminal of rows x columns shows instead of the screen when it is smaller than
// Columns x Rows: a word on the size needed, in lines of its width (or the screen's, where it is
// only too short). Empty when the screen fits.
std::vector<std::string> TooSmallNotice(int rows, int columns);

}  // namespace pennantry
