#pragma once

#include <QString>
#include <cstdint>

class CClock;

// The search text of a type-ahead: keys typed within a second of each other extend it, a
// longer pause starts it anew. The text is kept in capitals.
class CTypeAhead
{
public:
    static constexpr uint32_t kPauseMilliseconds = 1000;

    // The clock must outlive the type-ahead.
    explicit CTypeAhead(const CClock& clock) : m_clock(&clock) {}

    void SetClock(const CClock& clock) { m_clock = &clock; }
    // Appends the typed text and returns the search text.
    QString Add(const QString& typed);
    QString Text() const { return m_text; }

private:
    const CClock* m_clock;
    QString m_text;
    uint32_t m_lastTick = 0;
};
