#include "cli/Renderer.h"

#include "cli/Commands.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ostream>

extern char** environ;

namespace zizaza::cli {

namespace fs = std::filesystem;

const char* const kModuleMissing =
    "Не найден модуль печати. Войдите в рабочий каталог программы \"Zizaza 2017\" и запустите файл "
    "\"KORVEXSetup.msi\"";

namespace {

// Paths that the signal handler removes when the command is stopped while the renderer runs.
char g_signalFile[4096];
char g_signalFolder[4096];
volatile std::sig_atomic_t g_removeOnSignal = 0;

extern "C" void removeAndDie(int signal) {
    if (g_removeOnSignal) {
        ::unlink(g_signalFile);
        ::rmdir(g_signalFolder);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

}  // namespace

fs::path RendererProgram() {
    return fs::path(ProgramFolder()) / "zizaza-pdf";
}

PrivateTempFile::PrivateTempFile(const std::string& text, const std::string& fileName) {
    std::string folder = (fs::temp_directory_path(m_error) / "zizaza-pdf-XXXXXX").string();
    if (m_error || folder.size() + fileName.size() + 2 > sizeof g_signalFolder || !::mkdtemp(folder.data()))
        return;
    m_folder = folder;
    m_path = m_folder / fileName;
    std::snprintf(g_signalFolder, sizeof g_signalFolder, "%s", m_folder.c_str());
    std::snprintf(g_signalFile, sizeof g_signalFile, "%s", m_path.c_str());
    g_removeOnSignal = 1;
    for (int signal : kStopSignals)
        std::signal(signal, removeAndDie);
    int fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    std::FILE* file = fd < 0 ? nullptr : ::fdopen(fd, "wb");
    if (!file) {
        if (fd >= 0)
            ::close(fd);
        return;
    }
    m_ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    m_ok = std::fclose(file) == 0 && m_ok;
}

PrivateTempFile::~PrivateTempFile() {
    if (m_folder.empty())
        return;
    ::unlink(m_path.c_str());
    ::rmdir(m_folder.c_str());
    g_removeOnSignal = 0;
    for (int signal : kStopSignals)
        std::signal(signal, SIG_DFL);
}

int RunRenderer(const fs::path& renderer, const std::vector<std::string>& args, std::string& messages) {
    std::vector<char*> argv;
    std::string program = renderer.string();
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        return kRendererNotStarted;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (spawned != 0) {
        ::close(pipeFds[0]);
        return kRendererNotStarted;
    }
    char buffer[4096];
    for (;;) {
        ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        messages.append(buffer, static_cast<size_t>(n));
    }
    ::close(pipeFds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return kRendererCrashed;
    return WIFEXITED(status) ? WEXITSTATUS(status) : kRendererCrashed;
}

bool RenderInto(const fs::path& renderer, const std::vector<std::string>& args, const std::string& output,
                std::ostream& err) {
    std::string messages;
    const int status = RunRenderer(renderer, args, messages);
    err << messages;
    if (status == kRendererNotStarted) {
        err << kModuleMissing << "\n";
        return false;
    }
    if (status == kRendererCrashed) {
        err << "Модуль печати завершился аварийно, файл " << output << " не сформирован\n";
        return false;
    }
    if (status != 0) {
        if (messages.empty())
            err << "Не удалось сформировать файл " << output << "\n";
        return false;
    }
    return true;
}

}  // namespace zizaza::cli
