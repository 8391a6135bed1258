#pragma once

#include "platform/FileDialogService.h"

#include <QFileDialog>
#include <QStringList>

// File dialogs with Qt: a QFileDialog over the active window, set up from the request (filter,
// default extension, file name, initial directory, overwrite confirmation). The chosen path
// comes back as Windows-1252 text; a path that the code page cannot hold is refused with a
// message and the dialog is shown again, so the program never keeps a path it cannot write.
class CQtFileDialogService : public CFileDialogService
{
public:
    std::optional<std::string> AskOpenPath(const CFileDialogRequest& request) override;
    std::optional<std::string> AskSavePath(const CFileDialogRequest& request) override;

private:
    static std::optional<std::string> Ask(const CFileDialogRequest& request, QFileDialog::AcceptMode mode);
    static void Configure(QFileDialog& dialog, const CFileDialogRequest& request);
};

// The dialog's name filters from a filter of the form
// "Datenfile (*.xml)|*.xml|All Files (*.*)|*.*||": each description with its patterns in
// parentheses, patterns separated by blanks, and "*.*" widened to "*" (a name without a dot
// is a file too).
QStringList QtNameFilters(const std::string& filter);
