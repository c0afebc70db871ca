// zizaza-cli xml and export: the bytes they produce and their failures.
#include "export/DeclarationXml.h"
#include "model/mTDeclaration.h"
#include "support/CliRun.h"
#include "support/DeclarationBuilder.h"
#include "support/TempFiles.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace zizaza {
namespace {

using namespace testsupport;

constexpr const char* kGuid = "0F8FAD5B-D9CB-469F-A165-70867728950E";
constexpr const char* kName = "NO_NDFL3_7705_7705_770512345678_20180315_0F8FAD5B-D9CB-469F-A165-70867728950E.xml";

// `limits`: shell commands run first, such as "ulimit -f 1 && ".
CliResult runCli(const TempDir& dir, const std::string& arguments, const std::string& limits = {}) {
    std::string out = dir.file("stdout.txt");
    std::string err = dir.file("stderr.txt");
    std::string command = "cd " + quote(dir.path().string()) + " && " + limits +
                          quote(std::string(ZIZAZA_BIN_DIR) + "/zizaza-cli") + " " + arguments + " >" + quote(out) +
                          " 2>" + quote(err);
    int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(out), ReadBytes(err)};
}

// A salaried resident saved as a declaration file.
std::string SaveDeclaration(const TempDir& dir) {
    auto d = NewDeclaration();
    d->InspectionCode = "7705";
    d->Person.Name.Surname = "Кузнецова";
    d->Person.Name.FirstName = "Мария";
    d->Person.Name.Inn = "770512345678";
    mTThirteenPercent& job = AddSource13(*d, "45383000", Rub(78000), true);
    AddMonthlyLines(job, 2000, Rub(50000));
    std::string file = dir.file("decl.tv7");
    d->Save(file);
    return file;
}

// What the export makes of the file, computed here.
std::string ExpectedBytes(const std::string& file) {
    mTDeclaration d;
    d.Load(file);
    XmlExportOptions o;
    o.today = Date::Ymd(2018, 3, 15);
    o.fileGuid = kGuid;
    std::string text;
    EXPECT_TRUE(BuildDeclarationXml("", d, XmlExportMode::Text, text, o));
    return text;
}

const std::string kFixed = " --today 15.03.2018 --guid 0F8FAD5B-D9CB-469F-A165-70867728950E";

TEST(XmlCommand, PrintsTheBytesOfTheExportFile) {
    TempDir dir;
    std::string file = SaveDeclaration(dir);
    CliResult r = runCli(dir, "xml " + quote(file) + kFixed);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.out == ExpectedBytes(file));
    EXPECT_EQ(r.out.rfind("<?xml version=\"1.0\" encoding=\"windows-1251\"?>", 0), 0u);

    // A GUID in lower case is the same GUID.
    CliResult lower =
        runCli(dir, "xml " + quote(file) + " --today 15.03.2018 --guid 0f8fad5b-d9cb-469f-a165-70867728950e");
    EXPECT_TRUE(lower.out == r.out);
}

TEST(ExportCommand, WritesTheFileAndReportsItAsTheProgramDoes) {
    TempDir dir;
    std::string file = SaveDeclaration(dir);
    std::filesystem::create_directory(dir.file("out"));
    for (const std::string& folder : {dir.file("out"), dir.file("out") + "/"}) {
        CliResult r = runCli(dir, "export " + quote(file) + " --dir " + quote(folder) + kFixed + " --force");
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "Сформирован файл " + dir.file("out") + "/ " + kName + "\n");
        EXPECT_TRUE(ReadBytes(dir.file("out/" + std::string(kName))) == ExpectedBytes(file));
    }
    // Without --dir the file goes into the current folder.
    CliResult here = runCli(dir, "export " + quote(file) + kFixed + " --force");
    ASSERT_EQ(here.status, 0) << here.err;
    EXPECT_TRUE(std::filesystem::exists(dir.file(kName)));
}

