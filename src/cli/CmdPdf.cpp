// zizaza-cli pdf: the pages of the paper form as a PDF file. The command line tool has no Qt: the
// declaration is checked and exported here, and the print module renders the XML in the program
// zizaza-pdf beside this one (built with the desktop program).
#include "checks/DeclarationCheck.h"
#include "cli/Commands.h"
#include "cli/XmlCommandOptions.h"
#include "model/mTDeclaration.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <ostream>

extern char** environ;

namespace zizaza::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "ФАЙЛ.tv7 ВЫХОД.pdf [--today ДД.ММ.ГГГГ] [--guid GUID] [--force]  страницы декларации в файл PDF (через модуль "
    "печати) после проверки декларации; --force и при ошибках";

constexpr const char* kModuleMissing =
    "Не найден модуль печати. Войдите в рабочий каталог программы \"Zizaza 2017\" и запустите файл "
    "\"KORVEXSetup.msi\"";

fs::path programFolder() {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : self.parent_path();
}

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

// The export's text for the renderer, in a file only the user can read (0600) inside a private
// folder (0700) of the temporary folder; both go when the command ends, however it ends: on
// return, on an exception and on a signal that stops it.
class PrivateTempXml {
public:
    explicit PrivateTempXml(const std::string& text) {
        std::string folder = (fs::temp_directory_path(m_error) / "zizaza-pdf-XXXXXX").string();
        if (m_error || folder.size() + 16 > sizeof g_signalFolder || !::mkdtemp(folder.data()))
            return;
        m_folder = folder;
        m_path = m_folder / "declaration.xml";
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
    ~PrivateTempXml() {
        if (m_folder.empty())
            return;
        ::unlink(m_path.c_str());
        ::rmdir(m_folder.c_str());
        g_removeOnSignal = 0;
        for (int signal : kStopSignals)
            std::signal(signal, SIG_DFL);
    }
    PrivateTempXml(const PrivateTempXml&) = delete;
    PrivateTempXml& operator=(const PrivateTempXml&) = delete;

    bool ok() const { return m_ok; }
    const fs::path& path() const { return m_path; }

private:
    std::error_code m_error;
    fs::path m_folder, m_path;
    bool m_ok = false;
};

constexpr int kRendererNotStarted = -1;
constexpr int kRendererCrashed = -2;

// Runs the renderer and waits for it; what it writes on its standard error is collected into
// messages (the caller prints it safely). Its exit status, or one of the two values above.
int runRenderer(const fs::path& renderer, const std::vector<std::string>& args, std::string& messages) {
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

int run(const Args& input, std::ostream& out, std::ostream& err) {
    Args args = input;
    XmlExportOptions options;
    if (!TakeXmlOptions(args, options, err))
        return kExitFailure;
    const bool force = TakeFlag(args, "--force");
    if (args.size() != 2) {
        err << "Использование: zizaza-cli pdf " << kUsage << "\n";
        return kExitFailure;
    }
    const fs::path renderer = programFolder() / "zizaza-pdf";
    mTDeclaration declaration;
    if (!LoadDeclaration(args[0], declaration, err))
        return kExitFailure;
    if (!force && !DeclarationPassesCheck(declaration, out))
        return kExitProblems;
    if (::access(renderer.c_str(), X_OK) != 0) {
        err << kModuleMissing << "\n";
        return kExitFailure;
    }
    std::string xml;
    if (!BuildDeclarationXml("", declaration, XmlExportMode::Text, xml, options)) {
        err << "Файл не сформирован, свяжитесь с разработчиками.\n";
        return kExitFailure;
    }
    PrivateTempXml file(xml);
    if (!file.ok()) {
        err << "Не удалось записать временный файл для модуля печати\n";
        return kExitFailure;
    }
    const std::string output = fs::absolute(args[1]).string();
    std::vector<std::string> rendererArgs = {file.path().string(), output};
    if (!declaration.InspectionName.empty())
        rendererArgs.insert(rendererArgs.end(), {"--recipient", declaration.InspectionName});
    std::string messages;
    int status = runRenderer(renderer, rendererArgs, messages);
    err << messages;
    if (status == kRendererNotStarted) {
        err << kModuleMissing << "\n";
        return kExitFailure;
    }
    if (status == kRendererCrashed) {
        err << "Модуль печати завершился аварийно, файл " << output << " не сформирован\n";
        return kExitFailure;
    }
    if (status != 0) {
        if (messages.empty())
            err << "Не удалось сформировать файл " << output << "\n";
        return kExitFailure;
    }
    out << "Сформирован файл " << output << "\n";
    return kExitOk;
}

const CommandRegistrar registrar({"pdf", kUsage, run});

}  // namespace
}  // namespace zizaza::cli
