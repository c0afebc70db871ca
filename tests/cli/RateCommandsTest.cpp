// zizaza-cli rate and import-rates: look-ups in the shipped dictionary and in one given with
// --dict, and a Bank of Russia file loaded into it.
#include "support/TempFiles.h"

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace zizaza {
namespace {

using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result RunCli(const TempDir& dir, const std::string& args) {
    const std::string command =
        std::string(ZIZAZA_BIN_DIR) + "/zizaza-cli " + args + " >" + dir.file("out.txt") + " 2>" + dir.file("err.txt");
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(dir.file("out.txt")),
            ReadBytes(dir.file("err.txt"))};
}

const char kNoRate[] = "Нет курса ЦБ РФ на эту дату в справочнике: введите курс или загрузите курсы ЦБ";

TEST(RateCommandsTest, RateInForceFromTheShippedDictionary) {
    TempDir dir;
    struct Case {
        const char* args;
        int status;
        const char* text;  // in the output or the error
    } cases[] = {
        {"rate 840 11.01.2017", 0, "840 Доллар США на 11.01.2017: 1 ед. = 59.9533 руб. (курс от 11.01.2017)"},
        {"rate usd 08.01.2017", 0, "1 ед. = 60.6569 руб. (курс от 31.12.2016)"},
        {"rate AMD 15.05.2017", 0, "100 ед. = "},
        {"rate GBP 15.03.2017", 1, kNoRate},  // between the months the dictionary knows
        {"rate 392 15.03.2017", 1, kNoRate},
        {"rate XYZ 15.03.2017", 2, "Неизвестная валюта: XYZ"},
        {"rate 840 31.02.2017", 2, "Неверная дата: 31.02.2017"},
        {"rate 840", 2, "Использование: zizaza-cli rate"},
    };
    for (const Case& c : cases) {
        const Result r = RunCli(dir, c.args);
        EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
        EXPECT_NE((r.out + r.err).find(c.text), std::string::npos) << c.args << "\n" << r.out << r.err;
    }
}

TEST(RateCommandsTest, ImportRatesFillsTheGivenDictionary) {
    TempDir dir;
    const std::string dict = dir.file("rates.xml");
    WriteBytes(dict,
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?><CurrencyRates>"
               "<Currency Code=\"826\" Alpha=\"GBP\" Name=\"Фунт стерлингов\"/></CurrencyRates>");
    WriteBytes(dir.file("gbp.csv"), "nominal;data;curs;cdx\n1;14.03.2017;71,6123;Фунт стерлингов\n");
    EXPECT_EQ(RunCli(dir, "rate GBP 14.03.2017 --dict " + dict).status, 1);
    const Result loaded = RunCli(dir, "import-rates " + dir.file("gbp.csv") + " --dict " + dict);
    ASSERT_EQ(loaded.status, 0) << loaded.err;
    EXPECT_NE(loaded.out.find("826 Фунт стерлингов: с 14.03.2017 по 14.03.2017, новых курсов 1"), std::string::npos)
        << loaded.out;
    EXPECT_NE(RunCli(dir, "rate GBP 14.03.2017 --dict " + dict).out.find("1 ед. = 71.6123 руб."), std::string::npos);

    const std::string before = ReadBytes(dict);
    WriteBytes(dir.file("bad.csv"), "nominal;data;curs;cdx\n1;15.03.2017;71,6x;Фунт стерлингов\n");
    const Result bad = RunCli(dir, "import-rates " + dir.file("bad.csv") + " --dict " + dict);
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("неверный курс «71,6x»"), std::string::npos) << bad.err;
    EXPECT_EQ(ReadBytes(dict), before);
}

}  // namespace
}  // namespace zizaza
