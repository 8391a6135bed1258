#pragma once

#include "catalogue/Data.h"

#include <stdexcept>

// Books a sale the way the data file reader does: prices frozen in the record, the recipe
// reference as given (none for a deleted recipe).
struct CSaleFields
{
    int Group = 0;
    double Portions = 1.0;
    double Buy = 0.0;
    double Net = 0.0;
    double Gross = 0.0;
    CDateTime Date;
    CRecipe* Recipe = nullptr;
};

inline CSale& AddSale(CData& data, const CSaleFields& fields)
{
    CSale scratch(&data);
    scratch.NameGroupIndex = fields.Group;
    scratch.NbPortion = fields.Portions;
    scratch.PriceBuyPerPortion = fields.Buy;
    scratch.PriceSellPerPortionNoTax = fields.Net;
    scratch.PriceSellPerPortionTax = fields.Gross;
    scratch.DateTime = fields.Date;
    scratch.Recipe = fields.Recipe;
    if (data.AddSale(scratch) != 1)
        throw std::runtime_error("the catalogue refused a record");
    return *data.Sales.At(data.Sales.Count() - 1);
}
