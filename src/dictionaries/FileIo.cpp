#include "dictionaries/FileIo.h"

#include "dictionaries/DictionaryError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace zizaza {
namespace {

// The system's reason for a failed file operation, in Russian.
std::string reasonText(int err) {
    switch (err) {
        case ENOSPC:
            return "нет места на диске";
        case EDQUOT:
            return "превышена дисковая квота";
        case EFBIG:
            return "файл слишком велик";
        case EACCES:
        case EPERM:
            return "отказано в доступе";
        case EROFS:
            return "файловая система только для чтения";
        case ENOENT:
            return "нет такого файла или каталога";
        case ENOTDIR:
            return "в пути есть файл вместо каталога";
        case EISDIR:
            return "это каталог";
        case EIO:
            return "ошибка ввода-вывода";
        case ENAMETOOLONG:
            return "слишком длинное имя файла";
        case EBUSY:
        case ETXTBSY:
            return "файл занят";
        default:
            return "системная ошибка " + std::to_string(err);
    }
}

[[noreturn]] void fail(std::string_view what, const std::string& path, int err) {
    std::string message(what);
    message += path;
    if (err != 0) {
        message += ": ";
        message += reasonText(err);
    }
    throw DictionaryError(message);
}

// Closes the descriptor and removes the temporary file unless the rename took it over.
class TempFile {
public:
    explicit TempFile(std::string pattern) : m_path(std::move(pattern)) { m_fd = ::mkstemp(m_path.data()); }
    ~TempFile() {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_kept)
            ::unlink(m_path.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int fd() const { return m_fd; }
    const std::string& path() const { return m_path; }
    bool closeChecked() {
        int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }
    void keep() { m_kept = true; }

private:
    std::string m_path;
    int m_fd = -1;
    bool m_kept = false;
};

}  // namespace

std::string ReadWholeFile(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        fail("Не удается открыть файл ", path, errno);
    std::string data;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        data.append(buffer, n);
    bool failed = std::ferror(f) != 0;
    int err = errno;
    std::fclose(f);
    if (failed)
        fail("Ошибка чтения файла ", path, err);
    return data;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes,
                         const std::function<void(std::string_view written)>& check) {
    namespace fs = std::filesystem;
    fs::path target(path);
    fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string tempName(".");
    tempName.append(target.filename().string()).append(".XXXXXX");
    TempFile temp((folder / tempName).string());
    if (temp.fd() < 0)
        fail("Не удается создать файл ", path, errno);
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = ::write(temp.fd(), p, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            fail("Ошибка записи файла ", path, errno);
        }
        p += written;
        left -= static_cast<size_t>(written);
    }
    // The new file gets the usual permissions of a file the user creates.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(temp.fd(), 0666 & ~mask);
    if (::fsync(temp.fd()) != 0)
        fail("Ошибка записи файла ", path, errno);
    if (!temp.closeChecked())
        fail("Ошибка записи файла ", path, errno);
    if (check)
        check(ReadWholeFile(temp.path()));
    if (std::rename(temp.path().c_str(), path.c_str()) != 0)
        fail("Не удается записать файл ", path, errno);
    temp.keep();
}

}  // namespace zizaza
