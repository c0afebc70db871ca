#pragma once

#include <utility>

namespace zizaza {

// Sets a flag for the life of the guard and gives it its earlier value back, also on an early
// return: a screen or part that writes its own fields holds its change rules this way, so that
// they do not run again on what it writes.
//
//     const ScopedFlag updating(m_updating);
//     meIncomeSum->setText(...);   // OnIncomeChanged sees m_updating and returns
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : m_flag(flag), m_before(std::exchange(flag, true)) {}
    ~ScopedFlag() { m_flag = m_before; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& m_flag;
    bool m_before;
};

}  // namespace zizaza
