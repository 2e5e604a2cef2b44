#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

// One cell of a worksheet: a number (INTEGER, NUMBER, or the stored value of a FORMULA) or the
// text of a LABEL after its prefix character.
struct CWk1Cell {
    unsigned m_column = 0;
    unsigned m_row = 0;
    std::optional<double> m_number;
    std::string m_strText;
};

// Reads the cell records of a 1-2-3 worksheet one after another, passing over other records.
// Every record is read whole before it is looked at, and a cell record that is shorter than its
// fields, or a file that ends inside a record, stops the reading with an error.
class CWk1CellReader {
public:
    explicit CWk1CellReader(std::FILE* file) : m_file(file) {}

    // False at the end of the file or on an error (Error()).
    bool Next(CWk1Cell& cell);
    // The cell comes again from the next call to Next.
    void PushBack(CWk1Cell cell) { m_pending = std::move(cell); }
    const std::string& Error() const { return m_error; }

private:
    bool ReadRecord(unsigned& type);
    bool Damaged(const std::string& what);
    bool DecodeCell(unsigned type, CWk1Cell& cell);

    std::FILE* m_file;
    std::optional<CWk1Cell> m_pending;
    std::vector<uint8_t> m_data; // the record last read
    long long m_recordOffset = 0;
    long long m_offset = 0;
    std::string m_error;
    bool m_ended = false; // the end record, the end of the file or an error was met
};
