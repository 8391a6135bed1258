#include "RecordingMessageService.h"

#include <algorithm>

void CRecordingMessageService::ShowMessage(const std::string& text, const std::string& caption)
{
    m_messages.push_back({text, caption, Message});
}

void CRecordingMessageService::ShowWarning(const std::string& text, const std::string& caption)
{
    Beep();
    m_messages.push_back({text, caption, Warning});
}

CMessageService::EAnswer CRecordingMessageService::AskYesNo(const std::string& text,
                                                            const std::string& caption)
{
    m_messages.push_back({text, caption, YesNo});
    const EAnswer answer = NextAnswer(No);
    return answer == Yes ? Yes : No;
}

CMessageService::EAnswer CRecordingMessageService::AskYesNoCancel(const std::string& text,
                                                                  const std::string& caption)
{
    m_messages.push_back({text, caption, YesNoCancel});
    return NextAnswer(Cancel);
}

void CRecordingMessageService::BeginWaitCursor()
{
    m_maxCursorDepth = std::max(m_maxCursorDepth, ++m_cursorDepth);
}

void CRecordingMessageService::EndWaitCursor()
{
    --m_cursorDepth;
}

CMessageService::EAnswer CRecordingMessageService::NextAnswer(EAnswer unscripted)
{
    if (m_answers.empty())
        return unscripted;
    const EAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}
