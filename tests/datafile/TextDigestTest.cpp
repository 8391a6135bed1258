#include "datafile/TextDigest.h"

#include "DataFileTestSupport.h"
#include "datafile/DataFileWriter.h"

#include <gtest/gtest.h>
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
