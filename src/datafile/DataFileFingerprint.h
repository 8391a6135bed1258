#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

class CTextDigest;

// What is remembered of the text last read from or written to a data file, to tell whether a
// fresh rendering of the catalogue differs: the weighted checksum, the length and a 64-bit hash.
class CDataFileFingerprint
{
public:
    void Remember(std::string_view text);
    void Remember(const CTextDigest& digest);
    // After a save that failed: the catalogue is no longer known to be in its file.
    void Forget() { m_checksum.reset(); }
    bool IsSet() const { return m_checksum.has_value(); }
    // Whether `text` is the text remembered; false when nothing is remembered.
    bool Matches(std::string_view text) const;
    bool Matches(const CTextDigest& digest) const;

private:
    std::optional<std::int64_t> m_checksum;
    std::uint64_t m_length = 0;
    std::uint64_t m_hash = 0;
};
