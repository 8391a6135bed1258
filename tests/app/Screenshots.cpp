// Takes the README's screenshots: the main window on each tab, with a small sample catalogue of
// a country inn, headless (offscreen) and on a fixed date so the pictures repeat exactly.
//
//     kk_screenshots OUTPUT_DIRECTORY [SAMPLE_FILE]
//
// Besides one picture per tab it takes each master data section, every dialog and the
// evaluation over two years of sales as chart and table, the stock dialog, and writes the sample catalogue
// (without those two years) as a data file when SAMPLE_FILE is given.

#include "MemoryProfileStore.h"
#include "SalesBuilder.h"
#include "WindowTestBed.h"
#include "app/SectionBar.h"
#include "controls/FlatButton.h"
#include "controls/ListCtrlEx.h"
#include "pages/common/PageHost.h"
#include "pages/costing/DialogCostCheck.h"
#include "pages/costing/DialogPriceSimulation.h"
#include "pages/evaluation/EvaluationPage.h"
#include "pages/ingredients/DialogIngredient.h"
#include "pages/ingredients/DialogIngredientSupplier.h"
#include "pages/ingredients/DialogPriceImpact.h"
#include "pages/recipes/DialogQuantityCalculation.h"
#include "pages/recipes/DialogRecipe.h"
#include "pages/recipes/DialogRecipeIngredient.h"
#include "pages/sales/DialogCsvColumns.h"
#include "pages/sales/DialogImportSummary.h"
#include "pages/sales/DialogRegisterMapping.h"
#include "pages/sales/DialogSales.h"
#include "pages/sales/SalesPage.h"
#include "pages/stock/DialogIngredientList.h"
#include "platform/PathText.h"
#include "platform/qt/TextConversion.h"
#include "registerimport/CsvColumnMemory.h"
#include "registerimport/CsvJournal.h"
#include "registerimport/DishProposer.h"
#include "registerimport/ImportPlan.h"
#include "registerimport/RegisterItemTable.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadioButton>
#include <QTabBar>
#include <cstdio>
#include <cstdlib>

