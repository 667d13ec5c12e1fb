#pragma once

// How long a test waits for what it needs: as long as a busy machine may need. Beside a
// parallel build a step that takes 50 ms on a quiet machine can take seconds, and a
// first start of a web engine or a sound server longer still. Every wait below ends as
// soon as its condition holds, so the bound only shows when something is wrong.
//
// A check that something does NOT happen within a time keeps its own short wait.

#include <QtTest/QTest>

#include <utility>

namespace Patience {

inline constexpr int waitMs = 60000;

template <typename Condition>
bool waitFor(Condition &&condition)
{
    return QTest::qWaitFor(std::forward<Condition>(condition), waitMs);
}

} // namespace Patience

#define PW_TRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT(expr, Patience::waitMs)
#define PW_TRY_COMPARE(expr, expected) QTRY_COMPARE_WITH_TIMEOUT(expr, expected, Patience::waitMs)
