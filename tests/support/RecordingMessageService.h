#pragma once

#include "platform/MessageService.h"

#include <deque>
#include <string>
#include <vector>

// A message service that shows nothing: it remembers every message and question and answers
// questions from a script (No, or Cancel for three-way questions, when the script is empty).
// It also tracks the wait cursor, for tests.
class CRecordingMessageService : public CMessageService
{
public:
    enum EKind { Message, Warning, YesNo, YesNoCancel };

    struct CShownMessage
    {
        std::string Text;
        std::string Caption;
        EKind Kind = Message;
        bool operator==(const CShownMessage&) const = default;
    };

    void ShowMessage(const std::string& text, const std::string& caption) override;
    void ShowWarning(const std::string& text, const std::string& caption) override;
    void Beep() override { ++m_beeps; }
    EAnswer AskYesNo(const std::string& text, const std::string& caption) override;
    EAnswer AskYesNoCancel(const std::string& text, const std::string& caption) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    // The next question takes this answer.
    void QueueAnswer(EAnswer answer) { m_answers.push_back(answer); }

    const std::vector<CShownMessage>& GetMessages() const { return m_messages; }
    void Clear() { m_messages.clear(); }
    // How deep the wait cursor is nested now, and the deepest it ever was.
    int WaitCursorDepth() const { return m_cursorDepth; }
    int MaxWaitCursorDepth() const { return m_maxCursorDepth; }
    int Beeps() const { return m_beeps; }

private:
    EAnswer NextAnswer(EAnswer unscripted);

    std::vector<CShownMessage> m_messages;
    std::deque<EAnswer> m_answers;
    int m_cursorDepth = 0;
    int m_maxCursorDepth = 0;
    int m_beeps = 0;
};
