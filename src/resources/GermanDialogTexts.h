#pragma once

// The texts of the dialogs, menus and pages, as UTF-8. These stay German in every interface
// language (dialogs and menus are German by design); the texts that change with the language
// are in the string tables (StringIds.h, CStringTables::Load).
//
// One namespace per dialog, page or menu. Each ends with `kAll`, the list of its texts, which
// the tests check: every text must be representable in Windows-1252, and no access key ("&")
// may serve two texts of one group. A new text goes into its group's list too.

namespace DialogText::Common {
// The buttons of every editing dialog.
inline constexpr char kOk[] = "OK";
inline constexpr char kCancel[] = "Abbrechen";
inline constexpr char kHelp[] = "?";
inline constexpr const char* kAll[] = {kOk, kCancel, kHelp};
} // namespace DialogText::Common

namespace DialogText::ListPage {
// The buttons under the lists of the ingredients and the recipes.
inline constexpr char kAdd[] = "&Hinzufügen";
inline constexpr char kChange[] = "Ä&ndern";
inline constexpr char kDelete[] = "&Löschen";
inline constexpr const char* kAll[] = {kAdd, kChange, kDelete};
} // namespace DialogText::ListPage

namespace DialogText::GroupMenu {
// The "Warengruppen" menu: the entry below the separator.
inline constexpr char kAllGroups[] = "alle Warengruppen";
inline constexpr const char* kAll[] = {kAllGroups};
} // namespace DialogText::GroupMenu

namespace DialogText::UserDataPage {
// Master data: the user's address.
inline constexpr char kTitle[] = "Bitte geben Sie hier Ihre Benutzerdaten ein.";
inline constexpr char kCompany[] = "&Firma :";
inline constexpr char kFirstname[] = "&Vorname :";
inline constexpr char kLastname[] = "&Nachname :";
inline constexpr char kStreet[] = "S&traße :";
inline constexpr char kPostcode[] = "&PLZ :";
inline constexpr char kCity[] = "&Stadt :";
inline constexpr char kCountry[] = "&Land :";
inline constexpr const char* kAll[] = {kTitle,  kCompany,  kFirstname, kLastname,
                                       kStreet, kPostcode, kCity,      kCountry};
} // namespace DialogText::UserDataPage

namespace DialogText::GroupNamesPage {
// Master data: the names of the food and the drink groups. In the label, %1 stands for the
// row number without its last digit and %2 for that digit, which is the access key.
inline constexpr char kFoodTitle[] = "Bitte geben Sie hier die Namen der Speisen-Gruppen ein.";
inline constexpr char kDrinkTitle[] = "Bitte geben Sie hier die Namen der Getränke-Gruppen ein.";
inline constexpr char kGroupLabel[] = "Gruppe %1&%2 :";
inline constexpr const char* kAll[] = {kFoodTitle, kDrinkTitle, kGroupLabel};
} // namespace DialogText::GroupNamesPage

namespace DialogText::GroupRatesPage {
// Master data: the tax rates and the target cost-of-goods ratios of the groups.
inline constexpr char kFoodTaxesTitle[] =
    "Bitte geben Sie hier die Umsatzsteuersätze der Speisen-Gruppen ein";
inline constexpr char kDrinkTaxesTitle[] =
    "Bitte geben Sie hier die Umsatzsteuersätze der Getränke-Gruppen ein";
inline constexpr char kFoodQuotesTitle[] =
    "Bitte geben Sie hier die Soll-Wareneinsatzquoten der Speisen-Gruppen ein.";
inline constexpr char kDrinkQuotesTitle[] =
    "Bitte geben Sie hier die Soll-Wareneinsatzquoten der Getränke-Gruppen ein.";
inline constexpr const char* kAll[] = {kFoodTaxesTitle, kDrinkTaxesTitle, kFoodQuotesTitle,
                                       kDrinkQuotesTitle};
} // namespace DialogText::GroupRatesPage

