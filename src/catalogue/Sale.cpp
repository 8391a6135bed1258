#include "Sale.h"

#include "catalogue/RecordCounter.h"

namespace {
CRecordCounter s_counter;
}

CSale::CSale(CData* owner) : Owner(owner), Id(s_counter.Next()) {}

bool CSale::CopyFrom(const CSale& source)
{
    Name = source.Name;
    NameGroupIndex = source.NameGroupIndex;
    NbPortion = source.NbPortion;
    PriceBuyPerPortion = source.PriceBuyPerPortion;
    PriceSellPerPortionNoTax = source.PriceSellPerPortionNoTax;
    PriceSellPerPortionTax = source.PriceSellPerPortionTax;
    DateTime = source.DateTime;
    Recipe = source.Recipe;
    FileIndex = source.FileIndex;
    return true;
}
