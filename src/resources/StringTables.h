#pragma once

#include <string>

// The program's texts by string id, in German, English and Romanian. Ids 101 to 248 are the
// program's own texts, ids from 61440 on the framework's (German only). Texts come back as
// Windows-1252 bytes, like every text the core holds.
//
// The English and Romanian tables hold only part of the ids; for any other id they give the
// German text. An id that no table holds gives the empty text.
class CStringTables
{
public:
    static constexpr int German = 1031;
    static constexpr int English = 1033;
    static constexpr int Romanian = 1048;

    // The process-wide language that Load(id) uses; German until set. Any id other than the
    // three above counts as German.
    static void SetLanguage(int languageId);
    static int Language();

    // The text in the current language.
    static std::string Load(int id);
    // The text in the given language (unknown language ids count as German).
    static std::string Load(int id, int languageId);

    // Whether the language's own table holds the id, without falling back to German.
    static bool Contains(int id, int languageId);
};
