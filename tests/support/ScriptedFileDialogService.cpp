#include "ScriptedFileDialogService.h"

std::optional<std::string> CScriptedFileDialogService::AskOpenPath(const CFileDialogRequest& request)
{
    return Answer(false, request);
}

std::optional<std::string> CScriptedFileDialogService::AskSavePath(const CFileDialogRequest& request)
{
    return Answer(true, request);
}

std::optional<std::string> CScriptedFileDialogService::Answer(bool save, const CFileDialogRequest& request)
{
    m_requests.push_back({save, request});
    if (m_answers.empty())
        return std::nullopt;
    std::optional<std::string> answer = std::move(m_answers.front());
    m_answers.pop_front();
    return answer;
}
