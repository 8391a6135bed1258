#pragma once

#include <QString>

// Opens an address (web page, mail address, local file) with the program the desktop chooses.
// The result follows the platform shell's convention: above 32 is success, anything else is
// an error code whose text HyperlinkErrorText gives.
class CAddressOpener
{
public:
    // The codes this program's openers report.
    enum EResult {
        kOutOfResources = 0,
        kFileNotFound = 2,
        kNoAssociation = 31,
        kOpened = 33,
    };

    virtual ~CAddressOpener() = default;

    virtual int Open(const QString& address) = 0;
};

inline bool OpenSucceeded(int result)
{
    return result > 32;
}
