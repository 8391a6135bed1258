#include "TextDigest.h"

#include <cstring>

namespace {

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ull;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4Full;
constexpr std::uint64_t kPrime3 = 0x165667B19E3779F9ull;
constexpr std::uint64_t kPrime4 = 0x85EBCA77C2B2AE63ull;

constexpr std::uint64_t RotateLeft(std::uint64_t value, int bits)
{
    return (value << bits) | (value >> (64 - bits));
}

std::uint64_t LoadWord(const char* bytes)
{
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

std::uint64_t Round(std::uint64_t lane, std::uint64_t word)
{
    return RotateLeft(lane + word * kPrime2, 31) * kPrime1;
}

// Spreads every input bit over the whole result.
std::uint64_t Avalanche(std::uint64_t value)
{
    value ^= value >> 33;
    value *= kPrime2;
    value ^= value >> 29;
    value *= kPrime3;
    value ^= value >> 32;
    return value;
}

} // namespace

CTextDigest::CTextDigest() : m_lanes{kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1}, m_carry{} {}

void CTextDigest::Add(std::string_view part)
{
    AddChecksum(part);
    m_length += part.size();
    const char* bytes = part.data();
    std::size_t left = part.size();
    if (m_carried != 0) {
        const std::size_t taken = left < kStripe - m_carried ? left : kStripe - m_carried;
        std::memcpy(m_carry + m_carried, bytes, taken);
        m_carried += taken;
        bytes += taken;
        left -= taken;
        if (m_carried < kStripe)
            return;
        AddStripe(m_carry);
        m_carried = 0;
    }
    for (; left >= kStripe; bytes += kStripe, left -= kStripe)
        AddStripe(bytes);
    std::memcpy(m_carry, bytes, left);
    m_carried = left;
}

// Products wrap in unsigned 32-bit arithmetic (the same bits as signed wrapping, without
// overflow) and the total in unsigned 64-bit arithmetic; both are read back as signed. The
// position counts in 32 bits, as the products do.
void CTextDigest::AddChecksum(std::string_view part)
{
    std::uint64_t total = m_checksum;
    auto position = static_cast<std::uint32_t>(m_length);
    for (const char c : part) {
        const auto byte = static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(c)));
        const auto product = static_cast<std::int32_t>(byte * position);
        total += static_cast<std::uint64_t>(static_cast<std::int64_t>(product));
        ++position;
    }
    m_checksum = total;
}

void CTextDigest::AddStripe(const char* bytes)
{
    for (int i = 0; i < 4; ++i)
        m_lanes[i] = Round(m_lanes[i], LoadWord(bytes + 8 * i));
}

// Four lanes over the 32-byte stripes, then the unfinished stripe by words and bytes.
std::uint64_t CTextDigest::Hash() const
{
    std::uint64_t hash = RotateLeft(m_lanes[0], 1) + RotateLeft(m_lanes[1], 7) + RotateLeft(m_lanes[2], 12) +
                         RotateLeft(m_lanes[3], 18) + m_length;
    const char* bytes = m_carry;
    std::size_t left = m_carried;
    for (; left >= 8; bytes += 8, left -= 8)
        hash = RotateLeft(hash ^ Round(0, LoadWord(bytes)), 27) * kPrime1 + kPrime4;
    for (; left > 0; ++bytes, --left)
        hash = RotateLeft(hash ^ (static_cast<unsigned char>(*bytes) * kPrime3), 11) * kPrime1;
    return Avalanche(hash);
}
