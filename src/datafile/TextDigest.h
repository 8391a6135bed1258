#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The change-detection figures of a text fed in parts: the weighted checksum (TextChecksum), the
// 64-bit hash (TextHash) and the length. Feeding a text in any split gives the figures of the
// whole text, so a rendering can be checked piece by piece without holding all of it.
class CTextDigest
{
public:
    CTextDigest();

    void Add(std::string_view part);

    std::int64_t Checksum() const { return static_cast<std::int64_t>(m_checksum); }
    std::uint64_t Hash() const;
    std::uint64_t Length() const { return m_length; }

private:
    static constexpr std::size_t kStripe = 32;

    void AddChecksum(std::string_view part);
    void AddStripe(const char* bytes);

    std::uint64_t m_checksum = 0;
    std::uint64_t m_length = 0;
    std::uint64_t m_lanes[4];
    // Bytes of an unfinished stripe.
    char m_carry[kStripe];
    std::size_t m_carried = 0;
};
