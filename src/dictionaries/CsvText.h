#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zizaza {

// A text file of unknown encoding as UTF-8: without its byte-order mark when it is valid UTF-8,
// otherwise read as windows-1251.
std::string DecodeTextFile(std::string_view bytes);

// One row of a delimited text with the number of the line it starts on (1-based).
struct CsvRow {
    size_t line = 0;
    std::vector<std::string> fields;
};

// Rows of a delimited text: fields may be quoted with '"' (a doubled quote inside stands for one,
// and a quoted field may hold the delimiter and line breaks); CR LF and LF end rows; rows with no
// text at all are left out.
std::vector<CsvRow> ReadCsvRows(std::string_view text, char delimiter);

// The text without blanks at either end.
std::string_view TrimField(std::string_view text);

}  // namespace zizaza
