#pragma once

#include <cstdint>

// Broken-down local time as the operating system reports it.
struct CLocalTime
{
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

// The program's source of time: local "now", a millisecond tick count and blocking waits.
// Everything that waits or asks for the time takes a clock, so tests can script it and
// never sleep for real.
class CClock
{
public:
    virtual ~CClock() = default;

    virtual CLocalTime LocalNow() const = 0;
    // Milliseconds since some fixed point; wraps around like a 32-bit tick count.
    virtual uint32_t TickCount() const = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;
};
