#pragma once

#include <optional>
#include <string>

// What a file dialog is asked to look like. The filter has the form
// "Description (*.xml)|*.xml|All Files (*.*)|*.*||"; texts are Windows-1252.
struct CFileDialogRequest
{
    std::string InitialDirectory;
    std::string DefaultExtension;
    std::string DefaultFileName;
    std::string Filter;
    bool ConfirmOverwrite = true;
};

// Asks the user for a path without the core knowing the toolkit. The read-only check box of
// the platform's dialogs is never shown. The application supplies a toolkit implementation;
// tests use CScriptedFileDialogService.
class CFileDialogService
{
public:
    virtual ~CFileDialogService() = default;

    // The chosen full path, or nothing when the user cancelled.
    virtual std::optional<std::string> AskOpenPath(const CFileDialogRequest& request) = 0;
    virtual std::optional<std::string> AskSavePath(const CFileDialogRequest& request) = 0;
};
