#pragma once

#include <string>

// What the catalogue needs from the window that owns it: a place for its log lines and a way
// to tell the user about a failure. A catalogue without owner logs and shows nothing.
class CCatalogueOwner
{
public:
    virtual ~CCatalogueOwner() = default;

    virtual void WriteLog(const std::string& line) = 0;
    // Shows the string-table message `stringId` with an OK button.
    virtual void ShowMessage(int stringId) = 0;
    // Progress of a long operation (reading the data file), for a status line; ignored by default.
    virtual void ShowStatus(const std::string& text) { (void)text; }
};
