#include "DataFileFingerprint.h"

#include "datafile/TextChecksum.h"

void CDataFileFingerprint::Remember(std::string_view text)
{
    m_checksum = TextChecksum(text);
    m_length = text.size();
    m_hash = TextHash(text);
}

// Cheapest comparison first.
bool CDataFileFingerprint::Matches(std::string_view text) const
{
    return m_checksum && m_length == text.size() && *m_checksum == TextChecksum(text) && m_hash == TextHash(text);
}
