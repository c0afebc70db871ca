#include "calc/kTIncomeKindCodes.h"

namespace zizaza {

void kTIncomeKindCodes::Set(SourceList list, size_t index, std::string code) {
    std::vector<std::string>& codes = m_codes.at(static_cast<size_t>(list));
    if (codes.size() <= index)
        codes.resize(index + 1);
    codes[index] = std::move(code);
}

const std::string& kTIncomeKindCodes::Of(SourceList list, size_t index) const {
    static const std::string kNone;
    const std::vector<std::string>& codes = m_codes.at(static_cast<size_t>(list));
    return index < codes.size() ? codes[index] : kNone;
}

void kTIncomeKindCodes::Take(const kTIncomeKindCodes& other) {
    for (size_t list = 0; list < kLists; ++list)
        for (size_t i = 0; i < other.m_codes[list].size(); ++i)
            if (!other.m_codes[list][i].empty())
                Set(static_cast<SourceList>(list), i, other.m_codes[list][i]);
}

}  // namespace zizaza
