#pragma once

#include <string>

// Opens an address (web page, mail address, local file with an anchor) with the program the
// desktop chooses. Addresses are Windows-1252 text, as everywhere in the core. The result
// follows the platform shell's convention: above 32 is success, anything else an error code
// whose text HyperlinkErrorText gives. The application supplies the desktop's opener; tests
// record the addresses instead.
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
    virtual int Open(const std::string& address) = 0;
};

inline bool OpenSucceeded(int result)
{
    return result > 32;
}
