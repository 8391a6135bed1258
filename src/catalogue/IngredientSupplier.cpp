#include "IngredientSupplier.h"

#include "catalogue/RecordCounter.h"

namespace {
CRecordCounter s_counter;
}

int CIngredientSupplier::ClassVersion = 1;

CIngredientSupplier::CIngredientSupplier(CData* owner) : Owner(owner), Id(s_counter.Next())
{
    ClassVersion = 1;
}

double CIngredientSupplier::GetPricePerUnit() const
{
    return Amount >= 1e-10 ? Price / Amount : Price;
}
