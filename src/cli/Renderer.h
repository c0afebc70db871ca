#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zizaza::cli {

// The message when the renderer beside the tool (zizaza-pdf, built with the desktop program) is
// missing or cannot run.
extern const char* const kModuleMissing;

// zizaza-pdf in the folder of this program.
std::filesystem::path RendererProgram();

// Text handed to the renderer, in a file only the user can read (0600) inside a private folder
// (0700) of the temporary folder; both go when the command ends, however it ends: on return, on
// an exception and on a signal that stops it. One at a time.
class PrivateTempFile {
public:
    PrivateTempFile(const std::string& text, const std::string& fileName);
    ~PrivateTempFile();
    PrivateTempFile(const PrivateTempFile&) = delete;
    PrivateTempFile& operator=(const PrivateTempFile&) = delete;

    bool ok() const { return m_ok; }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::error_code m_error;
    std::filesystem::path m_folder, m_path;
    bool m_ok = false;
};

inline constexpr int kRendererNotStarted = -1;
inline constexpr int kRendererCrashed = -2;

// Runs the renderer and waits for it; what it writes on its standard error is collected into
// messages (the caller prints it safely). Its exit status, or one of the two values above.
int RunRenderer(const std::filesystem::path& renderer, const std::vector<std::string>& args, std::string& messages);

// Runs the renderer for a file it writes at output and tells the user how it went: true when the
// file was made (nothing said yet), false with the reason on err.
bool RenderInto(const std::filesystem::path& renderer, const std::vector<std::string>& args, const std::string& output,
                std::ostream& err);

}  // namespace zizaza::cli