namespace {

const char* const kNames[] = {"1-stammdaten", "2-einkauf-und-zutaten", "3-rezepturen", "4-abverkaeufe",
                              "5-auswertungen"};

CIngredient* AddIngredient(CData& data, const char* name, const char* group, const char* unit,
                           const char* supplier, double price, double amount)
{
    CIngredient scratch(&data);
    scratch.Name = name;
    scratch.Group = group;
    scratch.Unit = unit;
    scratch.StockAmount = amount;
    scratch.AddIngredientSupplier(supplier, price, amount);
    scratch.SupplierInUse = scratch.Suppliers.Head();
    if (data.AddIngredient(scratch) != 1)
        std::abort();
    return data.Ingredients.At(data.GetNbIngredients() - 1);
}

CRecipe* AddRecipe(CData& data, const char* name, int group, double portions, double priceSell,
                   std::initializer_list<std::pair<CIngredient*, double>> lines)
{
    CRecipe scratch(&data);
    scratch.Name = name;
    scratch.NameGroupIndex = group;
    scratch.NbPortion = portions;
    scratch.PriceSell = priceSell;
    if (data.AddRecipe(scratch) != 1)
        std::abort();
    CRecipe* recipe = data.Recipes.At(data.GetNbRecipes() - 1);
    int sortNum = 0;
    for (const auto& [ingredient, amount] : lines) {
        CRecipeIngredient& line =
            recipe->RecipeIngredients.Append(std::make_unique<CRecipeIngredient>(recipe));
        line.Ingredient = ingredient;
        line.Amount = amount;
        line.SortNum = sortNum++;
    }
    return recipe;
}

// Texts are Windows-1252, as in the data file.
void FillSample(CData& data)
{
    data.SetDefaults();
    data.Company = "Gasthof Zur Linde";
    data.Firstname = "Marta";
    data.Lastname = "Brenner";
    data.Street = "Lindenplatz 3";
    data.PLZ = "79822";
    data.City = "Titisee";
    data.Country = "Deutschland";
    data.Taxes.fill(19.0);

    CIngredient* beef = AddIngredient(data,
                                      "Rinderh\xFC"
                                      "fte",
                                      "Fleisch", "kg", "Metzgerei Haas", 24.90, 1);
    CIngredient* onions = AddIngredient(data, "Zwiebeln", "Gem\xFCse", "kg", "Hofladen Rieder", 1.80, 1);
    CIngredient* potatoes =
        AddIngredient(data, "Kartoffeln festkochend", "Gem\xFCse", "kg", "Hofladen Rieder", 12.50, 25);
    CIngredient* cream =
        AddIngredient(data, "Sahne 30 %", "Milchprodukte", "l", "Molkerei Schwarzwald", 3.20, 1);
    CIngredient* butter =
        AddIngredient(data, "Butter", "Milchprodukte", "kg", "Molkerei Schwarzwald", 8.40, 1);
    CIngredient* cherries = AddIngredient(data, "Sauerkirschen", "Obst", "kg", "Obsthof Maier", 6.90, 1);
    CIngredient* juice = AddIngredient(data,
                                       "Apfelsaft naturtr\xFC"
                                       "b",
                                       "Getr\xE4nke", "l", "Obsthof Maier", 1.60, 1);
    CIngredient* water =
        AddIngredient(data, "Mineralwasser", "Getr\xE4nke", "l", "Getr\xE4nke Kunz", 0.45, 1);
    CIngredient* beer =
        AddIngredient(data, "Pils vom Fass", "Getr\xE4nke", "l", "Brauerei Rothaus", 145.0, 50);

    CRecipe* roast =
        AddRecipe(data, "Zwiebelrostbraten", 3, 4, 23.50, {{beef, 0.8}, {onions, 0.4}, {butter, 0.05}});
    AddRecipe(data, "Bratkartoffeln", 5, 4, 5.90, {{potatoes, 1.0}, {onions, 0.2}, {butter, 0.08}});
    CRecipe* cake = AddRecipe(data, "Schwarzw\xE4lder Kirschtorte", 7, 12, 4.80,
                              {{cherries, 0.7}, {cream, 1.0}, {butter, 0.2}});
    CRecipe* spritzer = AddRecipe(data, "Apfelschorle 0,4 l", 10, 1, 3.60, {{juice, 0.2}, {water, 0.2}});
    CRecipe* pils = AddRecipe(data, "Pils 0,4 l", 11, 1, 4.20, {{beer, 0.4}});

    for (int month = 0; month < 12; ++month) {
        const int year = month < 9 ? 2023 : 2024;
        const int calendarMonth = (month + 3) % 12 + 1;
        const CDateTime day(year, calendarMonth, 14, 12);
        static_cast<void>(data.AddSaleFromRecipe(roast, 60 + 7 * (month % 5), day));
        static_cast<void>(data.AddSaleFromRecipe(cake, 90 + 11 * (month % 3), day));
        static_cast<void>(data.AddSaleFromRecipe(spritzer, 150 + 20 * (month % 4), day));
        static_cast<void>(data.AddSaleFromRecipe(pils, 260 + 35 * ((month + 2) % 6), day));
    }
}

bool SaveTabs(CKostenkochDlg& window, const QDir& output)
{
    bool saved = true;
    for (int tab = 0; tab < window.Tabs()->count() && tab < 5; ++tab) {
        window.Tabs()->setCurrentIndex(tab);
        SettleLayouts();
        const QString file = output.filePath(QString::fromLatin1(kNames[tab]) + QStringLiteral(".png"));
        saved = window.grab().save(file) && saved;
        std::printf("%s\n", qPrintable(file));
    }
    return saved && window.Tabs()->count() == 5;
}

bool Save(QWidget& widget, const QDir& output, const QString& name)
{
    SettleLayouts();
    const QString file = output.filePath(name + QStringLiteral(".png"));
    std::printf("%s\n", qPrintable(file));
    return widget.grab().save(file);
}

// The eight master data sections, one picture each.
bool SaveMasterData(CKostenkochDlg& window, const QDir& output)
{
    window.Tabs()->setCurrentIndex(0);
    bool saved = true;
    for (int section = 0; section < kNbMasterDataPages; ++section) {
        window.SectionBar()->Button(section)->click();
        saved = Save(window, output, QStringLiteral("1-stammdaten-%1").arg(section + 1)) && saved;
    }
    window.SectionBar()->Button(0)->click();
    return saved;
}

// The ingredient dialog on the page's first ingredient, as "Ändern" opens it.
bool SaveIngredientDialog(CKostenkochDlg& window, CPageHost& host, const QDir& output)
{
    window.Tabs()->setCurrentIndex(1);
    CData& data = *host.GetData();
    CIngredient copy(&data);
    if (!copy.CopyFrom(*data.Ingredients.At(2)))
        return false;
    copy.AddIngredientSupplier("Gro\xDF"
                               "markt S\xFC"
                               "d",
                               11.90, 25);
    CDialogIngredient dialog(host, copy, &window);
    dialog.show();
    CDialogIngredientSupplier supplier(host, copy, copy.Suppliers.Head(), &dialog);
    supplier.show();
    return Save(dialog, output, QStringLiteral("2-zutat-definieren")) &&
           Save(supplier, output, QStringLiteral("2-lieferant"));
}

// The stock dialog as "Inventurbestände eintragen ..." opens it, moved on to the fourth
// ingredient so that all five rows are filled.
bool SaveStockDialog(CKostenkochDlg& window, CPageHost& host, const QDir& output)
{
    host.GetData()->SortIngredients("Name", true);
    CDialogIngredientList dialog(host, &window);
    dialog.show();
    for (int move = 0; move < 3; ++move) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(dialog.StockField(), &down);
    }
    return Save(dialog, output, QStringLiteral("6-bestandsdaten"));
}

