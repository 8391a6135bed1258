#include "TabRules.h"

#include "catalogue/Data.h"

int CTabRules::TabCount(const CData* data)
{
    if (!data || data->Ingredients.Count() == 0)
        return Recipes;
    if (data->Recipes.Count() == 0)
        return Sales;
    if (data->Sales.Count() == 0)
        return Evaluation;
    return NbTabs;
}
