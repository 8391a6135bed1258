#include "TextChecksum.h"

#include "datafile/TextDigest.h"

std::int64_t TextChecksum(std::string_view text)
{
    CTextDigest digest;
    digest.Add(text);
    return digest.Checksum();
}

std::uint64_t TextHash(std::string_view text)
{
    CTextDigest digest;
    digest.Add(text);
    return digest.Hash();
}
