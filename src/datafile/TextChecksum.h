#pragma once

#include <cstdint>
#include <string_view>

// The change-detection checksum of a data file text: the sum over every byte of (byte as signed
// 8-bit value × its position from 0), each product wrapping in 32 bits and then added with its
// sign to a 64-bit total. The empty text gives 0.
std::int64_t TextChecksum(std::string_view text);

// A 64-bit hash of the text with good spread (four multiply-rotate lanes over 8-byte words and a
// final mix). It catches the changes that keep the weighted sum, such as +1, -2, +1 on three
// neighbouring bytes.
std::uint64_t TextHash(std::string_view text);
