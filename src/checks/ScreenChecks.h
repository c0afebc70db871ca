#pragma once

#include "checks/AreaCheckRun.h"
#include "checks/NavigationCode.h"

#include <cstdint>

namespace zizaza {

class mTDeclaration;

// The checks a screen runs over its own area when the user leaves it (the screen has written its
// controls into the declaration first). Each shows its problems through the dialog and returns
// the item of the problem the user chose to fix (a record number on list screens), 0 for none.
// They are gentler or stricter than the whole-declaration check in places, and keep their own
// order of showing.

// "Задание условий": the inspection, the representative's name, document and organisation, the
// OKTMO's length. Every problem is shown in turn.
uint16_t CheckInitialDataScreen(const mTDeclaration& declaration, IAreaCheckDialog& dialog);
// "Сведения о декларанте": names, INN, and the identity document unless the form is 4-NDFL.
uint16_t CheckPersonScreen(const mTDeclaration& declaration, IAreaCheckDialog& dialog);
// "Доходы, облагаемые ставкой 13%": the first source whose income is below the tax withheld.
uint16_t CheckIncomes13Screen(const mTDeclaration& declaration, IAreaCheckDialog& dialog);
// "Доходы в валюте": the first problem shown ends the run, except the three of a controlled
// foreign company, which are all shown. A property sale deduction above its income is refused.
uint16_t CheckCurrencyScreen(const mTDeclaration& declaration, IAreaCheckDialog& dialog);

// "Доходы от предпринимательской деятельности": mixed expense kinds and the itemized expenses of
// each activity; after "Исправить" only the expense kinds of later activities are shown.
uint16_t CheckBusinessScreen(const mTDeclaration& declaration, IAreaCheckDialog& dialog);
// "Социальные вычеты": a claim with nothing entered, and the tax agent's deduction.
uint16_t CheckSocialDeductionsScreen(const mTDeclaration& declaration, IAreaCheckDialog& dialog);

}  // namespace zizaza
