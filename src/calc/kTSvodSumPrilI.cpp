#include "calc/kTSvodSumPrilI.h"

#include "calc/SheetMath.h"
#include "model/mTDeclaration.h"

#include <stdexcept>
#include <string>

namespace zizaza {

kTPartnershipKind& kTSvodSumPrilI::Kind(int number) {
    switch (number) {
        case 1:
            return ДохЦБОбрИТ;
        case 2:
            return ДохЦБНеОбрИТ;
        case 3:
            return ДохПФИНеОбрИТ;
        case 4:
            return ДохУстКапИТ;
        case 5:
            return ДохПрочИТ;
        default:
            throw std::out_of_range("partnership operation kind " + std::to_string(number));
    }
}

const kTPartnershipKind& kTSvodSumPrilI::Kind(int number) const {
    return const_cast<kTSvodSumPrilI*>(this)->Kind(number);
}

void kTSvodSumPrilI::Reset() {
    *this = kTSvodSumPrilI();
}

bool kTSvodSumPrilI::Compute(const mTDeclaration& declaration) {
    Reset();
    for (const mTInvestTov& partnership : declaration.InvestPartnershipIncomes()) {
        for (const mTInvestTovIncome& line : partnership.Lines()) {
            if (line.OperationKind >= 1 && line.OperationKind <= 5) {
                kTPartnershipKind& kind = Kind(line.OperationKind);
                kind.ДохСовокуп += line.Income;
                kind.РасхДолУпрТов += line.ExpenseShare;
                kind.РасхВознУпрТоп += line.ManagementExpenses;
                kind.УбытПрУмен += line.PastLosses;
            } else if (line.OperationKind == 6) {
                РасчДохВыхИТ.ДохВыхИТ += line.Income;
                РасчДохВыхИТ.ВкладИТ += line.ExpenseShare;  // the contributions
            }
        }
    }

    for (int number = 1; number <= 5; ++number) {
        kTPartnershipKind& kind = Kind(number);
        Money result = AtLeastZero(kind.ДохСовокуп - kind.РасхДолУпрТов - kind.РасхВознУпрТоп - kind.УбытПрУмен);
        if (number == 1) {
            kind.РазмерФинРез = result;
            kind.ИнвВычУмФР = AtLeastZero(Min(declaration.InvestmentDeductionI, result));
            kind.ДоходОбл = result - kind.ИнвВычУмФР;
        } else {
            kind.ДоходОбл = result;
        }
        // The loss of the year, without the losses of past years that were brought in.
        kind.УбытПерБудущ = AtLeastZero(kind.РасхДолУпрТов + kind.РасхВознУпрТоп - kind.ДохСовокуп);
    }
    РасчДохВыхИТ.ДоходОбл = AtLeastZero(РасчДохВыхИТ.ДохВыхИТ - РасчДохВыхИТ.ВкладИТ);
    РасчДохВыхИТ.УбытРез = AtLeastZero(РасчДохВыхИТ.ВкладИТ - РасчДохВыхИТ.ДохВыхИТ);

    ИтогСовОпер.ОбщДохСовОпер = РасчДохВыхИТ.ДохВыхИТ;
    ИтогСовОпер.ОбщДоходОбл = РасчДохВыхИТ.ДоходОбл;
    for (int number = 1; number <= 5; ++number) {
        ИтогСовОпер.ОбщДохСовОпер += Kind(number).ДохСовокуп;
        ИтогСовОпер.ОбщДоходОбл += Kind(number).ДоходОбл;
    }
    ИтогСовОпер.ОбщРасхПрмВыч = ИтогСовОпер.ОбщДохСовОпер - ИтогСовОпер.ОбщДоходОбл;
    return true;
}

}  // namespace zizaza