namespace DialogText::CurrencyPage {
// Master data: the two currencies.
inline constexpr char kTitle[] = "Bitte legen Sie hier Ihre Währungs-Einstellungen fest";
inline constexpr char kCurrency[] = "&Währung :";
inline constexpr char kCurrency2[] = "Währung &2 :";
inline constexpr char kCurrency2Example[] = "(z.B. SFR)";
inline constexpr const char* kAll[] = {kTitle, kCurrency, kCurrency2, kCurrency2Example};
} // namespace DialogText::CurrencyPage

namespace DialogText::IngredientPage {
// The "Einkauf und Zutaten" tab (its buttons Hinzufügen, Ändern, Löschen are ListPage's).
inline constexpr char kTitle[] = "Einkauf und Zutaten";
inline constexpr char kSubtitle[] = "Sobald Sie mindestens eine Zutat angelegt haben, können Sie im nächsten "
                                    "Schritt Rezepturen zusammen stellen";
inline constexpr char kGroups[] = "&Warengruppen";
inline constexpr const char* kAll[] = {kTitle, kSubtitle, kGroups};
} // namespace DialogText::IngredientPage

namespace DialogText::Ingredient {
// The dialog "Zutat definieren".
inline constexpr char kWindowTitle[] = "Zutat definieren";
inline constexpr char kName[] = "&Name :";
inline constexpr char kGroup[] = "&Warengruppe :";
inline constexpr char kUnit[] = "&Einheit :";
inline constexpr char kUnitExample[] = "(z.B. kg, l, St.)";
inline constexpr char kOptional[] = "(Eingabe nicht zwingend erforderlich)";
inline constexpr char kPurchaseBox[] = "Einkauf";
inline constexpr char kAmount[] = "&Menge :";
inline constexpr char kPrice[] = "&Preis :";
inline constexpr char kSupplier[] = "&Lieferant :";
inline constexpr char kSeveralSuppliers[] = "Sind mehrere Lieferanten angelegt, wird der verwendete "
                                            "Lieferant angezeigt";
inline constexpr char kAddSupplier[] = "&Hinzufügen";
inline constexpr char kChangeSupplier[] = "Än&dern";
inline constexpr char kDeleteSupplier[] = "Lö&schen";
inline constexpr const char* kAll[] = {
    kWindowTitle,      kName,        kGroup,          kUnit,          kUnitExample,
    kOptional,         kPurchaseBox, kAmount,         kPrice,         kSupplier,
    kSeveralSuppliers, kAddSupplier, kChangeSupplier, kDeleteSupplier};
} // namespace DialogText::Ingredient

namespace DialogText::IngredientSupplier {
// The dialog "Lieferant" of an ingredient.
inline constexpr char kWindowTitle[] = "Lieferant";
inline constexpr char kName[] = "&Lieferant :";
inline constexpr char kAmount[] = "&Menge :";
inline constexpr char kPrice[] = "&Preis :";
inline constexpr const char* kAll[] = {kWindowTitle, kName, kAmount, kPrice};
} // namespace DialogText::IngredientSupplier

namespace DialogText::RecipePage {
// The "Rezepturen" tab (its buttons are ListPage's).
inline constexpr char kTitle[] = "Rezepturen";
inline constexpr char kSubtitle[] =
    "Sobald Sie mindestens eine Rezeptur angelegt haben, können Sie im nächsten "
    "Schritt Abverkäufe aus Ihrem Journal erfassen";
inline constexpr const char* kAll[] = {kTitle, kSubtitle};
} // namespace DialogText::RecipePage

