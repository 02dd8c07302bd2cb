#include "view/TraceCopyText.h"

#include "resources/StringTable.h"

namespace kp {

namespace {

std::string OneLine(std::string text)
{
    for (char& c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return text;
}

void AppendLine(std::string& out, const std::vector<std::string>& cells)
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            out += '\t';
        out += cells[i];
    }
    out += "\r\n";
}

} // namespace

std::string TabSeparatedRows(const std::vector<std::vector<std::string>>& rows)
{
    std::string out;
    for (const auto& row : rows)
        AppendLine(out, row);
    return out;
}

std::string TraceCopyText(const TextTable& table, const CursorEditTexts& edits, bool withDistance)
{
    std::string out;
    std::vector<std::string> titles;
    for (const TextColumn& c : table.columns)
        titles.push_back(c.title);
    AppendLine(out, titles);
    // The time line ends in a separator after its last text.
    out += KpString(10040);
    out += '\t' + OneLine(edits.a) + '\t' + OneLine(edits.b) + '\t';
    if (withDistance)
        out += OneLine(edits.distance) + '\t';
    out += "\r\n";
    out += TabSeparatedRows(table.rows);
    return out;
}

std::string StatisticsCopyText(const TextTable& table, const CursorEditTexts& edits, const std::string& summary)
{
    std::string out = TraceCopyText(TextTable { table.columns, {} }, edits, true);
    out += summary + "\r\n";
    return out + TabSeparatedRows(table.rows);
}

} // namespace kp
