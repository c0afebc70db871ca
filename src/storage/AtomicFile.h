#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zizaza {

// A file that could not be written. what() is "Не удается записать файл: <path>" and, on a second
// line, the system's reason in Russian ("Нет места на диске").
class FileWriteError : public std::runtime_error {
public:
    FileWriteError(const std::string& path, int systemError);

    const std::string& Path() const { return m_path; }
    int SystemError() const { return m_systemError; }  // the errno value of the failed call
    const std::string& Reason() const { return m_reason; }

private:
    std::string m_path;
    int m_systemError;
    std::string m_reason;
};

// The Russian text of a system error number: "Нет места на диске" for ENOSPC,
// "Отказано в доступе" for EACCES and so on; unknown numbers give "Системная ошибка N".
std::string SystemErrorText(int error);

// Writes a whole file so that `path` either keeps exactly what it held or holds all of `content`.
// Every file the program writes (declarations, XML, PDF, dictionaries) goes through here.
//
// - The content is written to a temporary file in the target's folder, flushed to the disk and then
//   renamed over the target; no step touches the target before the rename.
// - `path` may be a symbolic link (or a chain of them): the link stays, its final target is written.
// - An existing target keeps its permissions (and owner and group where the system allows it); a
//   new file gets the usual ones (0666 less the umask). A target that is not a regular file, or
//   that is marked read-only, is not replaced (EISDIR / EACCES).
// - `check`, when given, receives the bytes read back from the flushed temporary file; anything it
//   throws keeps the old file and is passed on unchanged (a declaration loads them back this way).
// - Temporary files of the program in that folder that no running write holds (left by a write
//   that was killed) are removed first.
// Failures of the system raise FileWriteError; the temporary file is removed on every path.
void WriteFileAtomically(const std::string& path, std::string_view content,
                         const std::function<void(std::string_view written)>& check = {});

// A file-size limit (ulimit -f, a quota) ends a process by SIGXFSZ, without a word and with the
// temporary file left behind. Each program ignores the signal from its start, so that such a write
// fails with EFBIG ("Файл слишком велик") and the temporary file is removed.
void IgnoreFileSizeSignal();

// Whether a file name is one of the temporary files WriteFileAtomically creates.
bool IsAtomicTemporaryName(std::string_view fileName);

// Test hooks, so that tests can play a failing disk. Empty functions mean the real system.
namespace atomic_file_testing {
enum class Step { Create, Write, Sync, Rename };
// Replaces write(2) for the content.
void SetWriteFunction(std::function<long(int fd, const void* data, size_t size)> f);
// Called before each step; a non-zero result fails that step with this errno value.
void SetStepFault(std::function<int(Step)> f);
}  // namespace atomic_file_testing

}  // namespace zizaza
