// Drawing text into the human face's screen.
#include "TextCanvas.h"

#include <algorithm>

namespace pennantry {
namespace {

const char* Sgr(Style style)
{
    switch (style) {
    case Style::Plain: return "0";
    case Style::Dim: return "0;2";
    case Style::Strong: return "0;1";
    case Style::Lines: return "0;32";
    case Style::Runner: return "0;1;33";
    case Style::Ball: return "0;1;31";
    case Style::Title: return "0;7";
    case Style::Frame: return "0;36";
    }
    return "0";
}

}  // namespace

int Width(const Line& line)
{
    int width = 0;
    for (const auto& segment : line)
        width += static_cast<int>(segment.text.size());
    return width;
}

std::string Printable(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        out += (byte >= 0x20 && byte < 0x7F) ? c : '?';
    }
    return out;
}

std::vector<std::string> Wrap(std::string_view text, std::size_t width)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        std::string rest = Printable(text.substr(start, end == std::string_view::npos ? end : end - start));
        while (rest.size() > width) {
            std::size_t cut = rest.rfind(' ', width);
            if (cut == std::string::npos || cut == 0)
                cut = width;
            lines.push_back(rest.substr(0, cut));
            rest = rest.substr(rest[cut] == ' ' ? cut + 1 : cut);
        }
        lines.push_back(rest);
        if (end == std::string_view::npos)
            return lines;
        start = end + 1;
    }
}

Canvas::Canvas()
{
    for (auto& row : cells_)
        row.fill({' ', Style::Plain});
}

void Canvas::Put(int row, int column, std::string_view text, Style style)
{
    if (row < 0 || row >= Rows)
        return;
    spans_.push_back({row, column, column + static_cast<int>(text.size()) - 1});
    for (const char c : text) {
        if (column >= 0 && column < Columns)
            cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = {c, style};
        ++column;
    }
}

void Canvas::Put(int row, int column, const Line& line)
{
    for (const auto& segment : line) {
        Put(row, column, segment.text, segment.style);
        column += static_cast<int>(segment.text.size());
    }
}

int Canvas::PutFrame(const Frame& frame, int bottom)
{
    int inner = static_cast<int>(frame.caption.size()) + 6;
    for (const auto& line : frame.lines)
        inner = std::max(inner, Width(line) + 2);
    inner = std::min(inner, Columns - 2);
    const int height = static_cast<int>(frame.lines.size()) + 2;
    const int top = std::max(0, bottom - height + 1);
    const int left = (Columns - inner - 2) / 2;
    // "-- caption " and at least one more dash fit in the top edge, whatever the caption.
    const std::size_t room = static_cast<std::size_t>(inner) - 5;
    const std::string caption = "-- " + Printable(frame.caption).substr(0, room) + " ";
    const int right = left + inner + 1;
    for (const Span span : std::vector<Span>(spans_))
        if (span.row >= top && span.row < top + height && span.first <= right && span.last >= left)
            Put(span.row, span.first, std::string(static_cast<std::size_t>(span.last - span.first + 1), ' '));
    Put(top, left, "+" + caption + std::string(static_cast<std::size_t>(inner) - caption.size(), '-') + "+", Style::Frame);
    int row = top + 1;
    for (const auto& line : frame.lines) {
        Put(row, left, "|", Style::Frame);
        Put(row, left + 1, std::string(static_cast<std::size_t>(inner), ' '));
        Put(row, left + 2, line);
        Put(row, left + inner + 1, "|", Style::Frame);
        ++row;
    }
    Put(row, left, "+" + std::string(static_cast<std::size_t>(inner), '-') + "+", Style::Frame);
    return top;
}

std::string Canvas::RenderRow(const std::array<Cell, Columns>& cells, bool colour) const
{
    std::string row;
    Style current = Style::Plain;
    int end = Columns;
    // Trailing blanks matter only where they are drawn in reverse video.
    while (end > 0 && cells[static_cast<std::size_t>(end - 1)].c == ' ' &&
           (!colour || cells[static_cast<std::size_t>(end - 1)].style != Style::Title))
        --end;
    for (int i = 0; i < end; ++i) {
        const Cell& cell = cells[static_cast<std::size_t>(i)];
        if (colour && cell.style != current) {
            row += std::string("\x1b[") + Sgr(cell.style) + "m";
            current = cell.style;
        }
        row += cell.c;
    }
    if (colour && current != Style::Plain)
        row += "\x1b[0m";
    return row;
}

Canvas::Cell Canvas::At(int row, int column) const
{
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

std::string Canvas::Render(bool colour) const
{
    std::vector<std::string> rows;
    for (const auto& cells : cells_)
        rows.push_back(RenderRow(cells, colour));
    std::string out;
    while (!rows.empty() && rows.back().empty())
        rows.pop_back();
    while (!rows.empty() && rows.front().empty())
        rows.erase(rows.begin());
    for (const auto& row : rows)
        out += row + "\n";
    return out + "\n";
}

}  // namespace pennantry

namespace pennantry {

std::vector<std::string> TooSmallNotice(int rows, int columns)
{
    if (rows >= Rows && columns >= Columns)
        return {};
    const std::string text = "Pennantry needs a terminal of at least " + std::to_string(Columns) + " x " +
                             std::to_string(Rows) + "; this one is " + std::to_string(columns) + " x " +
                             std::to_string(rows) + ". Make it larger to play on.";
    return Wrap(text, static_cast<std::size_t>(std::clamp(columns, 1, Columns)));
}

}  // namespace pennantry
