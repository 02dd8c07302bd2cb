#pragma once
// The data rows of a text file: the time cell, then every column in header
// order, then the newline. One writer serves the open document (all points in
// memory) and the conversion from disk (one decoded block at a time); its
// value texts are cached per code for the whole conversion.

#include "export/CodeTextTable.h"
#include "export/ExportLayout.h"
#include "export/TimeCellWriter.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace kp {

struct ChannelTables;
class TextFileOutput;

class RowWriter {
public:
    explicit RowWriter(const ExportLayout& layout);
    ~RowWriter();
    RowWriter(const RowWriter&) = delete;
    RowWriter& operator=(const RowWriter&) = delete;

    // The tables to read: their arrays hold points tableFirst,
    // tableFirst + 1, ... A column whose array does not reach a point writes
    // an empty cell for it (the separator alone).
    void bind(const ChannelTables& tables, std::int64_t tableFirst);

    // Writes rows for the points first, first + step, ... (rows of them).
    // False when the output failed; the rows before stay written.
    bool writeRows(TextFileOutput& out, std::int64_t first, std::int64_t step, std::int64_t rows);

private:
    struct Column;
    struct TableColumn {
        const std::uint16_t* data;
        char* cells;
        int shift;
        int lengthAt;
        CodeTextTable* table;
    };
    char* writeTableCells(char* p, std::int64_t index);
    bool coversRows(std::int64_t first, std::int64_t step, std::int64_t rows) const;
    char* writeCell(Column& column, char* p, std::int64_t index);
    char* writeCells(char* p, std::int64_t index, bool dropFirstSeparator);

    ExportLayout layout_;
    TimeCellWriter time_;
    std::vector<Column> columns_;
    std::vector<std::unique_ptr<CodeTextTable>> tables_;
    std::vector<TableColumn> tableColumns_; // bound arrays of the columns, when all have tables
    bool allTables_ = false;
    std::int64_t minSize_ = 0;
    std::int64_t tableFirst_ = 0;
    std::size_t cellsCapacity_ = 0; // bytes a row may take apart from a text time cell
};

} // namespace kp
