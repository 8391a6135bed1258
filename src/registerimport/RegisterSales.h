#pragma once

#include "catalogue/DateTime.h"

#include <map>
#include <string>
#include <vector>

// What a cash register's export or a sales journal says was sold, after reading and before
// mapping: the lines that count as sales, the units they came in, and what was left out and why.
// Texts are Windows-1252, as everywhere in the core.

// Why a line of the register was not taken as a sale.
enum class ERegisterSkip {
    VoidedLine,      // the line itself was voided on the receipt
    VoidedReceipt,   // the whole receipt was voided
    TrainingReceipt, // training or test receipt
    OtherReceipt,    // a receipt that is no sale (cash in/out, interim invoice, ...)
    Deposit,         // deposit ("Pfand") and its return
    Discount,        // discount or surcharge line
    Voucher,         // voucher sold or redeemed
    Tip,             // tip
    OtherLine,       // any other line type that is no sale
    AlreadyImported, // its closing or row set was booked by an earlier import
};

// A unit that is imported as a whole and recognised when it comes again: a daily closing of
// one register (Key "Z_KASSE_ID/Z_NR") or the row set of a sales journal (Key a digest of its
// rows).
struct CRegisterSource
{
    std::string Key;
    std::string Label;     // for the user, e.g. "Kasse 1, Abschluss 412 vom 03.05.2026"
    CDateTime BusinessDay; // the closing's booking day; null for a journal
};

// An item as the register names it. Lines refer to it by index, so that a year of receipt
// lines holds each item's texts once.
struct CRegisterItem
{
    std::string Number; // article number; empty when the register gives none
    std::string Text;
    std::string Group; // the register's goods group; may be empty
};

// One register line that counts as a sale: portions of one item at one moment. A return, or
// the voiding of a receipt of an earlier closing, has a negative quantity and revenue.
struct CRegisterLine
{
    CDateTime DateTime; // when the sale happened (end of the receipt, or the journal's date)
    double Quantity = 0.0;
    double GrossRevenue = 0.0; // gross revenue of the whole line
    float VatRate = -1.0f;     // the register's VAT rate in percent; -1 when unknown or mixed
    int Item = 0;              // index into CRegisterSales::Items
    int Source = 0;            // index into CRegisterSales::Sources
    bool HasPrice = false;     // false when a journal gives no price
};

// What was left out for one reason: how many lines and their gross amount.
struct CRegisterSkipCount
{
    int Lines = 0;
    double Gross = 0.0;
};

// Everything one export or journal holds, read and filtered.
struct CRegisterSales
{
    std::string SourceName; // the file or folder the user chose, for messages
    std::vector<CRegisterSource> Sources;
    std::vector<CRegisterItem> Items;
    std::vector<CRegisterLine> Lines;
    std::map<ERegisterSkip, CRegisterSkipCount> Skipped;
    int Receipts = 0; // receipts with at least one counted line

    const CRegisterItem& ItemOf(const CRegisterLine& line) const { return Items[line.Item]; }
    // Appends an item and returns its index (readers keep one of each through CRegisterItemPool).
    int AddItem(std::string number, std::string text, std::string group = {})
    {
        Items.push_back({std::move(number), std::move(text), std::move(group)});
        return static_cast<int>(Items.size()) - 1;
    }
};

// The key a register item is mapped by: its article number where there is one, else its text.
inline const std::string& RegisterItemKey(const CRegisterItem& item)
{
    return item.Number.empty() ? item.Text : item.Number;
}
