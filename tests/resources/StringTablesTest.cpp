#include "resources/StringTables.h"

#include "platform/Windows1252.h"
#include "resources/LanguageTables.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

constexpr int kGerman = CStringTables::German;
constexpr int kEnglish = CStringTables::English;
constexpr int kRomanian = CStringTables::Romanian;

// The text as UTF-8, so that expectations can be written readably.
std::string LoadUtf8(int id, int languageId)
{
    return Windows1252ToUtf8(CStringTables::Load(id, languageId));
}

// Each test starts and ends in German, since the language is process-wide.
class StringTablesTest : public testing::Test
{
protected:
    void TearDown() override { CStringTables::SetLanguage(kGerman); }
};

// Must stay the first test of the file: it checks the state before anyone set a language.
TEST_F(StringTablesTest, LanguageIsGermanAtStart)
{
    EXPECT_EQ(CStringTables::Language(), kGerman);
    EXPECT_EQ(CStringTables::Load(103), "Stammdaten");
}

TEST_F(StringTablesTest, GermanTextsKeepTheirExactCharacters)
{
    const struct
    {
        int id;
        std::string text;
    } cases[] = {
        {101, "Inf&o über Kostenkoch..."},
        {102, "Kostenkoch"},
        {116, "Rezepturen könne nicht zu allgemeinen Gruppen ( \"Alle\", \"Alle Speisen\" und \"Alle "
              "Getränke\") hinzugefügt werden. "},
        {134, "Sie haben die maximale Anzahl an Datenreihen erreicht. Bitte deaktivieren Sie eine oder "
              "mehrere Dateneihen, bevor Sie diese Datenreihe aktivieren."},
        {135, "Jan."},
        {146, "Dez."},
        {160, "Um an allen Stellen des Programms die Sprache entsprechend  anzeigen zu können, starten Sie "
              "das Programm bitte neu."},
        {178, "Zutaten für xyz Portionen : "},
        {197, "tatsächlicher Verkaufspreis brutto (Währung 2) : "},
        {222, "Jahres-WE-Quote"},
        {61713, "Geben Sie eine Zahl ein."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoadUtf8(c.id, kGerman), c.text) << "id " << c.id;
}

TEST_F(StringTablesTest, MessagesWithLineBreaksHoldRealLineFeeds)
{
    EXPECT_TRUE(LoadUtf8(213, kGerman)
                    .starts_with("Die neue Sicherungskopie KostenkochData_Backup.xml ist kleiner als die "
                                 "alte Sicherungskopie.\n\nDies ist normal, falls Sie"));
    // The save failure question gets "\n\n" and the path from its caller; the text ends before them.
    const std::string saveFailed = LoadUtf8(216, kGerman);
    EXPECT_TRUE(saveFailed.ends_with("trotzdem beenden? (Änderungen gehen dabei verloren!)"));
    EXPECT_EQ(saveFailed.find('\n'), std::string::npos);
}

TEST_F(StringTablesTest, TextsComeAsWindows1252Bytes)
{
    EXPECT_EQ(CStringTables::Load(115, kGerman), "Getr\xE4nke-Gruppen");
    EXPECT_EQ(CStringTables::Load(183, kGerman), "W\xE4hrungen");
    EXPECT_EQ(CStringTables::Load(137, kGerman), "M\xE4rz");
    EXPECT_EQ(CStringTables::Load(115, kEnglish), "Getr\xE4nkenamen");
    const std::string amount = CStringTables::Load(203, kGerman); // "größer"
    EXPECT_NE(amount.find("gr\xF6\xDF"), std::string::npos);
}

TEST_F(StringTablesTest, TranslatedTablesDifferOnlyWhereTranslated)
{
    const struct
    {
        int id;
        std::string german, english, romanian;
    } cases[] = {
        {103, "Stammdaten", "Maindata", "R_Stammdaten"},
        {110, "WE-Quoten Speisen", "Quoten Speisen", "Quoten Speisen"},
        {111, "Speisen-Gruppen", "Speisennamen", "Speisennamen"},
        {115, "Getränke-Gruppen", "Getränkenamen", "Getränkenamen"},
        {133, "WE-Quoten Getränke", "Quoten Getränke", "Quoten Getränke"},
        {171, "Wareneinsatz", "Wareneinsatzquote", "Wareneinsatzquote"},
        {104, "Einkauf und Zutaten", "Einkauf und Zutaten", "Einkauf und Zutaten"},
        {217, "Tages-DB", "Tages-DB", "Tages-DB"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LoadUtf8(c.id, kGerman), c.german) << "id " << c.id;
        EXPECT_EQ(LoadUtf8(c.id, kEnglish), c.english) << "id " << c.id;
        EXPECT_EQ(LoadUtf8(c.id, kRomanian), c.romanian) << "id " << c.id;
    }
}

TEST_F(StringTablesTest, RestartMessageIsEnglishOnlyInEnglish)
{
    EXPECT_EQ(LoadUtf8(160, kEnglish),
              "To show all texts according to the menu item you've selected please restart the program.");
    EXPECT_EQ(CStringTables::Load(160, kRomanian), CStringTables::Load(160, kGerman));
}

TEST_F(StringTablesTest, TranslatedTablesHoldOnlyTheirIdsAndFallBackToGerman)
{
    // Ids around the edges of the ranges that the English and Romanian tables hold.
    const std::set<int> held = {101, 116, 118, 155, 157, 160, 171, 217, 222};
    const std::set<int> notHeld = {156, 161, 170, 172, 185, 216, 223, 230, 61713};
    for (int language : {kEnglish, kRomanian}) {
        for (int id : held)
            EXPECT_TRUE(CStringTables::Contains(id, language)) << language << " id " << id;
        for (int id : notHeld) {
            EXPECT_FALSE(CStringTables::Contains(id, language)) << language << " id " << id;
            EXPECT_EQ(CStringTables::Load(id, language), CStringTables::Load(id, kGerman))
                << language << " id " << id;
            EXPECT_FALSE(CStringTables::Load(id, language).empty()) << language << " id " << id;
        }
    }
}

TEST_F(StringTablesTest, GermanHoldsEveryProgramTextExceptTheUnusedIds)
{
    const std::set<int> unused = {117, 148, 173, 174, 175, 176, 211, 212, 214, 215, 232};
    for (int id = 101; id <= 248; ++id) {
        const std::string text = CStringTables::Load(id, kGerman);
        EXPECT_EQ(CStringTables::Contains(id, kGerman), !unused.contains(id)) << "id " << id;
        EXPECT_EQ(text.empty(), unused.contains(id)) << "id " << id;
    }
}

// An id written twice in a table shadows one of the two texts: a new text that took an id
// already in use hid "Druckvorschau" behind a button's name.
TEST_F(StringTablesTest, EveryIdStandsOnceInEachTable)
{
    for (const auto& entries : {GermanEntries(), EnglishTranslations(), RomanianTranslations()}) {
        std::set<int> seen;
        for (const CStringEntry& entry : entries)
            EXPECT_TRUE(seen.insert(entry.Id).second) << "id " << entry.Id << " twice";
    }
}

TEST_F(StringTablesTest, UnknownIdsGiveEmptyText)
{
    for (int language : {kGerman, kEnglish, kRomanian}) {
        for (int id : {-1, 0, 100, 117, 249, 61440, 99999})
            EXPECT_EQ(CStringTables::Load(id, language), "") << language << " id " << id;
    }
}

TEST_F(StringTablesTest, CurrentLanguageSelectsTheTable)
{
    CStringTables::SetLanguage(kEnglish);
    EXPECT_EQ(CStringTables::Language(), kEnglish);
    EXPECT_EQ(CStringTables::Load(103), "Maindata");
    EXPECT_EQ(CStringTables::Load(156), "Wareneinsatzquote");

    CStringTables::SetLanguage(kRomanian);
    EXPECT_EQ(CStringTables::Language(), kRomanian);
    EXPECT_EQ(CStringTables::Load(103), "R_Stammdaten");
}

TEST_F(StringTablesTest, UnknownLanguageCountsAsGerman)
{
    CStringTables::SetLanguage(kEnglish);
    CStringTables::SetLanguage(1036);
    EXPECT_EQ(CStringTables::Language(), kGerman);
    EXPECT_EQ(CStringTables::Load(103), "Stammdaten");

    EXPECT_EQ(CStringTables::Load(110, 0), "WE-Quoten Speisen");
    EXPECT_TRUE(CStringTables::Contains(103, 1036));
}

} // namespace
