// zizaza-cli check: what it prints and its exit statuses, on declaration files saved here.
#include "model/mTDeclaration.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include <gtest/gtest.h>

namespace zizaza {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

class CheckCommand : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        m_dir = fs::temp_directory_path() / ("zizaza-cli-check-" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(m_dir);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }

    std::string Save(const mTDeclaration& doc, const std::string& name = "decl.tv7") {
        std::string file = (m_dir / name).string();
        doc.Save(file);
        return file;
    }

    static std::string Quote(const std::string& s) {
        std::string q = "'";
        for (char c : s)
            q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    }

    static std::string ReadAll(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    CliRun Run(const std::string& arguments) {
        const fs::path out = m_dir / "stdout.txt";
        const fs::path err = m_dir / "stderr.txt";
        std::string command = Quote(std::string(ZIZAZA_BIN_DIR) + "/zizaza-cli") + " " + arguments + " >" +
                              Quote(out.string()) + " 2>" + Quote(err.string());
        CliRun run;
        int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadAll(out);
        run.err = ReadAll(err);
        return run;
    }

    fs::path m_dir;
};

std::unique_ptr<mTDeclaration> CleanDeclaration() {
    auto doc = NewShellDeclaration(Date::Ymd(2018, 3, 1));
    doc->InspectionCode = "7701";
    doc->Person.Name.Surname = "Иванов";
    doc->Person.Name.FirstName = "Иван";
    doc->Person.Name.Inn = "123456789047";
    doc->Person.Address.Oktmo = "45000000";
    return doc;
}

TEST_F(CheckCommand, CleanDeclarationPasses) {
    CliRun r = Run("check " + Quote(Save(*CleanDeclaration())));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Проверка декларации завершена успешно\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(CheckCommand, FreshDeclarationStopsAtTheInspection) {
    auto doc = NewShellDeclaration(Date::Ymd(2018, 3, 1));
    doc->SignerKind = SignerKind::Representative;
    CliRun r = Run("check " + Quote(Save(*doc)));
    EXPECT_EQ(r.status, 1);
    // "Отмена" on every problem: section 1 goes on, nothing after it runs.
    EXPECT_EQ(r.out,
              "Проверка: Задание условий: Не введен номер инспекции\n"
              "Проверка: Задание условий: Не указаны ФИО подписанта-представителя\n"
              "Проверка: Задание условий: Не указан документ, подтверждающий полномочия представителя\n");
}

TEST_F(CheckCommand, AllListsTheProblemsOfEverySection) {
    auto doc = CleanDeclaration();
    doc->InspectionCode.clear();
    doc->Person.Name.FirstName.clear();
    doc->Person.Address.Oktmo.clear();  // nothing payable or refundable: the OKTMO is required
    const std::string file = Quote(Save(*doc));

    CliRun first = Run("check " + file);
    EXPECT_EQ(first.status, 1);
    EXPECT_EQ(first.out, "Проверка: Задание условий: Не введен номер инспекции\n");

    CliRun all = Run("check --all " + file);
    EXPECT_EQ(all.status, 1);
    EXPECT_EQ(all.out,
              "Проверка: Задание условий: Не введен номер инспекции\n"
              "Проверка: Сведения о декларанте: Не введено имя\n"
              "Проверка: Задание условий: Не введен код ОКТМО(8 или 11 симв.) по месту жительства\n");
}

// A source whose OKTMO, INN or KPP the export would write invalid stops the declaration.
TEST_F(CheckCommand, InvalidSourceIdentifiersFail) {
    auto doc = CleanDeclaration();
    mTThirteenPercent& source = doc->ResidentIncome13(doc->AddResidentIncome13());
    source.Name = "ООО \"Ромашка\"";
    source.Inn = "1234567895";
    source.Kpp = "773101001";
    source.Oktmo = "45301000";
    mTSourseIncome line;
    line.IncomeCode = 2000;
    line.IncomeAmount = Money::Roubles(100000);
    line.Month = 1;
    source.AddLine(line);
    source.TaxWithheld = Money::Roubles(13000);
    CliRun r = Run("check " + Quote(Save(*doc)));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out,
              "Проверка: Доходы, облагаемые ставкой 13%: Источник выплаты \"ООО \"Ромашка\"\": Номер ИНН введен "
              "неверно\n");

    source.Inn = "1234567894";  // valid; now the refunded source lacks its OKTMO
    source.Oktmo.clear();
    doc->SocialDeductions.Granted = true;
    doc->SocialDeductions.Medical = Money::Roubles(50000);
    r = Run("check " + Quote(Save(*doc)));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out,
              "Проверка: Доходы, облагаемые ставкой 13%: Источник выплаты \"ООО \"Ромашка\"\": Не введен код "
              "ОКТМО(8 или 11 симв.), а по источнику возвращается налог\n");
}

TEST_F(CheckCommand, FilesThatCannotBeLoaded) {
    std::ofstream(m_dir / "broken.tv7") << "not a declaration";
    for (const std::string& file : {(m_dir / "missing.tv7").string(), (m_dir / "broken.tv7").string()}) {
        CliRun r = Run("check " + Quote(file));
        EXPECT_EQ(r.status, 2) << file;
        EXPECT_EQ(r.out, "") << file;
        EXPECT_NE(r.err, "") << file;
    }
}

TEST_F(CheckCommand, WrongUsage) {
    for (const char* arguments : {"check", "check a.tv7 b.tv7"}) {
        CliRun r = Run(arguments);
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_NE(r.err.find("zizaza-cli check"), std::string::npos) << arguments;
    }
}

}  // namespace
}  // namespace zizaza
