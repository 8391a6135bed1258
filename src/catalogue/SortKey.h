#pragma once

#include <string>

// Sort keys of texts as the ingredient order uses them: upper case (ASCII letters), with the
// umlauts Ä, Ö, Ü in either case folded to A, O, U; compared byte by byte as unsigned values.
namespace SortKey {

std::string Make(const std::string& text);
// Negative, zero or positive as `a` sorts before, with or after `b`.
int Compare(const std::string& a, const std::string& b);

} // namespace SortKey
