#pragma once

#include "platform/FileDialogService.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

// A file dialog service for tests: answers from a script (cancel when it is empty) and
// remembers every request.
class CScriptedFileDialogService : public CFileDialogService
{
public:
    struct CAskedDialog
    {
        bool Save = false;
        CFileDialogRequest Request;
    };

    std::optional<std::string> AskOpenPath(const CFileDialogRequest& request) override;
    std::optional<std::string> AskSavePath(const CFileDialogRequest& request) override;

    // The next dialog returns this path; nothing means the user cancels it.
    void QueueAnswer(std::optional<std::string> path) { m_answers.push_back(std::move(path)); }
    const std::vector<CAskedDialog>& GetRequests() const { return m_requests; }

private:
    std::optional<std::string> Answer(bool save, const CFileDialogRequest& request);

    std::deque<std::optional<std::string>> m_answers;
    std::vector<CAskedDialog> m_requests;
};
