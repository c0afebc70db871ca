#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zizaza {

// A dBASE table held in memory, read with fixed-size records. Every offset is checked against
// the size of the file: a header, record or field that does not fit raises DictionaryError
// with the text "Error read file:" and the table's path.
class DbfTable {
public:
    static constexpr size_t kHeaderSize = 32;

    // `recordSize` is the record length the reader expects; a header that declares another
    // length describes another structure and is refused.
    DbfTable(std::string bytes, std::string path, size_t recordSize);

    static DbfTable Open(const std::string& path, size_t recordSize);

    uint32_t RecordCount() const { return m_count; }
    size_t FirstRecordOffset() const { return m_first; }

    // The bytes of a record (deletion mark at offset 0).
    std::string_view Record(uint32_t index) const;
    // A field of a record by byte offset and width inside the record.
    std::string_view Field(uint32_t index, size_t offset, size_t width) const;

    [[noreturn]] void Fail() const;

private:
    std::string m_bytes;
    std::string m_path;
    size_t m_recordSize;
    uint32_t m_count = 0;
    size_t m_first = 0;
};

}  // namespace zizaza
