#pragma once

#include "MessageService.h"

// Shows the hourglass cursor for its own lifetime, so every way out of a scope restores it.
class CWaitCursor
{
public:
    explicit CWaitCursor(CMessageService& messages) : m_messages(messages) { m_messages.BeginWaitCursor(); }
    ~CWaitCursor() { m_messages.EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    CMessageService& m_messages;
};
