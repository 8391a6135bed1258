#include "HelpAddress.h"

#include "platform/PathText.h"

std::string CHelpAddress::Make(const std::string& programDirectory, const std::string& anchor)
{
    const std::string file =
        programDirectory.empty() ? std::string(kFileName) : CPathText::Join(programDirectory, kFileName);
    return file + "#" + anchor;
}
