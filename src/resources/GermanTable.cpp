// The German table (1031): every text of the program and the framework texts it shows.
// Texts are kept character for character as the program shows them: double blanks, trailing
// blanks and spelling included.

#include "resources/LanguageTables.h"

namespace {

constexpr CStringEntry kGerman[] = {
    // Window, system menu and tabs
    {101, "Inf&o über Kostenkoch..."},
    {102, "Kostenkoch"},
    {103, "Stammdaten"},
    {104, "Einkauf und Zutaten"},
    {105, "Rezepturen"},
    {106, "Abverkäufe"},
    {107, "Auswertungen"},

    // Sections of the master data and the group selectors
    {108, "Benutzer"},
    {109, "Steuersätze Speisen"},
    {110, "WE-Quoten Speisen"},
    {111, "Speisen-Gruppen"},
    {112, "Alle"},
    {113, "Alle Speisen"},
    {114, "Alle Getränke"},
    {115, "Getränke-Gruppen"},
    {132, "Steuersätze Getränke"},
    {133, "WE-Quoten Getränke"},
    {183, "Währungen"},
    {184, "1 UNIT = "},

    // Refusals and questions
    {116, "Rezepturen könne nicht zu allgemeinen Gruppen ( \"Alle\", \"Alle Speisen\" und \"Alle Getränke\") "
          "hinzugefügt werden. "},
    {118, "Diese Zutat kann nicht gelöscht werden, da sie noch in einer oder mehreren Rezeptur(en) verwendet "
          "wird."},
    {120, "Eine oder mehrere Gruppen können nicht gelöscht werden, da sich noch Speisen oder Getränke in Ihr "
          "befinden."},
    {122, "Diese Rezeptur kann nicht gelöscht werden, da sie noch in einer oder mehreren Rezeptur(en) als "
          "Zutat verwendet wird."},
    {128, "Dieser Lieferant kann nicht gelöscht werden, da er aktuell verwendet wird. Geben Sie einen "
          "weiteren Lieferanten ein oder verändern Sie die Daten dieses Lieferanten."},
    {134, "Sie haben die maximale Anzahl an Datenreihen erreicht. Bitte deaktivieren Sie eine oder mehrere "
          "Dateneihen, bevor Sie diese Datenreihe aktivieren."},
    {147, "Sie müssen mindestens eine Datenreihe anzeigen. Bevor Sie diese Datenreihe deaktivieren müssen "
          "Sie erst eine andere Datenreihe aktivieren."},
    {160, "Um an allen Stellen des Programms die Sprache entsprechend  anzeigen zu können, starten Sie das "
          "Programm bitte neu."},
    {186, "Wollen Sie die Zutat 'xyz' wirklich löschen? (Kann nicht rückgängig gemacht werden)"},
    {187, "Wollen Sie das Rezept 'xyz' wirklich löschen? (Kann nicht rückgängig gemacht werden)"},
    {188, "Wollen Sie den Abverkauf 'xyz' wirklich löschen? (Kann nicht rückgängig gemacht werden)"},
    {189, "Wollen Sie den Lieferanten 'xyz' wirklich löschen? (Kann nicht rückgängig gemacht werden)"},
    {198, "Bitte geben Sie einen Namen und eine Einheit an, um eine korrekte Zutat zu erhalten."},
    {200, "Die Tabelle kann nicht gedruckt werden, weil zu viele Spalten aktiv sind. Bitte verstecken einige "
          "Spalten und versuchen Sie es nochmal."},
    {201, "Bitte geben Sie einen Namen für das Rezept ein."},
    {203, "Bitte wählen Sie eine Zutat aus und geben Sie eine Menge größer als Null an."},
    {252, "Bitte geben Sie eine Anzahl der Portionen größer als Null an."},
    {225, "Die Bilddatei kann nicht geladen werden. Bitte prüfen Sie das Bildformat und die Datei."},
    {226, "Die Bilddatei existiert bereits im Datenverzeichnis und wird von einem anderen Rezept benutzt. "
          "Bitte benennen Sie die Datei anders."},

    // Data location, loading, saving and memory
    {204, "Es kann kein Verzeichnis gefunden werden, in dem die Daten abgespeichert werden können. Bitte "
          "wählen Sie in dem nächsten Dialog das Verzeichnis, in dem die Daten abgespeichert werden können."},
    {205, "Die angegebene Datei kann nicht gespeichert werden. Eventuell haben Sie keine Zugriffsrechte auf "
          "das angegebene Verzeichnis. Bitte fragen Sie diesbezüglich Ihren Systemadministrator. Wollen Sie "
          "ein anderes Verzeichnis auswählen?"},
    {206, "Initialisiere Rezepte"},
    {207, "Initialisiere Zutaten"},
    {208, "Zuweisen der Zutaten zu den Rezepturen"},
    {209, "Es kann kein Speicher für die Datenelemente reserviert werden. Bitte beenden Sie einige "
          "Anwendungen."},
    {210, "Initialisiere Verkäufe"},
    {185, "Sie haben Daten importiert. Wollen Sie zukünftig mit diesen Daten weiterarbeiten? Achtung: Ihre "
          "bisherigen Daten gehen dabei verloren!"},
    {213, "Die neue Sicherungskopie KostenkochData_Backup.xml ist kleiner als die alte Sicherungskopie.\n\n"
          "Dies ist normal, falls Sie Rezepturen oder Zutaten gelöscht haben. Falls es aber zu einem "
          "Datenverlust von Zutaten und Rezepturen gekommen ist, können Sie den letzten erfolgreich "
          "gesicherten Stand rekonstruieren. Eine Schritt-für-Schritt-Anleitung dazu finden Sie in der "
          "Programmhilfe (KostenkochHelp.html im Programmverzeichnis)."},
    {216, "Die angegebene Datei kann nicht gespeichert werden. Eventuell haben Sie keine Schreibrechte auf "
          "dieses Verzeichnis oder es liegt ein Laufwerks- oder ein Netzwerkproblem vor. Bitte kontaktieren "
          "Sie diesbezüglich Ihren Systemadministrator. Wollen Sie das Programm trotzdem beenden? "
          "(Änderungen gehen dabei verloren!)"},
    {228, "Die Datei kann nicht geladen werden. Bitte prüfen Sie, ob es sich tatsächlich um eine "
          "Datendatei für Kostenkoch handelt und ob Sie die entsprechenden Zugriffsrechte haben."},
    {229, "Die Datei kann nicht gespeichert werden. Bitte prüfen Sie, ob Sie die entsprechenden "
          "Zugriffsrechte haben."},
    {231, "Wenn Sie eine andere Datei öffnen, ohne den letzten Stand der aktuellen Sitzung zu speichern, "
          "gehen Ihre soeben eingegebenen Daten verloren! Wollen Sie den aktuellen Stand speichern, bevor "
          "Sie eine andere Datei öffnen?"},

    // Keeping the data file safe: start-up, recovery, one program per data file
    {233, "Die Datendatei\n\n%1\n\nist bereits in einem anderen Kostenkoch-Fenster geöffnet. Damit dort "
          "keine Änderungen verloren gehen, wird dieses Programm jetzt beendet, ohne etwas zu speichern. "
          "Bitte arbeiten Sie in dem bereits geöffneten Fenster weiter."},
    {234, "Die Datei\n\n%1\n\nist bereits in einem anderen Kostenkoch-Fenster geöffnet. Bitte schließen "
          "Sie sie dort zuerst."},
    {235, "Die Datendatei\n\n%1\n\nkann nicht gelesen werden. Damit ihr Inhalt nicht verloren geht, wurde "
          "sie unverändert umbenannt in:\n\n%2\n\nDiese Datei wird von Kostenkoch nie gelöscht oder "
          "überschrieben."},
    {236, "\n\nDie Sicherungskopie %1 vom %2 enthält vermutlich den letzten gültigen Stand Ihrer Daten."},
    {237, "\n\nEine lesbare Sicherungskopie gibt es nicht."},
    {238, "Die Datendatei\n\n%1\n\nfehlt. Es gibt aber eine vollständige Kopie Ihrer Daten: %2 vom "
          "%3:\n\n%4\n\nSoll Kostenkoch diese Kopie als Datendatei wiederherstellen? Bei „Nein“ beginnt "
          "Kostenkoch mit leeren Daten; die Kopie bleibt erhalten."},
    {239, "die Sicherungskopie"},
    {240, "die Datei einer unterbrochenen Speicherung"},
    {241,
     "Die Datendatei\n\n%1\n\nist vorhanden, kann aber nicht geöffnet werden (%2). Damit sie nicht "
     "durch leere Daten ersetzt wird, wird Kostenkoch jetzt beendet. Bitte prüfen Sie die Zugriffsrechte "
     "der Datei."},
    {242, "Unter dem Namen der Datendatei\n\n%1\n\nliegt keine gewöhnliche Datei, sondern zum Beispiel ein "
          "Verzeichnis. Kostenkoch kann sie nicht verwenden und wird jetzt beendet."},
    {243, "Die Datendatei\n\n%1\n\nkann weder gelesen noch umbenannt werden (%2). Damit sie nicht "
          "überschrieben wird, wird Kostenkoch jetzt beendet."},
    {244, "Im Verzeichnis\n\n%1\n\nliegen Ihre Daten, aber das Verzeichnis kann nicht beschrieben werden "
          "(%2). Kostenkoch öffnet diese Daten; Änderungen können dort aber nicht gespeichert werden. Bitte "
          "speichern Sie mit „Speichern unter ...“ an einem anderen Ort oder sorgen Sie dafür, dass das "
          "Verzeichnis wieder beschreibbar ist."},
    {245, "keine Zugriffsrechte"},
    {246, "schreibgeschütztes Laufwerk"},
    {247, "Datenträger voll"},
    {248, "Fehler %1"},

    // Print preview and PDF files
    {270, "Die PDF-Datei kann nicht geschrieben werden. Bitte wählen Sie einen anderen Ort oder Namen."},
    {271, "Druckvorschau"},
    {272, "Als &PDF speichern ..."},
    {273, "PDF-Dateien (*.pdf)|*.pdf||"},
    {274, "Der Druck kann nicht begonnen werden. Bitte prüfen Sie den Drucker."},
    {275, "Die Datei\n\n%1\n\nkann nicht geschrieben werden. Bitte wählen Sie einen anderen Ort oder prüfen "
          "Sie die Zugriffsrechte."},

    // List headings, units and labels
    {119, "alle Verkäufe"},
    {121, "Portionen"},
    {123, "Name"},
    {124, "Gruppe"},
    {125, "Preis"},
    {126, "Menge"},
    {127, "Einheit"},
    {129, "Preis/Einh."},
    {149, "Datum"},
    {150, "Tagesumsatz"},
    {151, "Tagesmenge"},
    {152, "Monatsumsatz"},
    {153, "Monatsmenge"},
    {154, "Jahresumsatz"},
    {155, "Jahresmenge"},
    {159, "Lieferant"},
    {161, "Gesamtpreis"},
    {162, "EK"},
    {163, "kalk. VK brutto"},
    {164, "kalk. VK netto"},
    {165, "tats. VK brutto"},
    {166, "tats. VK netto"},
    {167, "DB"},
    {168, "WE-Quote (%)"},
    {172, "Prozent"},
    {202, "Rezepturzutat"},
    {217, "Tages-DB"},
    {218, "Tages-WE-Quote"},
    {219, "Monats-DB"},
    {220, "Monats-WE-Quote"},
    {221, "Jahres-DB"},
    {222, "Jahres-WE-Quote"},
    {223, "Nr."},

    // Month labels of the evaluation, January to December
    {135, "Jan."},
    {136, "Feb."},
    {137, "März"},
    {138, "April"},
    {139, "Mai"},
    {140, "Juni"},
    {141, "Juli"},
    {142, "Aug."},
    {143, "Sep."},
    {144, "Okt."},
    {145, "Nov."},
    {146, "Dez."},

    // Measures of the evaluation and the month axis
    {156, "Wareneinsatzquote"},
    {157, "Monat"},
    {158, "Deckungsbeitrag"},
    {169, "Umsatz netto"},
    {170, "Umsatz brutto"},
    {171, "Wareneinsatz"},

    // Printouts: titles, page footer and the lines of the recipe and calculation sheets
    {130, "Seite PS von PE"},
    {131, "Gesamtsumme"},
    {177, "Rezeptur"},
    {178, "Zutaten für xyz Portionen : "},
    {179, "Rezepturliste"},
    {180, "Verkaufsliste"},
    {181, "Auswertungstabelle"},
    {182, "Inventurliste"},
    {190, "Einkaufspreis pro Portion : "},
    {191, "Deckungsbeitrag : "},
    {192, "Wareneinsatzquote : "},
    {193, "kalkulierter Verkaufspreis brutto : "},
    {194, "kalkulierter Verkaufspreis netto : "},
    {195, "tatsächlicher Verkaufspreis brutto : "},
    {196, "tatsächlicher Verkaufspreis netto : "},
    {197, "tatsächlicher Verkaufspreis brutto (Währung 2) : "},
    {199, "Zutatenliste"},
    {224, "Einkaufspreis für xyz Portionen : "},
    {227, "Verkaufspreis brutto : "},
    {230, "Sonstige Zutaten"},

    // Names that screen readers give to buttons showing an icon only
    {276, "Zeile nach oben"},
    {277, "Zeile nach unten"},

    // The costing health check
    {350, "Fehler"},
    {351, "Warnung"},
    {352, "Hinweis"},
    {353, "Zutat"},
    {354, "Schwere"},
    {355, "Art"},
    {356, "Befund"},
    {357, "Abhilfe"},
    {358, "Kalkulationsprüfung"},
    {359, "Keine Befunde: Die Kalkulation ist vollständig und stimmig."},
    {360, "Preis %1 unter kalk. %2: WE-Quote %3 % statt %5 % (+%4 Punkte)."},
    {361, "Verkaufspreis auf %2 anheben oder Wareneinsatz senken."},
    {362, "Kein Verkaufspreis: Deckungsbeitrag und WE-Quote fehlen."},
    {363, "Verkaufspreis eintragen; kalkuliert sind %1."},
    {364, "0 Portionen: Preise pro Portion und WE-Quote gelten als 0."},
    {365, "Die Portionen eintragen, die die Rezeptur ergibt."},
    {366, "Keine Zutaten: Der Einkaufspreis ist 0."},
    {367, "Zutaten oder Unterrezepturen hinzufügen."},
    {368, "Keine Gruppe: Steuersatz und WE-Quote gelten als 0."},
    {369, "Die Rezeptur in einer Gruppe neu anlegen."},
    {370, "Gruppe %1 ohne Namen."},
    {371, "Gruppe %1 ohne Steuersatz: Netto gleich brutto."},
    {372, "Gruppe %1 ohne WE-Quote: Kalkuliert gleich Einkaufspreis."},
    {373, "In den Stammdaten für die Gruppe nachtragen."},
    {374, "Kein Lieferant in Gebrauch: Zeilen kosten 0, Bestand zählt 1,00."},
    {375, "Lieferanten mit Preis und Menge eintragen und verwenden."},
    {376, "Lieferant „%1“ mit Menge 0: Zeilen rechnen %2 je Einheit, Bestand zählt 1,00."},
    {377, "Die Menge eintragen, für die der Preis gilt."},
    {378, "Lieferant „%1“ mit Preis 0: Zeilen kosten 0."},
    {379, "Den Einkaufspreis eintragen."},
    {380, "Zeile %1 (%2): Verlust %3 % zählt als 99 %, also hundertfache Menge."},
    {381, "Den Gewichtsverlust unter 100 % eintragen."},
    {382, "Zeile %1 (%2): negative Menge %3."},
    {383, "Lieferant „%1“ mit Menge %2: Zeilen rechnen %3 je Einheit, Bestand zählt 1,00."},
    {384, "Lieferant „%1“ mit negativem Preis %2."},
    {385, "Negativer Verkaufspreis %1."},
    {386, "Negative Portionen %1."},
    {387, "Den richtigen, nicht negativen Wert eintragen."},
    {388, "Keine Rezeptur verwendet diese Zutat."},
    {389, "In einer Rezeptur verwenden oder löschen."},
    {390, "Zeile %1: Unterrezeptur „%2“ beim Lesen abgetrennt (Kreis); kostet 0."},
    {391, "Zeile %1: Unterrezeptur „%2“ beim Lesen abgetrennt (zu tief verschachtelt); kostet 0."},
    {392, "Zeile löschen, Rezepturen ohne Kreis neu verbinden."},
    {393, "Zeile %1 verweist auf nichts und kostet 0."},
    {394, "Die Zeile löschen oder neu anlegen."},
    {395, "Der Name „%1“ kommt in dieser Liste mehrfach vor."},
    {396, "Einen eindeutigen Namen vergeben."},
    {397, "Seit dem %1 nicht verkauft."},
    {398, "Von der Karte nehmen oder Preis und Angebot prüfen."},
    {399, "Negativer Bestand %1 %2."},

    // Framework texts
    {61713, "Geben Sie eine Zahl ein."},

    // The cash register import
    {500, "Kassenexport oder Journal (*.zip;*.csv;*.txt;index.xml)|*.zip;*.csv;*.txt;index.xml|Alle Dateien "
          "(*.*)|*.*||"},
    {501, "Die Kassendaten können nicht gelesen werden. Es wurde nichts gebucht."},
    {502, "Der Import konnte nicht gebucht werden (zu wenig Speicher). Es wurde nichts geändert."},
    // The menu analysis
    {300, "Menüanalyse"},
    {301, "Star"},
    {302, "Zugpferd"},
    {303, "Rätsel"},
    {304, "Ladenhüter"},
    {305, "Halten und hervorheben"},
    {306, "Preis behutsam anheben oder Kosten senken"},
    {307, "Bewerben oder neu platzieren"},
    {308, "Überarbeiten oder streichen"},
    {309, "Im gewählten Zeitraum wurde aus dieser Auswahl nichts verkauft."},
    {310, "Anteil an den verkauften Portionen (%)"},
    {312, "Portionen"},
    {313, "Anteil (%)"},
    {314, "VK netto je Portion"},
    {315, "EK je Portion"},
    {316, "DB je Portion"},
    {317, "DB gesamt"},
    {318, "Klasse"},
    {319, "Empfehlung"},
    {320, "Beliebtheitsschwelle"},
    {321, "Ø DB"},
    {322, "Diese Auswahl enthält kein Gericht."},
    // The price impact of an ingredient and the price simulation
    {400, "Rezeptur"},
    {401, "Gruppe"},
    {402, "VK brutto"},
    {403, "EK alt"},
    {404, "EK neu"},
    {405, "WE-Quote alt"},
    {406, "WE-Quote neu"},
    {407, "DB alt"},
    {408, "DB neu"},
    {409, "DB-Verlust"},
    {410, "VK Soll-Quote"},
    {411, "neuer VK"},
    {412, "Auswirkung der Preisänderung"},
    {413, "Preissimulation"},
    {414, "Keine Rezeptur verwendet diese Zutat."},
    {415, "Wählen Sie mindestens eine Zutat mit Lieferant aus."},
    {416, "Wählen Sie in der Liste die Rezepturen aus, deren Verkaufspreis übernommen werden soll."},
    {417, "Die Verkaufspreise von xyz Rezepturen wurden zurückgesetzt."},
    {418, "Geänderte Zutaten : xyz, betroffene Rezepturen : "},
    {419, "Preis alt"},
    {420, "Preis neu"},
};

} // namespace

std::span<const CStringEntry> GermanEntries()
{
    return kGerman;
}
