#pragma once
// A list as the information windows show it: column titles with their
// alignment, and rows of cell texts. Producers below the GUI fill
// it; the windows, the clipboard and the command line all read the same rows.

#include <string>
#include <vector>

namespace kp {

enum class CellAlign { Left, Centre, Right };

// A column width of 0 asks the list to fit the column to its texts.
inline constexpr int kFitColumnWidth = 0;
// Fitted columns stay within this.
inline constexpr int kFitColumnLimit = 512;

struct TextColumn {
    std::string title;
    CellAlign align = CellAlign::Left;
};

struct TextTable {
    std::vector<TextColumn> columns;
    std::vector<std::vector<std::string>> rows;

    void AddColumn(std::string title, CellAlign align = CellAlign::Left)
    {
        columns.push_back({ std::move(title), align });
    }
};

// Column widths as a settings value stores them: decimal numbers separated by
// blanks. Reading keeps `fallback` for every width the text lacks or that is
// not a positive number, and cuts each at `cap` (0: no cap).
std::string EncodeColumnWidths(const std::vector<int>& widths);
std::vector<int> DecodeColumnWidths(const std::string& text, std::size_t count, int fallback, int cap = 0);

} // namespace kp
