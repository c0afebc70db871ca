#include "calc/kTSvodSumList6.h"

namespace zizaza {

void kTSvodSumList6::Add(const std::string& kbk, const std::string& oktmo, const std::string& sign, Money amount) {
    Lines.push_back({kbk, oktmo, sign, amount});
}

void kTSvodSumList6::AddMerged(const std::string& kbk, const std::string& oktmo, const std::string& sign,
                               Money amount) {
    for (bmTList1& line : Lines) {
        if (line.КБК == kbk && line.ОКТМО == oktmo) {
            line.Amount += amount;
            return;
        }
    }
    Add(kbk, oktmo, sign, amount);
}

}  // namespace zizaza