namespace DialogText::Recipe {
// The dialog "Rezeptur definieren", with its box of figures and its picture file filter.
inline constexpr char kWindowTitle[] = "Rezeptur definieren";
inline constexpr char kDish[] = "Rezeptur für ein &Gericht aus der Speisekarte (z.B. Wiener Schnitzel)";
inline constexpr char kAsIngredient[] = "&Zutatenrezeptur für andere Gerichte (z.B. hausgemachte Spätzle)";
inline constexpr char kName[] = "&Name :";
inline constexpr char kPortions[] = "&Portionen :";
inline constexpr char kRemark[] = "Be&merkung :";
inline constexpr char kAddLine[] = "&Hinzufügen";
inline constexpr char kChangeLine[] = "Än&dern";
inline constexpr char kDeleteLine[] = "&Löschen";
inline constexpr char kMoveUpTip[] = "Zutat nach oben schieben (Strg+Pfeil oben)";
inline constexpr char kMoveDownTip[] = "Zutat nach unten schieben (Strg+Pfeil unten)";
inline constexpr char kOpenPicture[] = "Ö&ffnen ...";
inline constexpr char kDeletePicture[] = "Lö&schen";
inline constexpr char kQuantityBox[] = "Mengenkalkulation";
inline constexpr char kCalculate[] = "Bere&chnen";
inline constexpr char kQuantityPortions[] = "&Anzahl der Portionen :";
inline constexpr char kPrintBox[] = "Drucken";
inline constexpr char kPrintCalculation[] = "&Kalkulation";
inline constexpr char kPrintSheet[] = "&Rezeptblatt";
inline constexpr char kPriceBuy[] = "Einkaufspreis :";
inline constexpr char kPriceSellCalculatedNoTax[] = "kalkulierter Verkaufspreis netto :";
inline constexpr char kPriceSellCalculatedTax[] = "kalkulierter Verkaufspreis brutto :";
inline constexpr char kPriceSell[] = "&tatsächlicher Verkaufspreis brutto :";
inline constexpr char kPriceSellNoTax[] = "tatsächlicher Verkaufspreis netto :";
inline constexpr char kPriceSellCurrency2[] = "Verkaufspreis brutto Währung 2 :";
inline constexpr char kContributionMargin[] = "Deckungsbeitrag :";
inline constexpr char kCostRatio[] = "Wareneinsatz-Quote :";
inline constexpr char kPictureFilter[] =
    "Alle Bilddateien|*.jpg;*.jpeg;*.gif;*.bmp;*.png|JPG Dateien (*.jpg;*.jpeg)|*.jpg;*jpeg|GIF Dateien "
    "(*.gif)|*.gif|BMP Dateien (*.bmp)|*.bmp|PNG Dateien (*.png)|*.png|Alle Dateien (*.*)|*.*||";
inline constexpr const char* kAll[] = {kWindowTitle,
                                       kDish,
                                       kAsIngredient,
                                       kName,
                                       kPortions,
                                       kRemark,
                                       kAddLine,
                                       kChangeLine,
                                       kDeleteLine,
                                       kMoveUpTip,
                                       kMoveDownTip,
                                       kOpenPicture,
                                       kDeletePicture,
                                       kQuantityBox,
                                       kCalculate,
                                       kQuantityPortions,
                                       kPrintBox,
                                       kPrintCalculation,
                                       kPrintSheet,
                                       kPriceBuy,
                                       kPriceSellCalculatedNoTax,
                                       kPriceSellCalculatedTax,
                                       kPriceSell,
                                       kPriceSellNoTax,
                                       kPriceSellCurrency2,
                                       kContributionMargin,
                                       kCostRatio,
                                       kPictureFilter};
} // namespace DialogText::Recipe

namespace DialogText::RecipeIngredient {
// The dialog "Zutat auswählen" for a line of a recipe.
inline constexpr char kWindowTitle[] = "Zutat auswählen";
inline constexpr char kGroups[] = "&Warengruppen";
inline constexpr char kIngredient[] = "&Zutat :";
inline constexpr char kAmount[] = "&Menge :";
inline constexpr char kWeightLoss[] = "&Gewichtsverlust :";
inline constexpr char kPurchasePrice[] = "&Einkaufspreis :";
inline constexpr char kPurchaseAmount[] = "Einkaufsme&nge :";
inline constexpr const char* kAll[] = {kWindowTitle, kGroups,        kIngredient,    kAmount,
                                       kWeightLoss,  kPurchasePrice, kPurchaseAmount};
} // namespace DialogText::RecipeIngredient

