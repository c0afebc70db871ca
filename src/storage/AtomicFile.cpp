#include "storage/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>

namespace zizaza {
namespace {

using WriteFunction = std::function<long(int fd, const void* data, size_t size)>;
using StepFault = std::function<int(atomic_file_testing::Step)>;

WriteFunction& writeFunction() {
    static WriteFunction f;
    return f;
}

StepFault& stepFault() {
    static StepFault f;
    return f;
}

constexpr std::string_view kTempPrefix = ".zizaza-";
constexpr std::string_view kTempSuffix = ".tmp";
constexpr size_t kTempRandom = 6;  // the XXXXXX of mkstemps

// errno of an injected fault for the step, 0 for none.
int injected(atomic_file_testing::Step step) {
    return stepFault() ? stepFault()(step) : 0;
}

std::string folderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of symbolic links ends in (which need not exist yet); the path itself when it
// is no link.
std::string resolveLinks(const std::string& path) {
    std::string p = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return p;
        std::string target(PATH_MAX, '\0');
        ssize_t n = ::readlink(p.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<size_t>(n) >= target.size())
            throw FileWriteError(path, n < 0 ? errno : ENAMETOOLONG);
        target.resize(static_cast<size_t>(n));
        p = target[0] == '/' ? target : folderOf(p) + "/" + target;
    }
    throw FileWriteError(path, ELOOP);
}

// A temporary file is in use while its writer holds the lock on it; one that can be locked was
// left by a write that did not finish.
void removeStaleTemporaries(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const int dirFd = ::dirfd(dir);
    while (const dirent* e = ::readdir(dir)) {
        if (!IsAtomicTemporaryName(e->d_name))
            continue;
        int fd = ::openat(dirFd, e->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat held {
        }, named{};
        if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(dirFd, e->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 && named.st_ino == held.st_ino &&
            named.st_dev == held.st_dev)
            ::unlinkat(dirFd, e->d_name, 0);
        ::close(fd);
    }
    ::closedir(dir);
}

// A temporary file in the folder, created and locked; its name goes to `name`.
int createTemporary(const std::string& path, const std::string& folder, std::string& name) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        if (int fault = injected(atomic_file_testing::Step::Create))
            throw FileWriteError(path, fault);
        name = folder + "/" + std::string(kTempPrefix) + std::string(kTempRandom, 'X') + std::string(kTempSuffix);
        int fd = ::mkostemps(name.data(), static_cast<int>(kTempSuffix.size()), O_CLOEXEC);
        if (fd < 0)
            throw FileWriteError(path, errno);
        // Another program's cleanup may have taken the file between its creation and the lock:
        // the name must still be this file.
        struct stat held {
        }, named{};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &held) == 0 && ::lstat(name.c_str(), &named) == 0 &&
            held.st_ino == named.st_ino && held.st_dev == named.st_dev)
            return fd;
        ::close(fd);
    }
    throw FileWriteError(path, EEXIST);
}

bool writeAll(int fd, const char* data, size_t size) {
    if (int fault = injected(atomic_file_testing::Step::Write)) {
        errno = fault;
        return false;
    }
    while (size > 0) {
        long n = writeFunction() ? writeFunction()(fd, data, size) : ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool readAll(int fd, std::string& bytes, size_t size) {
    bytes.assign(size, '\0');
    size_t done = 0;
    while (done < size) {
        ssize_t n = ::pread(fd, bytes.data() + done, size - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    char extra = 0;
    return ::pread(fd, &extra, 1, static_cast<off_t>(size)) == 0;
}

// The temporary file until it has been renamed: removed when the write ends any other way.
class Temporary {
public:
    Temporary(const std::string& path, const std::string& folder) { m_fd = createTemporary(path, folder, m_name); }
    ~Temporary() {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_name.empty())
            ::unlink(m_name.c_str());
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    int fd() const { return m_fd; }
    const std::string& name() const { return m_name; }
    void close() {
        ::close(m_fd);
        m_fd = -1;
    }
    void renamed() { m_name.clear(); }

private:
    int m_fd = -1;
    std::string m_name;
};

}  // namespace

FileWriteError::FileWriteError(const std::string& path, int systemError)
    : std::runtime_error("Не удается записать файл: " + path + "\n" + SystemErrorText(systemError)),
      m_path(path),
      m_systemError(systemError),
      m_reason(SystemErrorText(systemError)) {}

std::string SystemErrorText(int error) {
    switch (error) {
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
        case ELOOP:
            return "Слишком много символических ссылок";
        case EFBIG:
            return "Файл слишком велик";
        case EMFILE:
        case ENFILE:
            return "Открыто слишком много файлов";
        case EBUSY:
        case ETXTBSY:
        case EWOULDBLOCK:
            return "Файл занят другой программой";
        case ENOMEM:
            return "Недостаточно памяти";
        case EXDEV:
            return "Файл и его папка на разных дисках";
        case EEXIST:
            return "Не удается создать временный файл";
        default:
            return "Системная ошибка " + std::to_string(error);
    }
}

void IgnoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

bool IsAtomicTemporaryName(std::string_view name) {
    return name.size() == kTempPrefix.size() + kTempRandom + kTempSuffix.size() && name.starts_with(kTempPrefix) &&
           name.ends_with(kTempSuffix);
}

void WriteFileAtomically(const std::string& path, std::string_view content,
                         const std::function<void(std::string_view written)>& check) {
    const std::string target = resolveLinks(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        throw FileWriteError(path, errno);
    if (exists && !S_ISREG(old.st_mode))
        throw FileWriteError(path, EISDIR);
    if (exists && (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        throw FileWriteError(path, EACCES);

    const std::string folder = folderOf(target);
    removeStaleTemporaries(folder);
    Temporary temp(path, folder);

    auto fail = [&](int error) { throw FileWriteError(path, error); };
    if (!writeAll(temp.fd(), content.data(), content.size()))
        fail(errno);
    if (int fault = injected(atomic_file_testing::Step::Sync))
        fail(fault);
    if (::fsync(temp.fd()) != 0)
        fail(errno);
    if (exists) {
        // Owner first: changing it may clear the set-id bits that the mode then restores.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
            (void)!::fchown(temp.fd(), old.st_uid, old.st_gid);  // kept where the system allows it
        if (::fchmod(temp.fd(), old.st_mode & 07777) != 0)
            fail(errno);
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(temp.fd(), 0666 & ~mask) != 0)
            fail(errno);
    }

    // What the disk holds now is what the next open will read.
    std::string written;
    if (!readAll(temp.fd(), written, content.size()))
        fail(errno != 0 ? errno : EIO);
    if (written != content)
        fail(EIO);
    if (check)
        check(written);

    // The file stays open, and so locked, until it has its name: another program's cleanup never
    // takes it for a stale one.
    if (int fault = injected(atomic_file_testing::Step::Rename))
        fail(fault);
    if (::rename(temp.name().c_str(), target.c_str()) != 0)
        fail(errno);
    temp.renamed();
    temp.close();  // flushed and read back above: nothing is left for close to report
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

void atomic_file_testing::SetWriteFunction(std::function<long(int fd, const void* data, size_t size)> f) {
    writeFunction() = std::move(f);
}

void atomic_file_testing::SetStepFault(std::function<int(Step)> f) {
    stepFault() = std::move(f);
}

}  // namespace zizaza
