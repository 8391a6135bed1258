#include "IngredientSupplier.h"

#include "catalogue/RecordCounter.h"

namespace {
CRecordCounter s_counter;
}

CIngredientSupplier::CIngredientSupplier(CData* owner) : Owner(owner), Id(s_counter.Next()) {}

double CIngredientSupplier::GetPricePerUnit() const
{
    return Amount >= 1e-10 ? Price / Amount : Price;
}