TEST(ExportCommand, RunsTheDeclarationCheckFirst) {
    TempDir dir;
    // The bare declaration lacks the taxpayer's birth date, document and more: the check shows a
    // problem, answers "Отмена" and nothing is exported.
    std::string file = SaveDeclaration(dir);
    CliResult r = runCli(dir, "export " + quote(file) + kFixed);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out.rfind("Проверка: ", 0), 0u) << r.out;
    EXPECT_FALSE(std::filesystem::exists(dir.file(kName)));

    // A complete declaration passes and is exported.
    const std::string sample = std::string(ZIZAZA_TEST_DATA_DIR) + "/declarations/salaried_flat_mortgage.tv7";
    CliResult ok = runCli(dir, "export " + quote(sample) + kFixed);
    ASSERT_EQ(ok.status, 0) << ok.out << ok.err;
    EXPECT_EQ(ok.out.rfind("Сформирован файл " + dir.path().string() + "/ NO_NDFL3_", 0), 0u) << ok.out;
    size_t files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        files += e.path().extension() == ".xml";
    EXPECT_EQ(files, 1u);
}

TEST(ExportCommand, FailuresWriteNothing) {
    TempDir dir;
    std::string file = SaveDeclaration(dir);
    CliResult r = runCli(dir, "export " + quote(file) + " --dir " + quote(dir.file("missing")) + kFixed + " --force");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Не удается записать файл: " + dir.file("missing") + "/" + kName +
                         "\nНет такого файла или папки\nФайл не сформирован.\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));

    struct Case {
        std::string arguments;
        std::string err;
    };
    const std::vector<Case> cases = {
        {"xml " + quote(file) + " --today 31.02.2018", "Неверная дата: 31.02.2018\n"},
        {"export " + quote(file) + " --guid 123", "Неверный GUID: 123\n"},
        {"xml", ""},
        {"xml " + quote(dir.file("none.tv7")), ""},
    };
    for (const Case& c : cases) {
        CliResult f = runCli(dir, c.arguments);
        EXPECT_EQ(f.status, 2) << c.arguments;
        EXPECT_EQ(f.out, "") << c.arguments;
        if (!c.err.empty())
            EXPECT_EQ(f.err, c.err) << c.arguments;
        else
            EXPECT_NE(f.err, "") << c.arguments;
    }
}

// The export goes through the program's one writer: a link keeps pointing at the file it names, a
// read-only file and a file-size limit leave what was there, each told with the system's reason,
// and no temporary file stays behind.
TEST(ExportCommand, WritesThroughTheAtomicWriter) {
    struct Case {
        const char* what;
        const char* limits;
        bool readOnly;
        const char* reason;  // nullptr: exported
    } cases[] = {
        {"through a link", "", false, nullptr},
        {"into a read-only file", "", true, "Отказано в доступе"},
        {"under a file-size limit", "ulimit -f 1 && ", false, "Файл слишком велик"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string file = SaveDeclaration(dir);
        const std::string real = dir.file("real.xml");
        std::filesystem::create_directories(dir.file("out"));
        WriteBytes(real, "old");
        std::filesystem::create_symlink(real, dir.file("out/" + std::string(kName)));
        if (c.readOnly)
            std::filesystem::permissions(real, std::filesystem::perms::owner_read);
        CliResult r =
            runCli(dir, "export " + quote(file) + " --dir " + quote(dir.file("out")) + kFixed + " --force", c.limits);
        EXPECT_TRUE(std::filesystem::is_symlink(dir.file("out/" + std::string(kName))));
        if (!c.reason) {
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_TRUE(ReadBytes(real) == ExpectedBytes(file));
        } else {
            EXPECT_EQ(r.status, 2);
            EXPECT_EQ(r.err, "Не удается записать файл: " + dir.file("out") + "/" + kName + "\n" + c.reason +
                                 "\nФайл не сформирован.\n");
            EXPECT_EQ(ReadBytes(real), "old");
        }
        size_t files = 0;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            files += e.is_regular_file() && e.path().filename().string().starts_with(".zizaza-");
        EXPECT_EQ(files, 0u) << "no temporary file is left";
    }
}

}  // namespace
}  // namespace zizaza
