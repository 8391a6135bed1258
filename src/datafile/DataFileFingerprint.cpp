#include "DataFileFingerprint.h"

#include "datafile/TextDigest.h"

void CDataFileFingerprint::Remember(std::string_view text)
{
    CTextDigest digest;
    digest.Add(text);
    Remember(digest);
}

void CDataFileFingerprint::Remember(const CTextDigest& digest)
{
    m_checksum = digest.Checksum();
    m_length = digest.Length();
    m_hash = digest.Hash();
}

bool CDataFileFingerprint::Matches(std::string_view text) const
{
    if (!m_checksum || m_length != text.size())
        return false;
    CTextDigest digest;
    digest.Add(text);
    return Matches(digest);
}

bool CDataFileFingerprint::Matches(const CTextDigest& digest) const
{
    return m_checksum && m_length == digest.Length() && *m_checksum == digest.Checksum() &&
           m_hash == digest.Hash();
}
