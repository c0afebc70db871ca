#include "calc/kTSvodSumList.h"

#include "calc/SheetMath.h"

namespace zizaza {

Money TaxAtRate(Money base, int ratePercent) {
    return PercentInWholeRoubles(base, ratePercent);
}

void kTSvodSumList::Reset() {
    Ставка.clear();
    Money* values[] = {&ДоходОбщ,     &ДоходОбщНеНал, &СумНалВыч, &ДоходОбщНал,  &СумРасхУм,   &СумДохДивКИК,
                       &НалБаза,      &Исчисл,        &УдержОбщ,  &УдержОбщМВ,   &УплАвФакт,   &ОбщАвУплЗач227_1,
                       &УплИнПодлЗач, &ИсчислУпл,     &ПодлВозв,  &УплПатентЗач, &ТСУплПерЗач, &ПодлУпл};
    for (Money* v : values)
        *v = Money();
}

Money kTSvodSumList::Credits() const {
    return УдержОбщ + УдержОбщМВ + УплАвФакт + ОбщАвУплЗач227_1 + УплИнПодлЗач + ТСУплПерЗач;
}

void kTSvodSumList::ComputeTax(int ratePercent) {
    НалБаза = AtLeastZero(ДоходОбщНал - СумРасхУм - СумНалВыч + СумДохДивКИК);
    Исчисл = TaxAtRate(НалБаза, ratePercent);
}

void kTSvodSumList::ApplyBaseSteps(int ratePercent) {
    ComputeTax(ratePercent);
    const Money credits = Credits();
    ИсчислУпл = Исчисл > credits ? Исчисл - credits : Money();
    ПодлУпл = AtLeastZero(ИсчислУпл - УплПатентЗач);
    ПодлВозв = Исчисл < credits ? credits - Исчисл : Money();
    // Only tax actually paid can be refunded.
    ПодлВозв = Min(ПодлВозв, УдержОбщ + УдержОбщМВ + УплАвФакт);
}

}  // namespace zizaza
