#include "DataFileFingerprint.h"

#include "catalogue/Data.h"
#include "datafile/TextChecksum.h"

void RememberDataFileText(CData& data, std::string_view text)
{
    data.LastChecksum = TextChecksum(text);
    data.LastTextLength = text.size();
    data.LastTextHash = TextHash(text);
}

// Cheapest comparison first.
bool IsRememberedDataFileText(const CData& data, std::string_view text)
{
    return data.LastChecksum && data.LastTextLength == text.size() &&
           *data.LastChecksum == TextChecksum(text) && data.LastTextHash == TextHash(text);
}