// The sales page after the day's first bookings, made there as a user makes them (they go
// into the window's catalogue only, not into the sample file), and the sales list of one dish.
bool SaveSalesPage(CKostenkochDlg& window, CPageHost& host, const QDir& output)
{
    window.Tabs()->setCurrentIndex(3);
    SettleLayouts();
    auto* page = window.findChild<CSalesPage*>();
    const std::string names[] = {"Zwiebelrostbraten", "Pils 0,4 l"};
    const QString portions[] = {QStringLiteral("6"), QStringLiteral("38")};
    for (int dish = 0; dish < 2; ++dish) {
        const auto& shown = page->List()->GetData();
        for (std::size_t item = 0; item < shown.GetItems().size(); ++item) {
            if (shown.GetItemRow(item)->FindCell(0)->GetText() == names[dish])
                page->List()->SelectRowById(shown.GetItems()[item]);
        }
        page->PortionsField()->setText(portions[dish]);
        page->RecordSale();
    }
    bool saved = Save(window, output, QStringLiteral("4-abverkaeufe"));
    CDialogSales dialog(host, host.GetData()->Recipes.At(0), &window);
    dialog.show();
    saved = Save(dialog, output, QStringLiteral("4-verkaufsliste")) && saved;
    return saved;
}

// The column dialog of a sales journal whose headings no guess knows, with the columns
// assigned and one row that cannot be read.
bool SaveJournalColumnsDialog(CKostenkochDlg& window, const QDir& output)
{
    CCsvJournal journal;
    std::string message;
    if (!journal.LoadText("Tag;Ware;Stk;Betrag\n"
                          "14.03.2024 12:15;Zwiebelrostbraten;2;23,50\n"
                          "14.03.2024 12:20;Pils 0,4 l;3;4,20\n"
                          "14.03.2024 12:25;Apfelschorle 0,4 l;zwei;3,60\n"
                          "14.03.2024 19:05;Schwarzw\xE4lder Kirschtorte;-1;4,80\n",
                          "kasse.csv", message))
        return false;
    CMemoryProfileStore store;
    CCsvColumnMemory memory(store);
    CDialogCsvColumns dialog(journal, memory, &window);
    const struct
    {
        const char* Box;
        int Entry;
    } choices[] = {{"dateColumn", 1}, {"itemTextColumn", 2}, {"quantityColumn", 3}, {"priceColumn", 4}};
    for (const auto& choice : choices)
        dialog.findChild<QComboBox*>(choice.Box)->setCurrentIndex(choice.Entry);
    dialog.show();
    return Save(dialog, output, QStringLiteral("4-journal-spalten"));
}

