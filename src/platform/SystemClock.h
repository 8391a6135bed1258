#pragma once

#include "Clock.h"

// The real clock: local time of the operating system, a steady tick count, real sleeps.
class CSystemClock : public CClock
{
public:
    CLocalTime LocalNow() const override;
    uint32_t TickCount() const override;
    void Sleep(uint32_t milliseconds) override;
};
