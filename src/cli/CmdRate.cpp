#include "cli/Commands.h"
#include "cli/RatesDictionary.h"
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/DictionaryError.h"

#include <ostream>

namespace zizaza::cli {
namespace {

constexpr const char* kUsage = "КОД ДД.ММ.ГГГГ [--dict ФАЙЛ]  курс ЦБ РФ валюты (цифровой или буквенный код) на дату";

int run(const Args& input, std::ostream& out, std::ostream& err) {
    Args args = input;
    std::string dict;
    TakeOption(args, "--dict", dict);
    if (args.size() != 2) {
        err << "Использование: zizaza-cli rate " << kUsage << "\n";
        return kExitFailure;
    }
    const std::optional<Date> date = Date::Parse(args[1]);
    if (!date || args[1].size() != 10) {
        err << "Неверная дата: " << args[1] << "\n";
        return kExitFailure;
    }
    CurrencyRates rates;
    try {
        rates = CurrencyRates::Load(CommandRatesFiles(dict).read);
    } catch (const DictionaryError& e) {
        err << ErrorMessage(e) << "\n";
        return kExitFailure;
    }
    const Currency* currency = rates.FindCurrencyByCodeOrAlpha(args[0]);
    if (!currency) {
        err << "Неизвестная валюта: " << args[0] << "\n";
        return kExitFailure;
    }
    const CurrencyRate* rate = rates.FindRate(currency->code, *date);
    if (!rate) {
        err << kNoRateMessage << "\n";
        return kExitProblems;
    }
    out << currency->code << " " << currency->name << " на " << date->ToText() << ": " << rate->quantity
        << " ед. = " << rate->rate << " руб. (курс от " << rate->date << ")\n";
    return kExitOk;
}

const CommandRegistrar registrar({"rate", kUsage, run});

}  // namespace
}  // namespace zizaza::cli