// Two years of sales of the sample's dishes and drinks, March 2022 to February 2024, booked
// with the prices of their time (a tenth lower in the first year) and a summer for the drinks.
void AddTwoYearsOfSales(CData& data)
{
    const int portions[] = {70, 45, 110, 180, 320};
    for (int month = 0; month < 24; ++month) {
        const int calendarMonth = (month + 2) % 12 + 1;
        const CDateTime day(2022 + (month + 2) / 12, calendarMonth, 15, 12);
        const double prices = month < 12 ? 0.9 : 1.0;
        const bool summer = calendarMonth >= 5 && calendarMonth <= 9;
        for (int index = 0; index < data.GetNbRecipes(); ++index) {
            CRecipe* recipe = data.Recipes.At(index);
            const bool drink = recipe->NameGroupIndex >= data.NbFoodGroups;
            const double sold =
                portions[index % 5] * (1.0 + 0.1 * (month % 4)) * (drink && summer ? 1.6 : 1.0);
            AddSale(data,
                    {recipe->NameGroupIndex, sold, recipe->GetPriceBuyPerPortion() * prices,
                     recipe->GetPriceSellNoTax() * prices, recipe->GetPriceSell() * prices, day, recipe});
        }
    }
}

// The evaluation page over two years of sales: the chart of net revenue with the beer series,
// then the table, then the menu analysis.
bool SaveEvaluation(CKostenkochDlg& window, const QDir& output)
{
    AddTwoYearsOfSales(*window.Document().GetData());
    window.Tabs()->setCurrentIndex(4);
    window.SectionBar()->Button(0)->click();
    auto& page = static_cast<CEvaluationPage&>(*window.Page(EPage::Evaluation));
    page.PickStart(QDate(2022, 3, 1));
    page.PickEnd(QDate(2024, 2, 1));
    page.ToggleSeries(11);
    bool saved = Save(window, output, QStringLiteral("5-auswertungen-grafik"));
    page.SetDisplayKind(EChartDisplay::Table);
    saved = Save(window, output, QStringLiteral("5-auswertungen-tabelle")) && saved;
    // The menu analysis of all food with today's prices.
    page.SetOriginalData(false);
    page.ShowMenuAnalysis();
    saved = Save(window, output, QStringLiteral("5-menueanalyse")) && saved;
    page.SetOriginalData(true);
    page.SetDisplayKind(EChartDisplay::Chart);
    return saved;
}

// A picture of the dish, drawn here (no photograph is shipped): a plate on a wooden table
// with a roast, onion rings and parsley.
QImage DrawRoastPicture()
{
    QImage image(640, 440, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(image.rect(), QColor(150, 105, 65));
    painter.setPen(QPen(QColor(125, 85, 50), 3));
    for (int y = 20; y < image.height(); y += 55)
        painter.drawLine(0, y, image.width(), y + 12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(235, 235, 230));
    painter.drawEllipse(QPoint(320, 220), 250, 190);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPoint(320, 220), 200, 150);
    painter.setBrush(QColor(120, 60, 35));
    painter.drawRoundedRect(QRect(210, 150, 190, 120), 50, 50);
    painter.setBrush(QColor(95, 45, 25));
    painter.drawEllipse(QRect(240, 170, 120, 40));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(215, 160, 60), 9));
    for (int ring = 0; ring < 6; ++ring)
        painter.drawArc(QRect(235 + ring * 22, 120 + (ring % 2) * 14, 60, 44), 0, 180 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(235, 190, 90));
    for (int wedge = 0; wedge < 5; ++wedge)
        painter.drawPie(QRect(380 + (wedge % 3) * 18, 230 + wedge * 12, 80, 50), 30 * 16, 120 * 16);
    painter.setBrush(QColor(60, 140, 50));
    for (int leaf = 0; leaf < 9; ++leaf)
        painter.drawEllipse(QPoint(250 + leaf * 17, 300 + (leaf % 3) * 7), 7, 5);
    return image;
}