namespace DialogText::QuantityCalculation {
// The dialog "Mengenkalkulation". In the title, "xyz" stands for the portions and "zzz" for
// the recipe's name.
inline constexpr char kWindowTitle[] = "Mengenkalkulation";
inline constexpr char kTitleTemplate[] = "Mengenkalkulation für xyz Portionen \"zzz\"";
inline constexpr char kPrintCalculation[] = "&Kalkulation";
inline constexpr char kPrintSheet[] = "&Rezeptblatt";
inline constexpr const char* kAll[] = {kWindowTitle, kTitleTemplate, kPrintCalculation, kPrintSheet};
} // namespace DialogText::QuantityCalculation

namespace DialogText::SalesPage {
// The "Abverkäufe" tab.
inline constexpr char kTitle[] = "Abverkäufe lt. Kassenjournal (Erfassung z.B. monatlich)";
inline constexpr char kSubtitle[] = "Sobald Sie mindestens einen Abverkauf erfasst haben, können Sie "
                                    "im nächsten Schritt Ihre betriebswirtschaftlichen Kennzahlen auswerten";
inline constexpr char kDate[] = "&Datum des Abverkaufs";
inline constexpr char kToday[] = "aktuelles Datum";
inline constexpr char kAdd[] = "&Hinzufügen";
inline constexpr char kSalesList[] = "&Verkaufsliste";
inline constexpr char kBookingHint[] = "(Klicken Sie auf ein Gericht aus der Liste, geben Sie die verkaufte "
                                       "Menge ein und drücken Sie \"Hinzufügen\") ";
inline constexpr char kPortions[] = "verkaufte &Portionen :";
inline constexpr const char* kAll[] = {kTitle, kSubtitle,  kDate,        kToday,
                                       kAdd,   kSalesList, kBookingHint, kPortions};
} // namespace DialogText::SalesPage

namespace DialogText::SalesList {
// The dialog of the booked sales; its title is the prefix and a dish's name (or "alle Verkäufe").
inline constexpr char kTitlePrefix[] = "Verkaufsliste : ";
inline constexpr char kDelete[] = "&Löschen";
inline constexpr const char* kAll[] = {kTitlePrefix, kDelete};
} // namespace DialogText::SalesList

namespace DialogText::EvaluationPage {
// The "Auswertungen" tab and the filters of its save dialogs.
inline constexpr char kTitle[] = "Hier können Sie Ihre wichtigsten Kennzahlen abfragen und auswerten";
inline constexpr char kSaveChart[] = "Diagramm s&peichern …";
inline constexpr char kExportTable[] = "Tabelle e&xportieren …";
inline constexpr char kDisplayKind[] = "&Anzeigeart";
inline constexpr char kSeries[] = "&Datenreihen";
inline constexpr char kStart[] = "&Start :";
inline constexpr char kEnd[] = "&Ende :";
inline constexpr char kPerMonth[] = "&Monatswerte";
inline constexpr char kCumulative[] = "&Gesamt (kumuliert)";
inline constexpr char kOriginal[] =
    "&Originaldaten (Ist-Darstellung: verwendet die beim jeweiligen Abverkauf gültigen Werte)";
inline constexpr char kSimulation[] =
    "a&ktuelle Daten (Simulation: wendet die derzeit eingestellten Werte auf alle Abverkäufe an)";
inline constexpr char kChartFilter[] = "PNG-Bild (*.png)|*.png||";
inline constexpr char kTableFilter[] = "CSV-Datei, durch Semikolon getrennt (*.csv)|*.csv||";
inline constexpr const char* kAll[] = {kTitle,      kSaveChart,   kExportTable, kDisplayKind, kSeries,
                                       kStart,      kEnd,         kPerMonth,    kCumulative,  kOriginal,
                                       kSimulation, kChartFilter, kTableFilter};
} // namespace DialogText::EvaluationPage

