#pragma once

#include "cli/CliTable.h"
#include "cli/JsonObject.h"
#include "priceimpact/PriceChange.h"
#include "priceimpact/SellPriceRounding.h"

class CData;

// The impact report of kostenkoch-cli: a simulated purchase price change and every recipe it
// reaches, before and after, largest loss of margin first.
namespace CliImpact {

struct CRequest
{
    CPriceChange Change;
    // False: the dishes only (recipes that are sold).
    bool AllRecipes = false;
    SellPriceRounding::ERounding Rounding = SellPriceRounding::Cents;
};

// {"ingredients":[…],"recipes":[…]}; false when memory ran out.
bool Report(const CData& data, const CRequest& request, CJsonObject& report);
// The recipes as a table for --csv.
bool Table(const CData& data, const CRequest& request, CCliTable& table);

} // namespace CliImpact
