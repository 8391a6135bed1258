#pragma once

#include "resources/StringEntry.h"

#include <span>

// The texts of the three language tables as written in the source, in UTF-8. CStringTables
// converts them to Windows-1252 on first use.

// Every program text (ids 101..248) and the framework texts (ids from 61440 on).
std::span<const CStringEntry> GermanEntries();

// The texts in which the English table differs from the German one.
std::span<const CStringEntry> EnglishTranslations();

// The texts in which the Romanian table differs from the German one.
std::span<const CStringEntry> RomanianTranslations();