namespace DialogText::DisplayKindMenu {
// The menu of the evaluation page's "Anzeigeart" button.
inline constexpr char kChart[] = "&Grafik";
inline constexpr char kTable[] = "&Tabelle";
inline constexpr const char* kAll[] = {kChart, kTable};
} // namespace DialogText::DisplayKindMenu

namespace DialogText::Stock {
// The dialog "Bestandsdaten" of the inventory.
inline constexpr char kWindowTitle[] = "Bestandsdaten";
inline constexpr char kName[] = "Name";
inline constexpr char kPricePerUnit[] = "Preis / Einh.";
inline constexpr char kStock[] = "&Bestand";
inline constexpr char kValue[] = "Wert";
inline constexpr char kTotal[] = "Gesamtwert :";
inline constexpr const char* kAll[] = {kWindowTitle, kName, kPricePerUnit, kStock, kValue, kTotal};
} // namespace DialogText::Stock

namespace DialogText::MenuBar {
// The menus of the main window's menu bar.
inline constexpr char kFile[] = "&Datei";
inline constexpr char kInventory[] = "&Inventur";
inline constexpr char kExtras[] = "&Extras";
inline constexpr char kHelp[] = "&?";
inline constexpr const char* kAll[] = {kFile, kInventory, kExtras, kHelp};
} // namespace DialogText::MenuBar

namespace DialogText::FileMenu {
inline constexpr char kOpen[] = "Ö&ffnen ...";
inline constexpr char kSave[] = "&Speichern";
inline constexpr char kSaveAs[] = "Speichern &unter ...";
inline constexpr char kPrint[] = "&Drucken ...";
inline constexpr char kExit[] = "&Beenden";
inline constexpr const char* kAll[] = {kOpen, kSave, kSaveAs, kPrint, kExit};
} // namespace DialogText::FileMenu

namespace DialogText::InventoryMenu {
inline constexpr char kEmptyList[] = "&leere Inventurliste drucken ...";
inline constexpr char kStockEntry[] = "Inventurbestände &eintragen ...";
inline constexpr char kList[] = "&Inventurliste drucken ...";
inline constexpr const char* kAll[] = {kEmptyList, kStockEntry, kList};
} // namespace DialogText::InventoryMenu

namespace DialogText::ExtrasMenu {
inline constexpr char kLanguage[] = "&Sprache";
inline constexpr char kImport[] = "Daten &importieren";
inline constexpr char kRegisterImport[] = "&Kassendaten importieren …";
inline constexpr char kRegisterUndo[] = "Import &rückgängig machen";
inline constexpr const char* kAll[] = {kLanguage, kImport, kRegisterImport, kRegisterUndo};
} // namespace DialogText::ExtrasMenu

namespace DialogText::LanguageMenu {
inline constexpr char kGerman[] = "&Deutsch";
inline constexpr char kEnglish[] = "&Englisch";
inline constexpr char kRomanian[] = "&Rumänisch";
inline constexpr const char* kAll[] = {kGerman, kEnglish, kRomanian};
} // namespace DialogText::LanguageMenu

namespace DialogText::HelpMenu {
inline constexpr char kHelp[] = "&Hilfe aufrufen";
inline constexpr char kAbout[] = "Ü&ber Kostenkoch ...";
inline constexpr const char* kAll[] = {kHelp, kAbout};
} // namespace DialogText::HelpMenu

namespace DialogText::About {
// The dialog "Info über Kostenkoch".
inline constexpr char kWindowTitle[] = "Info über Kostenkoch";
inline constexpr char kHomepage[] = "Homepage : ";
inline constexpr char kMail[] = "EMail : ";
inline constexpr char kDataPath[] = "Pfad der Datendatei :";
inline constexpr const char* kAll[] = {kWindowTitle, kHomepage, kMail, kDataPath};
} // namespace DialogText::About

