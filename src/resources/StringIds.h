#pragma once

// The ids of the program's texts in the string tables (CStringTables::Load), by what they say.
namespace StringId {

constexpr int kCaption = 102;                  // "Kostenkoch": the caption of every message box
constexpr int kFirstTab = 103;                 // "Stammdaten"; the other four tabs follow in order
constexpr int kAll = 112;                      // "Alle"
constexpr int kAllFood = 113;                  // "Alle Speisen"
constexpr int kAllDrinks = 114;                // "Alle Getränke"
constexpr int kGroupNameKept = 120;            // a group name that recipes use stays
constexpr int kPortions = 121;                 // the unit of a sub-recipe line
constexpr int kIngredientInUse = 118;          // an ingredient that recipes use cannot be deleted
constexpr int kNameHeader = 123;               // "Name"
constexpr int kGroupHeader = 124;              // "Gruppe"
constexpr int kPriceHeader = 125;              // "Preis"
constexpr int kAmountHeader = 126;             // "Menge"
constexpr int kUnitHeader = 127;               // "Einheit"
constexpr int kSupplierInUse = 128;            // the used supplier cannot be deleted
constexpr int kPricePerUnitHeader = 129;       // "Preis/Einh."
constexpr int kSupplierHeader = 159;           // "Lieferant"
constexpr int kTotalPriceHeader = 161;         // "Gesamtpreis"
constexpr int kFirstMonthName = 135;           // "Jan."; the other months follow in order
constexpr int kMonthTitle = 157;               // "Monat"
constexpr int kRestart = 160;                  // restart to see the new language everywhere
constexpr int kPercentUnit = 172;              // "Prozent"
constexpr int kFactorLabel = 184;              // "1 UNIT = "
constexpr int kImportedQuestion = 185;         // go on with the imported data?
constexpr int kDeleteIngredientQuestion = 186; // delete the ingredient 'xyz'?
constexpr int kDeleteSupplierQuestion = 189;   // delete the supplier 'xyz'?
constexpr int kIngredientIncomplete = 198;     // an ingredient needs a name and a unit
constexpr int kIngredientListTitle = 199;      // "Zutatenliste"
constexpr int kRecipeIngredientGroup = 202;    // "Rezepturzutat"
constexpr int kNoIngredientChosen = 203;       // choose an ingredient and an amount above zero
constexpr int kNoDirectory = 204;              // no directory for the data found
constexpr int kCannotWriteQuestion = 205;      // the chosen file cannot be written; choose another?
constexpr int kStatusRecipes = 206;            // "Initialisiere Rezepte"
constexpr int kStatusIngredients = 207;        // "Initialisiere Zutaten"
constexpr int kStatusLinking = 208;            // "Zuweisen der Zutaten zu den Rezepturen"
constexpr int kOutOfMemory = 209;
constexpr int kStatusSales = 210;        // "Initialisiere Verkäufe"
constexpr int kSmallerBackup = 213;      // the larger backup was kept as a rescue copy
constexpr int kCannotSaveQuestion = 216; // the data could not be saved; go on anyway?
constexpr int kPictureInUse = 226;       // another recipe uses a picture of that name
constexpr int kNotADataFile = 228;
constexpr int kCannotSave = 229;
constexpr int kSaveBeforeOpenQuestion = 231; // save before opening another file?
constexpr int kAlreadyOpenAtStart = 233;     // the data file is open in another window: end
constexpr int kAlreadyOpen = 234;            // the chosen file is open in another window
constexpr int kPutAside = 235;               // the unreadable data file was renamed and is kept
constexpr int kBackupReadsNote = 236;        // the backup probably holds the last good state
constexpr int kNoBackupNote = 237;           // there is no readable backup
constexpr int kRestoreQuestion = 238;        // restore the complete copy found as the data file?
constexpr int kBackupKind = 239;             // "die Sicherungskopie"
constexpr int kInterruptedSaveKind = 240;    // "die Datei einer unterbrochenen Speicherung"
constexpr int kCannotOpenAtStart = 241;      // the data file cannot be opened: end
constexpr int kNotAFile = 242;               // the data path names no plain file: end
constexpr int kCannotPutAside = 243;         // the unreadable data file cannot be renamed: end
constexpr int kReadOnlyDirectory = 244;      // the data lie in a directory that cannot be written
constexpr int kNoAccess = 245;               // "keine Zugriffsrechte"
constexpr int kReadOnlyDrive = 246;          // "schreibgeschütztes Laufwerk"
constexpr int kDiskFull = 247;               // "Datenträger voll"
constexpr int kErrorNumber = 248;            // "Fehler %1"
constexpr int kEnterNumber = 61713;          // "Geben Sie eine Zahl ein."

// The sales page and the sales list.
constexpr int kAllSales = 119;           // "alle Verkäufe"
constexpr int kDateHeader = 149;         // "Datum"
constexpr int kDayRevenueHeader = 150;   // "Tagesumsatz"
constexpr int kDayPortionsHeader = 151;  // "Tagesmenge"
constexpr int kMonthRevenueHeader = 152; // "Monatsumsatz"
constexpr int kMonthPortionsHeader = 153;
constexpr int kYearRevenueHeader = 154;
constexpr int kYearPortionsHeader = 155;
constexpr int kSalesListTitle = 180;     // "Verkaufsliste"
constexpr int kDeleteSaleQuestion = 188; // delete the sale 'xyz'?
constexpr int kDayMarginHeader = 217;    // "Tages-DB"
constexpr int kDayRatioHeader = 218;     // "Tages-WE-Quote"
constexpr int kMonthMarginHeader = 219;
constexpr int kMonthRatioHeader = 220;
constexpr int kYearMarginHeader = 221;
constexpr int kYearRatioHeader = 222;

} // namespace StringId
