#pragma once

#include <string>

// What the program asks of the user without knowing the toolkit: messages with an OK button,
// warnings with the beep, Yes/No and Yes/No/Cancel questions, and the wait cursor during long
// file work. Texts are
// Windows-1252, as everywhere in the core. An empty caption shows the platform's default
// caption. The application supplies a toolkit implementation; tests use
// CRecordingMessageService.
class CMessageService
{
public:
    enum EAnswer { Yes, No, Cancel };

    virtual ~CMessageService() = default;

    // Shows the text with an OK button and waits until the user closes it.
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
    // A failure the user caused by a click (a link that cannot be opened): the warning beep,
    // then the text with the warning icon and an OK button.
    virtual void ShowWarning(const std::string& text, const std::string& caption)
    {
        Beep();
        ShowMessage(text, caption);
    }
    virtual void Beep() {}
    // Yes or No; closing the box counts as No.
    virtual EAnswer AskYesNo(const std::string& text, const std::string& caption) = 0;
    // Yes, No or Cancel; closing the box counts as Cancel.
    virtual EAnswer AskYesNoCancel(const std::string& text, const std::string& caption) = 0;

    // The hourglass cursor: shown until the matching EndWaitCursor (calls may nest).
    // Use CWaitCursor rather than calling these directly.
    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}
};