namespace DialogText::StartPicture {
// The line under the program's name in the picture of the empty window.
inline constexpr char kSubtitle[] = "Kalkulation für Küche und Bar";
inline constexpr const char* kAll[] = {kSubtitle};
} // namespace DialogText::StartPicture

namespace DialogText::RegisterMapping {
// The items of a cash register import and the dish each is booked as.
inline constexpr char kTitle[] = "Kassenartikel den Gerichten zuordnen";
inline constexpr char kItems[] = "&Artikel der Kasse :";
inline constexpr char kKeyHeader[] = "Artikel";
inline constexpr char kTextHeader[] = "Bezeichnung";
inline constexpr char kRevenueHeader[] = "Umsatz brutto";
inline constexpr char kPortionsHeader[] = "Menge";
inline constexpr char kProposalHeader[] = "Vorschlag";
inline constexpr char kSurenessHeader[] = "Sicherheit";
inline constexpr char kChoiceHeader[] = "Buchen als";
inline constexpr char kDish[] = "&Gericht :";
inline constexpr char kAssign[] = "Gericht &zuordnen";
inline constexpr char kConfirm[] = "&Vorschlag übernehmen";
inline constexpr char kConfirmSure[] = "&Sichere Vorschläge übernehmen";
inline constexpr char kNoDish[] = "&kein Gericht – nicht buchen";
inline constexpr char kReopen[] = "&offen lassen";
inline constexpr char kOpenChoice[] = "offen";
inline constexpr char kNoDishChoice[] = "kein Gericht – nicht buchen";
inline constexpr char kOpenCount[] = "Offene Artikel werden nicht gebucht. Offen: ";
inline constexpr const char* kAll[] = {
    kTitle,          kItems,          kKeyHeader,    kTextHeader, kRevenueHeader, kPortionsHeader,
    kProposalHeader, kSurenessHeader, kChoiceHeader, kDish,       kAssign,        kConfirm,
    kConfirmSure,    kNoDish,         kReopen,       kOpenChoice, kNoDishChoice,  kOpenCount};
} // namespace DialogText::RegisterMapping

