#pragma once

#include "registerimport/DishProposal.h"
#include "registerimport/RegisterSales.h"

#include <string>
#include <unordered_set>
#include <vector>

class CData;
class CDishProposer;
struct CRegisterMapping;

// The distinct items of an import with what they sold and how each is to be booked: the choice
// remembered with the catalogue, or one the user makes now. A proposal is shown beside an open
// item and becomes its choice only when the user confirms it. The mapping dialog and the
// command line work on this table; StoreIn hands the choices back to the catalogue.
class CRegisterItemTable
{
public:
    enum class EChoice {
        Open,   // not decided: not booked, shown with its revenue
        Dish,   // booked as the dish RecipeId
        NoDish, // "kein Gericht – nicht buchen"
    };

    struct CRow
    {
        std::string Key; // article number, or the text without one
        std::string Text;
        std::string Number;
        int Lines = 0;
        double Portions = 0.0;
        double Gross = 0.0;
        CDishProposal Proposal;
        EChoice Choice = EChoice::Open;
        int RecipeId = -1;   // with Choice Dish
        bool Stored = false; // the choice came from the catalogue's mapping
    };

    // Items of the lines whose source is not in `skipSources`, in the order they first appear.
    static CRegisterItemTable Build(const CRegisterSales& sales, const std::unordered_set<int>& skipSources,
                                    const CData& data, const CDishProposer& proposer);

    const std::vector<CRow>& Rows() const { return m_rows; }
    int Find(const std::string& key) const;

    // Takes the proposal as the choice; false when there is none.
    bool ConfirmProposal(int row);
    void ChooseDish(int row, const CRecipe& dish);
    void ChooseNoDish(int row);
    void Reopen(int row);
    // Confirms every open item whose text is exactly a dish's name; how many.
    int AcceptExact();
    int CountOpen() const;

    // Writes the decided items into `mapping`, replacing what it said for the same keys.
    void StoreIn(CRegisterMapping& mapping) const;

private:
    std::vector<CRow> m_rows;
};

// The key a line's item is kept by: RegisterItemKey without blanks around it and with control
// characters as blanks, so that it reads back from the data file as it was written.
std::string MappingKey(const CRegisterItem& item);
