#pragma once

#include <cstdint>

#include "storage/Date.h"

namespace zizaza {

// Identity documents that can be issued no earlier than the holder's fourteenth birthday.
bool IsDocumentFromFourteen(uint16_t kindCode);

// Whether a document of the kind issued on that date is issued too early for a holder born on
// the birth date: before the birth, or for the kinds above before the fourteenth birthday
// (a birth on 29 February counts from 28 February in a common year).
enum class IssueDateProblem { None, BeforeBirth, BeforeFourteen };
IssueDateProblem CheckIssueDate(uint16_t kindCode, Date birth, Date issued);

}  // namespace zizaza
