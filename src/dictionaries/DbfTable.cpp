#include "dictionaries/DbfTable.h"

#include "dictionaries/DictionaryError.h"
#include "dictionaries/FileIo.h"

namespace zizaza {
namespace {

uint32_t Le16(std::string_view b, size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}

uint32_t Le32(std::string_view b, size_t at) {
    return Le16(b, at) | Le16(b, at + 2) << 16;
}

}  // namespace

DbfTable::DbfTable(std::string bytes, std::string path, size_t recordSize)
    : m_bytes(std::move(bytes)), m_path(std::move(path)), m_recordSize(recordSize) {
    if (m_bytes.size() < kHeaderSize)
        Fail();
    // The record count is the 32-bit number at byte 4; a table of fewer than 65536 records
    // has zeros in its upper half.
    m_count = Le32(m_bytes, 4);
    m_first = Le16(m_bytes, 8);
    size_t declaredSize = Le16(m_bytes, 10);
    if (declaredSize != 0 && declaredSize != m_recordSize)
        Fail();
    if (m_first < kHeaderSize || m_first > m_bytes.size())
        Fail();
    // Every record the header counts must be there in full.
    if (static_cast<uint64_t>(m_count) * m_recordSize > m_bytes.size() - m_first)
        Fail();
}

DbfTable DbfTable::Open(const std::string& path, size_t recordSize) {
    std::string bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const DictionaryError&) {
        throw DictionaryError("Error read file:" + path);
    }
    return DbfTable(std::move(bytes), path, recordSize);
}

std::string_view DbfTable::Record(uint32_t index) const {
    if (index >= m_count)
        Fail();
    return std::string_view(m_bytes).substr(m_first + static_cast<size_t>(index) * m_recordSize, m_recordSize);
}

std::string_view DbfTable::Field(uint32_t index, size_t offset, size_t width) const {
    std::string_view record = Record(index);
    if (offset > record.size() || width > record.size() - offset)
        Fail();
    return record.substr(offset, width);
}

void DbfTable::Fail() const {
    throw DictionaryError("Error read file:" + m_path);
}

}  // namespace zizaza
