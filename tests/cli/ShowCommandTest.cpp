// zizaza-cli show on the sample declarations of tests/data/declarations: the files are what the
// builders save, and the command prints the expected sections (checked by hand).
// ZIZAZA_UPDATE_GOLDEN=1 rewrites the files and the expected texts from the builders.
#include "support/GoldenFiles.h"
#include "support/SampleDeclarations.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include <gtest/gtest.h>

namespace zizaza {
namespace {

namespace fs = std::filesystem;

const fs::path kSamples = fs::path(ZIZAZA_TEST_DATA_DIR) / "declarations";

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeAll(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary);
    out << text;
}

std::string quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

bool rewriting() {
    return testsupport::UpdatingGoldenFiles();
}

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

class ShowCommand : public testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        m_dir = fs::temp_directory_path() / ("zizaza-cli-show-" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(m_dir);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }

    CliRun run(const std::string& arguments) {
        const fs::path out = m_dir / "stdout.txt";
        const fs::path err = m_dir / "stderr.txt";
        const std::string command = quote(std::string(ZIZAZA_BIN_DIR) + "/zizaza-cli") + " " + arguments + " >" +
                                    quote(out.string()) + " 2>" + quote(err.string());
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readAll(out), readAll(err)};
    }

    fs::path m_dir;
};

TEST_F(ShowCommand, SampleFilesAreWhatTheBuildersSave) {
    const auto& samples = testsupport::SampleDeclarations();
    ASSERT_GE(samples.size(), 8u);
    for (const auto& sample : samples) {
        const fs::path saved = m_dir / (sample.name + ".tv7");
        sample.build()->Save(saved.string());
        const fs::path committed = kSamples / (sample.name + ".tv7");
        if (rewriting()) {
            fs::create_directories(kSamples);
            fs::copy_file(saved, committed, fs::copy_options::overwrite_existing);
        }
        EXPECT_EQ(readAll(saved), readAll(committed)) << sample.name;
    }
}

// The summary and the raw sections 1 and 2 of every sample; the sheets of the samples whose
// sheets matter most.
TEST_F(ShowCommand, PrintsTheExpectedSections) {
    const std::pair<const char*, const char*> modes[] = {
        {"", ".summary.txt"}, {" --raw", ".show.txt"}, {" --sheets", ".sheets.txt"}};
    for (const auto& sample : testsupport::SampleDeclarations()) {
        for (auto [option, suffix] : modes) {
            const fs::path expected = kSamples / (sample.name + suffix);
            if (std::string(suffix) == ".sheets.txt" && !fs::exists(expected))
                continue;
            const CliRun r = run("show " + quote((kSamples / (sample.name + ".tv7")).string()) + option);
            EXPECT_EQ(r.status, 0) << sample.name << ": " << r.err;
            EXPECT_EQ(r.err, "") << sample.name;
            if (rewriting())
                writeAll(expected, r.out);
            EXPECT_EQ(r.out, readAll(expected)) << sample.name << option;
        }
    }
}

// zizaza-cli report: the HTML page by the extension, replacing an older file whole.
TEST_F(ShowCommand, ReportWritesTheHtmlPageByTheExtension) {
    const fs::path page = m_dir / "Отчет.HTML";
    writeAll(page, "older");
    const CliRun r = run("report " + quote((kSamples / "foreign_dividends.tv7").string()) + " " + quote(page.string()));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Сформирован файл " + page.string() + "\n");
    const std::string html = readAll(page);
    EXPECT_EQ(html.rfind("<html>", 0), 0u) << html.substr(0, 100);
    EXPECT_NE(html.find("К уплате в бюджет: 2\u00a0775,00 руб."), std::string::npos);
    EXPECT_NE(html.find("data-f=\"Div.УплИнПодлЗач\""), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 3) << "no temporary file left";
}

TEST_F(ShowCommand, ReportRefusesOtherOutputsAndBadFiles) {
    const std::string sample = quote((kSamples / "foreign_dividends.tv7").string());
    for (const std::string& args : {"report " + sample, "report " + sample + " out.txt", "report " + sample + " out"}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find("Использование: zizaza-cli report"), std::string::npos) << args;
    }
    const CliRun r =
        run("report " + quote((m_dir / "missing.tv7").string()) + " " + quote((m_dir / "a.html").string()));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Ошибка чтения файла: "), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(m_dir / "a.html"));
}

TEST_F(ShowCommand, ShowDoesNotChangeTheFile) {
    const fs::path copy = m_dir / "copy.tv7";
    fs::copy_file(kSamples / "children_treatment_education.tv7", copy);
    const std::string before = readAll(copy);
    EXPECT_EQ(run("show " + quote(copy.string())).status, 0);
    EXPECT_EQ(readAll(copy), before);
}

TEST_F(ShowCommand, UnreadableFileExitsWithTheStorageMessage) {
    const fs::path bad = m_dir / "bad.tv7";
    writeAll(bad, "not a declaration file at all");
    CliRun r = run("show " + quote(bad.string()));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Неправильный формат файла декларации, возможно он поврежден.\n");

    r = run("show " + quote((m_dir / "missing.tv7").string()));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Ошибка чтения файла: "), std::string::npos) << r.err;
}

TEST_F(ShowCommand, WrongArgumentsShowTheUsage) {
    for (const char* args : {"show", "show a.tv7 b.tv7", "show a.tv7 --raw --sheets"}) {
        CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find("Использование: zizaza-cli show"), std::string::npos) << args;
    }
}

}  // namespace
}  // namespace zizaza
