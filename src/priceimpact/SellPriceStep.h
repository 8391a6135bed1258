#pragma once

#include <vector>

class CData;
class CRecipe;

// New selling prices applied to dishes as one step that can be taken back: it remembers each
// dish's price before and after. The document keeps the last step until the next save.
class CSellPriceStep
{
public:
    struct CEntry
    {
        int RecipeId;
        double Before;
        double After;
    };
    struct CNewPrice
    {
        CRecipe* Recipe;
        double Price;
    };

    // Sets the PriceSell of each recipe and remembers what it was.
    static CSellPriceStep Apply(const std::vector<CNewPrice>& prices);
    // Gives back the remembered prices of the recipes that still exist and still carry the
    // applied price (a price the user changed since stays). Returns how many were restored.
    int Undo(CData& data) const;

    bool IsEmpty() const { return m_entries.empty(); }
    const std::vector<CEntry>& Entries() const { return m_entries; }

private:
    std::vector<CEntry> m_entries;
};