// The recipe dialog on the roast, with its picture, as "Ändern" opens it.
bool SaveRecipeDialog(CKostenkochDlg& window, CPageHost& host, const QDir& output)
{
    window.Tabs()->setCurrentIndex(2);
    CData& data = *host.GetData();
    const char* pictureName = "Zwiebelrostbraten.png";
    const QString picturePath = ToQString(CPathText::Join(host.DataDirectory(), pictureName));
    if (!DrawRoastPicture().save(picturePath))
        return false;
    CRecipe working(&data);
    if (!working.CopyFrom(*data.Recipes.Head()))
        return false;
    working.PictureFilename = pictureName;
    working.Comment = "Fleisch 2 cm dick schneiden, Zwiebeln in Butter goldbraun r\xF6sten.";
    CDialogRecipe dialog(host, working, data.Recipes.Head(), &window);
    dialog.show();
    return Save(dialog, output, QStringLiteral("3-rezeptur-definieren"));
}

// The selection dialog on the roast's first line, as "Ändern" under the line list opens it, and
// the quantity calculation of the roast for 10 portions.
bool SaveRecipeLineDialogs(CKostenkochDlg& window, CPageHost& host, const QDir& output)
{
    const CRecipe& roast = *host.GetData()->Recipes.Head();
    CDialogRecipeIngredient selection(host, &roast, roast.RecipeIngredients.Head(), &window);
    selection.show();
    bool saved = Save(selection, output, QStringLiteral("3-zutat-auswaehlen"));
    CDialogQuantityCalculation quantities(host, roast, 10.0, &window);
    quantities.show();
    saved = Save(quantities, output, QStringLiteral("3-mengenkalkulation")) && saved;
    return saved;
}

// A register's evening as the import reads it: the dishes spelt as registers spell them, a
// deposit, and a day's closing; the mapping with the proposals half taken, then the summary.
bool SaveRegisterImport(CKostenkochDlg& window, CPageHost& host, const QDir& output)
{
    const CData& data = *host.GetData();
    CRegisterSales sales;
    sales.SourceName = "kasse_2024_03.zip";
    sales.Sources = {{"1/412", "Kasse 1, Abschluss 412 vom 04.03.2024", CDateTime(2024, 3, 4)}};
    sales.Receipts = 61;
    sales.Skipped[ERegisterSkip::VoidedLine] = {3, 12.6};
    sales.Skipped[ERegisterSkip::TrainingReceipt] = {2, 8.4};
    const struct
    {
        const char* Number;
        const char* Text;
        double Quantity, Price;
    } lines[] = {
        {"101", "Zwiebelrostbraten", 18, 23.5},
        {"102", "BRATKARTOFFELN", 21, 5.9},
        {"205", "Schwarzwaelder Kirschtorte", 14, 4.8},
        {"310", "Apfelschorle 0,4", 33, 3.6},
        {"311", "Pils 0,4 l", 74, 4.2},
        {"312", "Pils 0,2 l", 12, 2.4},
        {"900", "Pfand Glas", 9, 0.5},
    };
    for (const auto& item : lines) {
        CRegisterLine line;
        line.Item = sales.AddItem(item.Number, item.Text);
        line.DateTime = CDateTime(2024, 3, 4, 19, 30);
        line.Quantity = item.Quantity;
        line.GrossRevenue = item.Quantity * item.Price;
        line.HasPrice = true;
        sales.Lines.push_back(line);
    }
    CRegisterItemTable items = CRegisterItemTable::Build(sales, {}, data, CDishProposer(data));
    items.AcceptExact();
    CDialogRegisterMapping mapping(host, data, items, &window);
    mapping.show();
    bool saved = Save(mapping, output, QStringLiteral("4-kassenartikel-zuordnen"));
    for (int row = 0; row < static_cast<int>(items.Rows().size()); ++row) {
        if (items.Rows()[row].Choice == CRegisterItemTable::EChoice::Open && row != 5)
            static_cast<void>(items.ConfirmProposal(row));
    }
    items.ChooseNoDish(6);
    const CImportPlan plan = ImportPlanning::Plan(sales, items, data);
    CDialogImportSummary summary(host, plan, &window);
    summary.show();
    return Save(summary, output, QStringLiteral("4-kassendaten-zusammenfassung")) && saved;
}

