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

// The system's reason for a failed file operation, in Russian; the texts of the storage's writer.
std::string reasonText(int err) {
    switch (err) {
        case ENOSPC:
            return "Нет места на диске";
        case EDQUOT:
            return "Превышена дисковая квота";
        case EACCES:
        case EPERM:
            return "Отказано в доступе";
        case EROFS:
            return "Диск доступен только для чтения";
        case EIO:
            return "Ошибка ввода-вывода";
        case ENOENT:
            return "Нет такого файла или папки";
        case ENOTDIR:
            return "Путь к файлу проходит не через папку";
        case EISDIR:
            return "Это не обычный файл";
        case ENAMETOOLONG:
            return "Слишком длинное имя файла";
        case EFBIG:
            return "Файл слишком велик";
        default:
            return "Системная ошибка " + std::to_string(err);
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

// A write that failed: the file on the first line, the system's reason on the second.
[[noreturn]] void writeFailed(const std::string& path, int err) {
    throw DictionaryError("Не удается записать файл: " + path + "\n" + reasonText(err));
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
        writeFailed(path, errno);
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = ::write(temp.fd(), p, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            writeFailed(path, errno);
        }
        p += written;
        left -= static_cast<size_t>(written);
    }
    // The new file gets the usual permissions of a file the user creates.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(temp.fd(), 0666 & ~mask);
    if (::fsync(temp.fd()) != 0)
        writeFailed(path, errno);
    if (!temp.closeChecked())
        writeFailed(path, errno);
    if (check)
        check(ReadWholeFile(temp.path()));
    if (std::rename(temp.path().c_str(), path.c_str()) != 0)
        writeFailed(path, errno);
    temp.keep();
}

}  // namespace zizaza
