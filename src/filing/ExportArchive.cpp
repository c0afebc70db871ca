#include "filing/ExportArchive.h"

#include "dictionaries/FileIo.h"
#include "storage/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace zizaza {
namespace {

namespace fs = std::filesystem;

constexpr const char* kLastName = "last.txt";
constexpr const char* kSourceName = "declaration.txt";

// The declaration's file by its absolute path, so that the same file is found from any folder.
std::string absolutePath(const std::string& file) {
    std::error_code ec;
    fs::path path = fs::weakly_canonical(fs::absolute(file, ec), ec);
    return ec ? file : path.string();
}

std::string hashName(const std::string& text) {
    uint64_t h = 1469598103934665603ull;  // FNV-1a: a short stable folder name
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ull;
    }
    char name[17];
    std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(h));
    return name;
}

void privateFolder(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || ::chmod(folder.c_str(), 0700) != 0)
        throw FileWriteError(folder.string(), ec ? ec.value() : errno);
}

// A private file: created 0600 first, so that the atomic write keeps those permissions.
void writePrivate(const fs::path& file, const std::string& bytes) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        throw FileWriteError(file.string(), errno);
    ::fchmod(fd, 0600);
    ::close(fd);
    WriteFileAtomically(file.string(), bytes);
}

// A file name of the export as it is, without a way out of the folder.
bool plainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

}  // namespace

std::string ExportArchive::FolderFor(const std::string& declarationFile, const std::string& inn) const {
    // A declaration not saved yet is known by its INN alone.
    const std::string file = declarationFile.empty() ? std::string() : absolutePath(declarationFile);
    return (fs::path(m_folder) / hashName(file + "\n" + inn)).string();
}

void ExportArchive::Keep(const std::string& declarationFile, const std::string& inn, const std::string& exportName,
                         const std::string& bytes) const {
    if (!plainName(exportName))
        throw FileWriteError(exportName, EINVAL);
    privateFolder(m_folder);
    const fs::path folder = FolderFor(declarationFile, inn);
    privateFolder(folder);
    writePrivate(folder / exportName, bytes);
    writePrivate(folder / kSourceName, absolutePath(declarationFile) + "\n" + inn + "\n");
    writePrivate(folder / kLastName, exportName + "\n");
}

std::optional<std::string> ExportArchive::Last(const std::string& declarationFile, const std::string& inn) const {
    const fs::path folder = FolderFor(declarationFile, inn);
    std::string name;
    try {
        name = ReadWholeFile((folder / kLastName).string());
    } catch (const std::exception&) {
        return std::nullopt;
    }
    while (!name.empty() && (name.back() == '\n' || name.back() == '\r'))
        name.pop_back();
    if (!plainName(name))
        return std::nullopt;
    std::error_code ec;
    const fs::path copy = folder / name;
    if (!fs::is_regular_file(copy, ec))
        return std::nullopt;
    return copy.string();
}

std::string ExportArchive::DefaultFolder() {
    fs::path base;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
        base = data;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = fs::path(home) / ".local" / "share";
    else
        base = fs::temp_directory_path();
    return (base / "Кверон" / "Zizaza 2017" / "exports").string();
}

}  // namespace zizaza
