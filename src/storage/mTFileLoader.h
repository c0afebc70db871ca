#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zizaza {

// Holds the whole content of a declaration file in memory while it is read or written.
//
// Reading: the file is read whole and kept locked (exclusive advisory lock) until Unmap, so a
// second instance cannot open it meanwhile.
// Only regular files are read or replaced: a named pipe, a device or a folder gets the file error
// (21) at once, without waiting on it.
// Writing: the content is a zero-filled buffer of the requested size. Nothing touches the disk
// until Commit, which hands it to WriteFileAtomically (a temporary file in the same folder,
// flushed, read back, renamed over the target), so a failed save leaves any earlier file exactly
// as it was.
class mTFileLoader {
public:
    mTFileLoader(std::string fileName, uint32_t requestedSize, bool readOnly);
    // A loader with no file behind it: a read-only copy of the bytes given, or (readOnly false)
    // a zero-filled buffer of the requested size whose content the caller takes from Data().
    // Commit raises 51 for it. Undo snapshots of a document live this way.
    static std::unique_ptr<mTFileLoader> InMemory(std::string_view content, uint32_t requestedSize, bool readOnly);
    ~mTFileLoader();
    mTFileLoader(const mTFileLoader&) = delete;
    mTFileLoader& operator=(const mTFileLoader&) = delete;

    void MapFile();
    void Unmap();
    // Writable loaders only: puts the content on disk atomically; raises 21 with the system's
    // reason on a line of its own when it cannot. `check` receives the bytes read back from the
    // temporary file before it replaces the old one; whatever it throws keeps the old file.
    void Commit(const std::function<void(std::string_view written)>& check = {});

    const std::string& FileName() const { return m_fileName; }
    bool ReadOnly() const { return m_readOnly; }
    bool Mapped() const { return m_mapped; }
    char* Data() { return m_content.data(); }
    const char* Data() const { return m_content.data(); }
    size_t Size() const { return m_content.size(); }

    // Test hook: replaces the system's write(2) during Commit, to simulate a disk that fails
    // part-way. Empty means the real call. (The same as atomic_file_testing::SetWriteFunction.)
    using WriteFunction = std::function<long(int fd, const void* data, size_t size)>;
    static void SetWriteFunctionForTesting(WriteFunction f);

private:
    void mapForReading();
    void mapForWriting();
    void closeHandle();

    mTFileLoader() = default;

    std::string m_fileName;
    uint32_t m_requestedSize = 0;
    bool m_readOnly = true;
    bool m_inMemory = false;
    bool m_mapped = false;
    int m_fd = -1;  // the locked file: the one read, or the existing file being replaced
    std::vector<char> m_content;
};

}  // namespace zizaza
