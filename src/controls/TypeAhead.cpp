#include "TypeAhead.h"

#include "platform/Clock.h"
#include "platform/qt/TextConversion.h"

QString CTypeAhead::Add(const QString& typed)
{
    const uint32_t now = m_clock->TickCount();
    // Unsigned difference, so a wrapping tick count still measures the pause.
    if (now - m_lastTick > kPauseMilliseconds)
        m_text.clear();
    m_text = ToUpperWindows1252(m_text + typed);
    m_lastTick = now;
    return m_text;
}
