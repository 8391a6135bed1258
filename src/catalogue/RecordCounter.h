#pragma once

// Hands out the per-run Id of a record class: every construction takes the next value,
// starting at 0. The values are unique within one run and never reused.
class CRecordCounter
{
public:
    int Next() { return static_cast<int>(m_next++ & 0x7FFFFFFFu); }
    int Peek() const { return static_cast<int>(m_next & 0x7FFFFFFFu); }

private:
    unsigned m_next = 0;
};
