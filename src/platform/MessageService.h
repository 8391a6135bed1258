#pragma once

#include <string>

// The user messages the core shows without knowing the toolkit: a text with an OK button.
// Texts are Windows-1252, as everywhere in the core. The application supplies a toolkit
// implementation; tests use CRecordingMessageService.
class CMessageService
{
public:
    virtual ~CMessageService() = default;

    // Shows the text and waits until the user closes it. An empty caption shows the
    // platform's default caption.
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
};
