#pragma once

#include "storage/Money.h"

#include <string>

namespace zizaza {

// A sold property acquired after 1 January 2016, whose income is compared with its cadastral
// value (exported as ДохПродОНИ).
struct mbPrilA {
    std::string CadastralNumber;  // НомКадОтчуждОНИ
    Money CadastralValue;         // КадСтоимГодРег
    Money ContractPrice;          // ДохПродЦенаДог
    Money CadastralValue70;       // КадСтоимКоэф: 70% of the cadastral value, rounded half up to kopecks
    Money Income;                 // ДохПродНалОбл: the income amount of the sale line

    bool operator==(const mbPrilA&) const = default;
};

}  // namespace zizaza
