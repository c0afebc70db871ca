#include "storage/mTFileLoader.h"

#include "storage/AtomicFile.h"
#include "storage/StorageErrors.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace zizaza {

void mTFileLoader::SetWriteFunctionForTesting(WriteFunction f) {
    atomic_file_testing::SetWriteFunction(std::move(f));
}

mTFileLoader::mTFileLoader(std::string fileName, uint32_t requestedSize, bool readOnly)
    : m_fileName(std::move(fileName)), m_requestedSize(requestedSize), m_readOnly(readOnly) {
    MapFile();
}

std::unique_ptr<mTFileLoader> mTFileLoader::InMemory(std::string_view content, uint32_t requestedSize, bool readOnly) {
    std::unique_ptr<mTFileLoader> loader(new mTFileLoader);
    loader->m_readOnly = readOnly;
    loader->m_inMemory = true;
    loader->m_requestedSize = requestedSize;
    if (readOnly)
        loader->m_content.assign(content.begin(), content.end());
    else
        loader->m_content.assign(requestedSize, '\0');
    loader->m_mapped = true;
    return loader;
}

mTFileLoader::~mTFileLoader() {
    Unmap();
}

void mTFileLoader::MapFile() {
    if (m_mapped)
        return;
    if (m_readOnly)
        mapForReading();
    else
        mapForWriting();
    m_mapped = true;
}

void mTFileLoader::mapForReading() {
    // A missing file cannot be opened for reading; it is not created. Opening never waits: a
    // named pipe without a writer would block an ordinary open for ever, and a terminal must not
    // become ours.
    struct stat st {};
    if (::stat(m_fileName.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        RaiseStorageError(21, m_fileName, SystemErrorText(EISDIR));
    m_fd = ::open(m_fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (m_fd >= 0 && ::fstat(m_fd, &st) == 0 && !S_ISREG(st.st_mode)) {
        closeHandle();
        RaiseStorageError(21, m_fileName, SystemErrorText(EISDIR));
    }
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0 || ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        closeHandle();
        RaiseStorageError(21, m_fileName);
    }
    if (st.st_size > 0xFFFFFFFFLL) {
        closeHandle();
        RaiseStorageError(26);
    }
    uint32_t size = m_requestedSize == 0 ? static_cast<uint32_t>(st.st_size) : m_requestedSize;
    if (size == 0) {
        closeHandle();
        RaiseStorageError(25);
    }
    // A requested size beyond the file reads as zero bytes, as a mapping of that size would.
    m_content.assign(size, '\0');
    size_t want = std::min<size_t>(size, static_cast<size_t>(st.st_size));
    size_t done = 0;
    while (done < want) {
        long n = ::pread(m_fd, m_content.data() + done, want - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            closeHandle();
            m_content.clear();
            RaiseStorageError(27);
        }
        done += static_cast<size_t>(n);
    }
}

void mTFileLoader::mapForWriting() {
    struct stat st {};
    if (::stat(m_fileName.c_str(), &st) == 0) {
        // An existing file must be a regular file that is not marked read-only, and no other
        // instance may hold it.
        if (!S_ISREG(st.st_mode))
            RaiseStorageError(21, m_fileName, SystemErrorText(EISDIR));
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            RaiseStorageError(21, m_fileName);
        m_fd = ::open(m_fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (m_fd < 0 || ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            closeHandle();
            RaiseStorageError(21, m_fileName);
        }
    } else if (errno != ENOENT) {
        RaiseStorageError(21, m_fileName);
    }
    if (m_requestedSize == 0) {
        closeHandle();
        RaiseStorageError(25);
    }
    m_content.assign(m_requestedSize, '\0');
}

void mTFileLoader::Commit(const std::function<void(std::string_view written)>& check) {
    if (m_readOnly || !m_mapped || m_inMemory)
        RaiseStorageError(51);
    try {
        WriteFileAtomically(m_fileName, std::string_view(m_content.data(), m_content.size()), check);
    } catch (const FileWriteError& e) {
        RaiseStorageError(21, m_fileName, e.Reason());
    }
}

void mTFileLoader::closeHandle() {
    if (m_fd >= 0) {
        ::close(m_fd);  // closing releases the lock
        m_fd = -1;
    }
}

void mTFileLoader::Unmap() {
    closeHandle();
    m_content.clear();
    m_content.shrink_to_fit();
    m_requestedSize = 0;
    m_mapped = false;
}

}  // namespace zizaza
