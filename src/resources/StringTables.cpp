#include "resources/StringTables.h"

#include "platform/Windows1252.h"
#include "resources/LanguageTables.h"

#include <atomic>
#include <cassert>
#include <map>

namespace {

using CTable = std::map<int, std::string>;

std::atomic<int> g_language{CStringTables::German};

int KnownLanguage(int languageId)
{
    switch (languageId) {
    case CStringTables::English:
    case CStringTables::Romanian:
        return languageId;
    default:
        return CStringTables::German;
    }
}

// The ids that the English and Romanian tables hold (when German holds them).
bool IsTranslatedId(int id)
{
    return (id >= 101 && id <= 116) || (id >= 118 && id <= 155) || (id >= 157 && id <= 160) || id == 171 ||
           (id >= 217 && id <= 222);
}

std::string ToWindows1252(std::string_view utf8)
{
    std::string bytes;
    [[maybe_unused]] const bool converted = Utf8ToWindows1252(utf8, bytes);
    assert(converted && "string table text outside Windows-1252");
    return bytes;
}

void Put(CTable& table, std::span<const CStringEntry> entries)
{
    for (const CStringEntry& entry : entries)
        table[entry.Id] = ToWindows1252(entry.Utf8);
}

const CTable& GermanTable()
{
    static const CTable table = [] {
        CTable german;
        Put(german, GermanEntries());
        return german;
    }();
    return table;
}

// A translated table: the German texts of its ids, then its own texts over them.
CTable BuildTranslated(std::span<const CStringEntry> translations)
{
    CTable table;
    for (const auto& [id, text] : GermanTable()) {
        if (IsTranslatedId(id))
            table.emplace(id, text);
    }
    Put(table, translations);
    return table;
}

const CTable& TableOf(int languageId)
{
    switch (KnownLanguage(languageId)) {
    case CStringTables::English: {
        static const CTable english = BuildTranslated(EnglishTranslations());
        return english;
    }
    case CStringTables::Romanian: {
        static const CTable romanian = BuildTranslated(RomanianTranslations());
        return romanian;
    }
    default:
        return GermanTable();
    }
}

const std::string* Find(const CTable& table, int id)
{
    const auto it = table.find(id);
    return it == table.end() ? nullptr : &it->second;
}

} // namespace

void CStringTables::SetLanguage(int languageId)
{
    g_language = KnownLanguage(languageId);
}

int CStringTables::Language()
{
    return g_language;
}

std::string CStringTables::Load(int id)
{
    return Load(id, Language());
}

std::string CStringTables::Load(int id, int languageId)
{
    if (const std::string* text = Find(TableOf(languageId), id))
        return *text;
    if (const std::string* german = Find(GermanTable(), id))
        return *german;
    return {};
}

bool CStringTables::Contains(int id, int languageId)
{
    return Find(TableOf(languageId), id) != nullptr;
}
