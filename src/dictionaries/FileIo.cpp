#include "dictionaries/FileIo.h"

#include "dictionaries/DictionaryError.h"
#include "storage/AtomicFile.h"

#include <cerrno>
#include <cstdio>

namespace zizaza {
namespace {

[[noreturn]] void fail(std::string_view what, const std::string& path, int err) {
    std::string message(what);
    message += path;
    if (err != 0) {
        message += ": ";
        message += SystemErrorText(err);
    }
    throw DictionaryError(message);
}

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

void WriteDictionaryFile(const std::string& path, std::string_view bytes,
                         const std::function<void(std::string_view written)>& check) {
    try {
        WriteFileAtomically(path, bytes, check);
    } catch (const FileWriteError& e) {
        throw DictionaryError(e.what());
    }
}

}  // namespace zizaza
