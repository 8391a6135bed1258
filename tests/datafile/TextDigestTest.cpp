#include "datafile/TextDigest.h"

#include "DataFileTestSupport.h"
#include "datafile/DataFileWriter.h"
#include "datafile/TextChecksum.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

// Bytes of every value, the signed ones included.
std::string Pattern(std::size_t length)
{
    std::string text;
    for (std::size_t i = 0; i < length; ++i)
        text += static_cast<char>((i * 131 + 7) % 256);
    return text;
}

CTextDigest DigestInParts(const std::string& text, std::size_t partLength)
{
    CTextDigest digest;
    for (std::size_t done = 0; done < text.size(); done += partLength)
        digest.Add(std::string_view(text).substr(done, partLength));
    return digest;
}

// The figures of whole texts are those the fingerprints of saved files were taken with, and a
// text fed in parts of any length, across the 32-byte stripes of the hash, gives the same.
TEST(TextDigest, PartsOfAnyLengthGiveTheFiguresOfTheWholeText)
{
    const struct
    {
        std::size_t Length;
        std::int64_t Checksum;
        std::uint64_t Hash;
    } cases[] = {
        {0, 0LL, 0x9090306C6E91ED59ull},          {1, 0LL, 0x3B7C0914A80D8F0Cull},
        {31, 2820LL, 0x8A399954AF20C03Eull},      {32, 1952LL, 0x36758651506B8A80ull},
        {33, 5248LL, 0xEAB76AB4820AD2F5ull},      {100, -29644LL, 0x1689A569EA060E4Full},
        {1000, -491064LL, 0x744877BF549F0976ull},
    };
    for (const auto& c : cases) {
        const std::string text = Pattern(c.Length);
        for (const std::size_t part : {std::size_t{1}, std::size_t{5}, std::size_t{31}, std::size_t{32},
                                       std::size_t{33}, std::size_t{1000}}) {
            const CTextDigest digest = DigestInParts(text, part);
            EXPECT_EQ(digest.Checksum(), c.Checksum) << c.Length << " in parts of " << part;
            EXPECT_EQ(digest.Hash(), c.Hash) << c.Length << " in parts of " << part;
            EXPECT_EQ(digest.Length(), c.Length);
        }
    }
}

// The checksum as defined: each byte (signed) times its position, the product wrapped to 32
// signed bits, the sum in 64 bits.
std::int64_t LiteralChecksum(const std::string& text)
{
    std::int64_t total = 0;
    std::uint32_t position = 0;
    for (const char c : text) {
        const auto product = static_cast<std::uint32_t>(static_cast<signed char>(c)) * position++;
        total += static_cast<std::int32_t>(product);
    }
    return total;
}

// The checksum is summed sixteen bytes at a time while no product can wrap (below 16 MiB) and
// byte by byte beyond; parts that start anywhere and cross that border give the literal sum.
TEST(TextDigest, ChecksumOfLongTextsInRandomPartsIsTheLiteralSum)
{
    std::mt19937 random(42);
    std::string text((std::size_t{1} << 24) + 70000, '\0');
    for (char& c : text) {
        // Mostly text, with runs of the extreme bytes that make the products largest.
        const unsigned roll = random() % 16;
        c = static_cast<char>(roll == 0 ? 0x80 : roll == 1 ? 0x7F : 32 + random() % 95);
    }
    const std::int64_t literal = LiteralChecksum(text);
    for (int round = 0; round < 3; ++round) {
        CTextDigest digest;
        std::size_t done = 0;
        while (done < text.size()) {
            const std::size_t part = round == 0 ? text.size() : 1 + random() % (round == 1 ? 100 : 3000000);
            digest.Add(std::string_view(text).substr(done, part));
            done += part;
        }
        EXPECT_EQ(digest.Checksum(), literal) << "round " << round;
    }
    for (const std::size_t length : {std::size_t{15}, std::size_t{16}, std::size_t{17}, std::size_t{32769}}) {
        const std::string piece = text.substr(0, length);
        EXPECT_EQ(TextChecksum(piece), LiteralChecksum(piece)) << length;
    }
}

TEST(TextDigest, RenderingInPartsGivesTheWholeTextInOrder)
{
    CData data;
    BuildSampleCatalogue(data);
    const std::string whole = CDataFileWriter(data, false).Render().ToString();
    for (const std::size_t partBytes : {std::size_t{1}, std::size_t{700}, std::size_t{1} << 20}) {
        std::string joined;
        int parts = 0;
        CDataFileWriter(data, false)
            .Render(
                [&](std::string_view part) {
                    joined += part;
                    ++parts;
                },
                partBytes);
        EXPECT_EQ(joined, whole) << partBytes;
        EXPECT_EQ(parts > 1, partBytes < whole.size()) << partBytes;
    }
}

} // namespace