namespace DialogText::ImportSummary {
// What a cash register import books, shown before it is booked.
inline constexpr char kTitle[] = "Kassendaten importieren – Zusammenfassung";
inline constexpr char kList[] = "&Posten :";
inline constexpr char kKindHeader[] = "Art";
inline constexpr char kNameHeader[] = "Name";
inline constexpr char kLinesHeader[] = "Zeilen";
inline constexpr char kPortionsHeader[] = "Menge";
inline constexpr char kRevenueHeader[] = "Umsatz brutto";
inline constexpr char kDishKind[] = "Gericht";
inline constexpr char kOpenKind[] = "nicht zugeordnet";
inline constexpr char kNoDishKind[] = "kein Gericht";
inline constexpr char kSkippedKind[] = "ausgelassen";
inline constexpr char kBeforeKind[] = "schon importiert";
inline constexpr char kVoidedLine[] = "stornierte Zeile";
inline constexpr char kVoidedReceipt[] = "stornierter Beleg";
inline constexpr char kTrainingReceipt[] = "Trainingsbeleg";
inline constexpr char kOtherReceipt[] = "anderer Beleg";
inline constexpr char kDeposit[] = "Pfand";
inline constexpr char kDiscount[] = "Rabatt oder Zuschlag";
inline constexpr char kVoucher[] = "Gutschein";
inline constexpr char kTip[] = "Trinkgeld";
inline constexpr char kOtherLine[] = "andere Zeile";
inline constexpr char kSource[] = "Quelle: ";
inline constexpr char kPeriod[] = "Zeitraum: ";
inline constexpr char kReceipts[] = "Belege: ";
inline constexpr char kLines[] = "Zeilen gelesen / gebucht: ";
inline constexpr char kRevenue[] = "Umsatz brutto / netto: ";
inline constexpr char kCost[] = "Wareneinsatz: ";
inline constexpr char kCostNote[] =
    " (Kosten der Gerichte beim Import; frühere Preise kennt der Katalog nicht)";
inline constexpr char kVat[] = "Zeilen mit anderem MwSt.-Satz als die Gruppe des Gerichts: ";
inline constexpr char kVatNote[] = " (netto aus dem Satz der Gruppe)";
inline constexpr char kOpenWarning[] =
    "Nicht zugeordnete Artikel werden nicht gebucht; ihre Abschlüsse gelten danach als importiert.";
inline constexpr char kBook[] = "&Buchen";
inline constexpr const char* kAll[] = {
    kTitle,          kList,          kKindHeader, kNameHeader,    kLinesHeader,
    kPortionsHeader, kRevenueHeader, kDishKind,   kOpenKind,      kNoDishKind,
    kSkippedKind,    kBeforeKind,    kVoidedLine, kVoidedReceipt, kTrainingReceipt,
    kOtherReceipt,   kDeposit,       kDiscount,   kVoucher,       kTip,
    kOtherLine,      kSource,        kPeriod,     kReceipts,      kLines,
    kRevenue,        kCost,          kCostNote,   kVat,           kVatNote,
    kOpenWarning,    kBook};
} // namespace DialogText::ImportSummary
namespace DialogText::CsvColumns {
// The dialog in which the user assigns the columns of a sales journal (CSV) and sees its first
// rows as they will be read.
inline constexpr char kWindowTitle[] = "Spalten des Verkaufsjournals";
inline constexpr char kIntro[] =
    "Ordnen Sie die Spalten der Datei zu. Die Vorschau zeigt die ersten Zeilen so, "
    "wie sie gelesen werden.";
inline constexpr char kDate[] = "&Datum (oder Datum und Uhrzeit) :";
inline constexpr char kTime[] = "&Uhrzeit :";
inline constexpr char kItemText[] = "&Artikel :";
inline constexpr char kItemNumber[] = "Artikel&nummer :";
inline constexpr char kQuantity[] = "&Menge :";
inline constexpr char kPrice[] = "&Preis (brutto je Stück) :";
inline constexpr char kGroup[] = "&Warengruppe :";
inline constexpr char kHeading[] = "Erste Zeile enthält &Überschriften";
inline constexpr char kPreview[] = "&Vorschau :";
inline constexpr char kNone[] = "(keine)";
inline constexpr char kLineHeader[] = "Zeile";
inline constexpr char kDateHeader[] = "Datum";
inline constexpr char kItemHeader[] = "Artikel";
inline constexpr char kQuantityHeader[] = "Menge";
inline constexpr char kGrossHeader[] = "Umsatz";
inline constexpr char kGroupHeader[] = "Warengruppe";
inline constexpr char kNoteHeader[] = "Hinweis";
inline constexpr char kMissing[] =
    "Ordnen Sie Datum, Artikel (oder Artikelnummer) und Menge je einer Spalte zu.";
inline constexpr char kAllReadable[] = "Alle gezeigten Zeilen sind lesbar.";
inline constexpr char kSomeUnreadable[] =
    "Zeilen, die nicht lesbar sind, sind in der Spalte „Hinweis“ erklärt.";
inline constexpr const char* kAll[] = {
    kWindowTitle, kIntro,      kDate,        kTime,           kItemText,    kItemNumber,
    kQuantity,    kPrice,      kGroup,       kHeading,        kPreview,     kNone,
    kLineHeader,  kDateHeader, kItemHeader,  kQuantityHeader, kGrossHeader, kGroupHeader,
    kNoteHeader,  kMissing,    kAllReadable, kSomeUnreadable};
} // namespace DialogText::CsvColumns
