#pragma once

#include "storage/Date.h"

#include <gtest/gtest.h>

namespace zizaza::testsupport {

// Today's date, or yesterday's for a test that ran over midnight between the code taking the
// date and the test asking for it.
inline ::testing::AssertionResult IsToday(Date d) {
    const Date today = Date::Today();
    if (d == today || d == Date(today.days() - 1))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << d.ToText() << " is not today, " << today.ToText();
}

}  // namespace zizaza::testsupport
