#include "SystemClock.h"

#include <chrono>
#include <ctime>
#include <thread>

CLocalTime CSystemClock::LocalNow() const
{
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    return CLocalTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                      parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

uint32_t CSystemClock::TickCount() const
{
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<uint32_t>(ms);
}

void CSystemClock::Sleep(uint32_t milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
