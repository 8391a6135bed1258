#pragma once

#include "MessageService.h"

#include <string>
#include <vector>

// A message service that shows nothing and remembers every message, for tests.
class CRecordingMessageService : public CMessageService
{
public:
    struct CShownMessage
    {
        std::string Text;
        std::string Caption;
        bool operator==(const CShownMessage&) const = default;
    };

    void ShowMessage(const std::string& text, const std::string& caption) override;

    const std::vector<CShownMessage>& GetMessages() const { return m_messages; }
    void Clear() { m_messages.clear(); }

private:
    std::vector<CShownMessage> m_messages;
};
