#include "RecordingMessageService.h"

void CRecordingMessageService::ShowMessage(const std::string& text, const std::string& caption)
{
    m_messages.push_back({text, caption});
}
