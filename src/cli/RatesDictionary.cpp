#include "cli/RatesDictionary.h"

#include <filesystem>

namespace zizaza::cli {

std::string ProgramFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("./") : exe.parent_path().string() + "/";
}

RatesFiles CommandRatesFiles(const std::string& dictOption) {
    if (!dictOption.empty())
        return {dictOption, dictOption};
    return ChooseRatesFiles(ProgramFolder() + kCurrencyRatesFileName, UserDataFolder() + "/" + kCurrencyRatesFileName);
}

}  // namespace zizaza::cli
