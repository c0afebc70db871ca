// zizaza-cli pdf: the pages of the paper form as a PDF file. The command line tool has no Qt: the
// declaration is checked and exported here, and the print module renders the XML in the program
// zizaza-pdf beside this one (built with the desktop program).
#include "checks/DeclarationCheck.h"
#include "cli/Commands.h"
#include "cli/XmlCommandOptions.h"
#include "model/mTDeclaration.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <exception>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <random>

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

// The export's text in a file of its own for the renderer; removed when the command ends.
class TempXml {
public:
    explicit TempXml(const std::string& text) {
        std::random_device random;
        m_path = fs::temp_directory_path() /
                 ("zizaza-pdf-" + std::to_string(::getpid()) + "-" + std::to_string(random()) + ".xml");
        std::ofstream file(m_path, std::ios::binary);
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
        m_ok = static_cast<bool>(file.flush());
    }
    ~TempXml() {
        std::error_code ec;
        fs::remove(m_path, ec);
    }
    bool ok() const { return m_ok; }
    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
    bool m_ok = false;
};

// Runs the renderer and waits for it; its messages go to our standard error. -1 when it could not
// be started.
int runRenderer(const fs::path& renderer, const std::vector<std::string>& args) {
    std::vector<char*> argv;
    std::string program = renderer.string();
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
    TempXml file(xml);
    if (!file.ok()) {
        err << "Не удалось записать временный файл " << file.path().string() << "\n";
        return kExitFailure;
    }
    const std::string output = fs::absolute(args[1]).string();
    std::vector<std::string> rendererArgs = {file.path().string(), output};
    if (!declaration.InspectionName.empty())
        rendererArgs.insert(rendererArgs.end(), {"--recipient", declaration.InspectionName});
    int status = runRenderer(renderer, rendererArgs);
    if (status < 0) {
        err << kModuleMissing << "\n";
        return kExitFailure;
    }
    if (status != 0)
        return kExitFailure;  // the renderer has told why
    out << "Сформирован файл " << output << "\n";
    return kExitOk;
}

const CommandRegistrar registrar({"pdf", kUsage, run});

}  // namespace
}  // namespace zizaza::cli
