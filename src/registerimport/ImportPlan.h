#pragma once

#include "catalogue/DateTime.h"
#include "catalogue/RegisterMapping.h"
#include "registerimport/RegisterSales.h"

#include <map>
#include <string>
#include <vector>

class CData;
class CRecipe;
class CRegisterItemTable;

// Sales of one dish booked by an import: from the lines of its items, per business day and
// register price.
struct CImportDishRow
{
    const CRecipe* Dish = nullptr;
    std::string Name;
    int Lines = 0;
    double Portions = 0.0;
    double Gross = 0.0; // the register's gross revenue
    double Net = 0.0;   // from the dish group's VAT rate
    double Cost = 0.0;  // the dish's cost of goods at the import
};

// An item that is not booked: still open, or marked "kein Gericht".
struct CImportItemRow
{
    std::string Key, Text;
    int Lines = 0;
    double Portions = 0.0;
    double Gross = 0.0;
};

// One sale the import books: portions of a dish on a business day at one register price per
// portion. Lines of the same dish, day and price are added up, returns included.
struct CPlannedSale
{
    const CRecipe* Dish = nullptr;
    CDateTime Day;               // the business day, 00:00
    double PriceSellTax = 0.0;   // gross per portion as the register charged it
    double PriceSellNoTax = 0.0; // net from the dish group's VAT rate
    double PriceBuy = 0.0;       // the dish's cost per portion now
    double Portions = 0.0;
};

// What an import would book, and everything the user sees before confirming it. Nothing in
// the catalogue changes until CRegisterBooking books the plan.
struct CImportPlan
{
    std::string SourceName;
    int Receipts = 0;
    int LinesRead = 0; // counted sale lines of sources not booked before
    int LinesBooked = 0;
    double Portions = 0.0, Gross = 0.0, Net = 0.0, Cost = 0.0; // of the booked lines
    std::vector<CImportDishRow> Dishes;                        // in catalogue order
    std::vector<CImportItemRow> OpenItems;                     // revenue left out because nobody decided
    std::vector<CImportItemRow> NoDishItems;                   // "kein Gericht – nicht buchen"
    std::map<ERegisterSkip, CRegisterSkipCount> Skipped; // the readers' reasons and sources booked before
    std::vector<std::string> AlreadyImported;            // labels of the sources booked before
    std::vector<CRegisterImportedSource> NewSources;
    CDateTime First = CDateTime::MakeNull(), Last = CDateTime::MakeNull(); // of the lines read
    int VatDifferingLines = 0; // booked lines whose register VAT rate is not the dish group's
    double VatDifferingGross = 0.0;
    std::vector<CPlannedSale> Sales;
    CRegisterMapping MappingAfter; // the catalogue's mapping with this import's choices and sources

    bool BooksNothing() const { return Sales.empty() && NewSources.empty(); }
};

namespace ImportPlanning {

// The business day of a moment: a business day runs until five in the morning, as on the sales
// page. Its date at 00:00.
CDateTime BusinessDay(const CDateTime& moment);

// Which of the export's sources were booked by an earlier import.
std::vector<int> SourcesBookedBefore(const CRegisterSales& sales, const CRegisterMapping& mapping);

// Plans the booking of `sales` with the choices of `items` (built without the sources booked
// before).
CImportPlan Plan(const CRegisterSales& sales, const CRegisterItemTable& items, const CData& data);

} // namespace ImportPlanning
