#include "TextDigest.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define KK_DIGEST_SSE2 1
#endif

namespace {

// Below this position no product of a byte (-128..127) and its position leaves 32 signed bits,
// so the checksum's products never wrap and the sum over a range is linear in its bytes.
constexpr std::uint64_t kLinearPositions = std::uint64_t{1} << 24;

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

std::int64_t SignedByte(char c)
{
    return static_cast<signed char>(c);
}

#ifdef KK_DIGEST_SSE2
std::int64_t SumOfLanes(__m128i lanes)
{
    alignas(16) std::int32_t values[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(values), lanes);
    return std::int64_t{values[0]} + values[1] + values[2] + values[3];
}
#endif

// The sum of byte × position over `count` bytes from position `start`, exactly; only for
// start + count <= kLinearPositions. Sixteen bytes at a time: per block the plain sum and the sum
// weighted by the offset in the block (0..15), and per run of blocks the running sums that give
// each block's start position; the lanes stay within 32 bits for runs of 2,048 blocks.
std::int64_t WeightedByteSum(const char* bytes, std::size_t count, std::uint64_t start)
{
    std::int64_t total = 0;
    auto position = static_cast<std::int64_t>(start);
#ifdef KK_DIGEST_SSE2
    constexpr std::size_t kBlock = 16;
    constexpr std::size_t kRunBlocks = 2048;
    const __m128i ones = _mm_set1_epi16(1);
    const __m128i lowOffsets = _mm_setr_epi16(0, 1, 2, 3, 4, 5, 6, 7);
    const __m128i highOffsets = _mm_setr_epi16(8, 9, 10, 11, 12, 13, 14, 15);
    while (count >= kBlock) {
        const std::size_t blocks = std::min(count / kBlock, kRunBlocks);
        __m128i sums = _mm_setzero_si128();
        __m128i earlier = _mm_setzero_si128(); // adds up the sums of the blocks before each block
        __m128i weighted = _mm_setzero_si128();
        for (std::size_t k = 0; k < blocks; ++k, bytes += kBlock) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
            const __m128i low = _mm_srai_epi16(_mm_unpacklo_epi8(v, v), 8);
            const __m128i high = _mm_srai_epi16(_mm_unpackhi_epi8(v, v), 8);
            earlier = _mm_add_epi32(earlier, sums);
            sums = _mm_add_epi32(sums, _mm_add_epi32(_mm_madd_epi16(low, ones), _mm_madd_epi16(high, ones)));
            weighted = _mm_add_epi32(
                weighted, _mm_add_epi32(_mm_madd_epi16(low, lowOffsets), _mm_madd_epi16(high, highOffsets)));
        }
        // Block k starts at position + 16 k: sum of k × (block k's sum) = (n - 1) × sum - earlier.
        const std::int64_t sum = SumOfLanes(sums);
        const auto n = static_cast<std::int64_t>(blocks);
        total += position * sum + 16 * ((n - 1) * sum - SumOfLanes(earlier)) + SumOfLanes(weighted);
        position += 16 * n;
        count -= blocks * kBlock;
    }
#endif
    for (; count > 0; --count, ++bytes, ++position)
        total += SignedByte(*bytes) * position;
    return total;
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
// position counts in 32 bits, as the products do. Up to kLinearPositions nothing wraps, and the
// bytes there are summed sixteen at a time.
void CTextDigest::AddChecksum(std::string_view part)
{
    std::uint64_t total = m_checksum;
    const std::size_t linear =
        m_length < kLinearPositions ? std::min<std::uint64_t>(part.size(), kLinearPositions - m_length) : 0;
    total += static_cast<std::uint64_t>(WeightedByteSum(part.data(), linear, m_length));
    part.remove_prefix(linear);
    auto position = static_cast<std::uint32_t>(m_length + linear);
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
