#include "storage/PrivateFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace zizaza {
namespace {

constexpr mode_t kFolderMode = 0700;
constexpr mode_t kFileMode = 0600;

// Takes away what the group and others may do; the owner's own bits stay as they are.
bool Tighten(int fd, const struct stat& st, mode_t mode) {
    if ((st.st_mode & 07777 & ~mode) == 0)
        return true;
    return ::fchmod(fd, st.st_mode & mode & 07777) == 0;
}

// The folder open as fd (closed here): itself and everything below it.
bool MendFolder(int fd, int depth) {
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && Tighten(fd, st, kFolderMode);
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return false;
    }
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..")
            continue;
        const int child = ::openat(::dirfd(dir), e->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (child < 0)
            continue;  // a link, or gone meanwhile
        struct stat cs {};
        if (::fstat(child, &cs) != 0) {
            ::close(child);
            continue;
        }
        if (S_ISDIR(cs.st_mode) && depth < 8) {
            ok = MendFolder(child, depth + 1) && ok;
            continue;
        }
        if (S_ISREG(cs.st_mode))
            ok = Tighten(child, cs, kFileMode) && ok;
        ::close(child);
    }
    ::closedir(dir);
    return ok;
}

bool MakeFolders(const std::string& path) {
    if (path.empty())
        return false;
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        if (::mkdir(path.substr(0, slash).c_str(), kFolderMode) != 0 && errno != EEXIST)
            return false;
    return ::mkdir(path.c_str(), kFolderMode) == 0 || errno == EEXIST;
}

}  // namespace

bool MakePrivateFolder(const std::string& path) {
    if (!MakeFolders(path))
        return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    return fd >= 0 && MendFolder(fd, 0);
}

}  // namespace zizaza