// The costing check, after a few slips of the kind a kitchen's catalogue has, made in the
// window's catalogue only: the water's price not entered, parsley added without a supplier.
bool SaveCostCheck(CKostenkochDlg& window, CPageHost& host, const QDir& output)
{
    CData& data = *host.GetData();
    for (CIngredient& ingredient : data.Ingredients) {
        if (ingredient.Name == "Mineralwasser")
            ingredient.SupplierInUse->Price = 0.0;
    }
    CIngredient parsley(&data);
    parsley.Name = "Petersilie";
    parsley.Unit = "Bund";
    if (data.AddIngredient(parsley) != 1)
        return false;
    CDialogCostCheck dialog(host, &window);
    dialog.show();
    return Save(dialog, output, QStringLiteral("7-kalkulation-pruefen"));
}

// Butter 20 % dearer, as "Auswirkung …" of the ingredient dialog shows it before OK, and the
// dairy goods 15 % dearer in the price simulation, new prices ending in ,50 or ,90.
bool SavePriceDialogs(CKostenkochDlg& window, CPageHost& host, const QDir& output)
{
    CData& data = *host.GetData();
    const CIngredient* butter = nullptr;
    for (const CIngredient& ingredient : data.Ingredients) {
        if (ingredient.Name == "Butter")
            butter = &ingredient;
    }
    CIngredient changed(&data);
    if (!butter || !changed.CopyFrom(*butter))
        return false;
    changed.SupplierInUse->Price *= 1.2;
    CDialogPriceImpact impact(host, *butter, changed, &window);
    impact.show();
    bool saved = Save(impact, output, QStringLiteral("2-auswirkung"));
    impact.close();
    CDialogPriceSimulation simulation(host, &window);
    simulation.show();
    simulation.ByGroup()->setChecked(true);
    simulation.Groups()->setCurrentIndex(simulation.Groups()->findText(QStringLiteral("Milchprodukte")));
    simulation.PercentField()->setText(QStringLiteral("15"));
    simulation.Rounding()->setCurrentIndex(2);
    saved = simulation.Calculate() && saved;
    return Save(simulation, output, QStringLiteral("7-preissimulation")) && saved;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: kk_screenshots OUTPUT_DIRECTORY [SAMPLE_FILE]\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(output.path());

    // The test bed's clock stands on 5 March 2024, inside the sales' year.
    CWindowTestBed bed;
    CData sample;
    FillSample(sample);
    bed.WriteDataFile(sample, bed.DataPath());
    if (argc == 3)
        bed.WriteDataFile(sample, argv[2]);
    const std::unique_ptr<CKostenkochDlg> window = bed.Start();
    window->show();
    SettleLayouts();
    const bool tabs = SaveTabs(*window, output);
    const bool masterData = SaveMasterData(*window, output);
    const bool dialog = SaveIngredientDialog(*window, window->Document(), output);
    const bool recipe = SaveRecipeDialog(*window, window->Document(), output) &&
                        SaveRecipeLineDialogs(*window, window->Document(), output);
    const bool sales = SaveSalesPage(*window, window->Document(), output);
    const bool journal = SaveJournalColumnsDialog(*window, output);
    const bool evaluation = SaveEvaluation(*window, output);
    const bool stock = SaveStockDialog(*window, window->Document(), output);
    const bool registerImport = SaveRegisterImport(*window, window->Document(), output);
    const bool prices = SavePriceDialogs(*window, window->Document(), output);
    // Last: the costing check's picture needs a few slips made in the window's catalogue.
    const bool costCheck = SaveCostCheck(*window, window->Document(), output);
    return tabs && masterData && dialog && recipe && sales && journal && evaluation && stock &&
                   registerImport && prices && costCheck
               ? 0
               : 1;
}
