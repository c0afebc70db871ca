#include "checks/PersonDocumentRules.h"

#include <algorithm>

namespace zizaza {

namespace {

// The date moved on by whole years; a 29 February becomes 28 February in a common year.
Date AddYears(Date date, int years) {
    int year = 0, month = 0, day = 0;
    date.ToYmd(year, month, day);
    year += years;
    day = std::min(day, Date::DaysInMonth(year, month));
    return Date::Ymd(year, month, day);
}

}  // namespace

bool IsDocumentFromFourteen(uint16_t kindCode) {
    return kindCode == 7 || kindCode == 8 || kindCode == 21 || kindCode == 24;
}

IssueDateProblem CheckIssueDate(uint16_t kindCode, Date birth, Date issued) {
    birth = birth.DateOnly();
    issued = issued.DateOnly();
    if (issued < birth)
        return IssueDateProblem::BeforeBirth;
    if (IsDocumentFromFourteen(kindCode) && AddYears(birth, 14) > issued)
        return IssueDateProblem::BeforeFourteen;
    return IssueDateProblem::None;
}

}  // namespace zizaza
