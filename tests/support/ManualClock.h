#pragma once

#include "platform/Clock.h"

// A clock that stands still until told otherwise; Sleep advances it instead of waiting.
// Used by tests and by anything that must replay time deterministically.
class CManualClock : public CClock
{
public:
    explicit CManualClock(const CLocalTime& now = {}) : m_now(now) {}

    CLocalTime LocalNow() const override { return m_now; }
    uint32_t TickCount() const override { return m_ticks; }
    void Sleep(uint32_t milliseconds) override
    {
        m_ticks += milliseconds;
        m_slept += milliseconds;
    }

    void SetLocalNow(const CLocalTime& now) { m_now = now; }
    void AdvanceTicks(uint32_t milliseconds) { m_ticks += milliseconds; }
    // Total milliseconds that Sleep was asked to wait.
    uint64_t SleptMilliseconds() const { return m_slept; }

private:
    CLocalTime m_now;
    uint32_t m_ticks = 0;
    uint64_t m_slept = 0;
};
