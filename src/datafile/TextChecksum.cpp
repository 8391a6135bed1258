#include "TextChecksum.h"

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

// Products wrap in unsigned 32-bit arithmetic (the same bits as signed wrapping, without
// overflow) and the total in unsigned 64-bit arithmetic; both are read back as signed.
std::int64_t TextChecksum(std::string_view text)
{
    std::uint64_t total = 0;
    std::uint32_t position = 0;
    for (const char c : text) {
        const auto byte = static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(c)));
        const auto product = static_cast<std::int32_t>(byte * position);
        total += static_cast<std::uint64_t>(static_cast<std::int64_t>(product));
        ++position;
    }
    return static_cast<std::int64_t>(total);
}

std::uint64_t TextHash(std::string_view text)
{
    const char* bytes = text.data();
    std::size_t left = text.size();
    std::uint64_t lanes[4] = {kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1};
    for (; left >= 32; bytes += 32, left -= 32) {
        for (int i = 0; i < 4; ++i)
            lanes[i] = Round(lanes[i], LoadWord(bytes + 8 * i));
    }
    std::uint64_t hash = RotateLeft(lanes[0], 1) + RotateLeft(lanes[1], 7) + RotateLeft(lanes[2], 12) +
                         RotateLeft(lanes[3], 18) + text.size();
    for (; left >= 8; bytes += 8, left -= 8)
        hash = RotateLeft(hash ^ Round(0, LoadWord(bytes)), 27) * kPrime1 + kPrime4;
    for (; left > 0; ++bytes, --left)
        hash = RotateLeft(hash ^ (static_cast<unsigned char>(*bytes) * kPrime3), 11) * kPrime1;
    return Avalanche(hash);
}
