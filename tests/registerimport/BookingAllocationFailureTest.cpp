// Booking an import when memory runs out at any allocation on the way: it says so and the
// catalogue is as it was, byte for byte in its file text.

#include "CatalogueBuilder.h"
#include "FailingAllocation.h"
#include "catalogue/Data.h"
#include "datafile/DataFileWriter.h"
#include "registerimport/DishProposer.h"
#include "registerimport/ImportPlan.h"
#include "registerimport/RegisterBooking.h"
#include "registerimport/RegisterItemTable.h"

#include <gtest/gtest.h>

namespace {

std::string Render(const CData& data)
{
    return std::string(CDataFileWriter(data, false).Render().View());
}

// Three dishes, a sale to merge into, and lines of four business days.
void Fill(CData& data, CRegisterSales& sales)
{
    data.SetDefaults();
    for (const char* name : {"Suppe", "Braten", "Kuchen"})
        AddRecipe(data, name, 1.0).PriceSell = 5.0;
    ASSERT_EQ(data.AddSaleFromRecipe(data.Recipes.At(1), 2.0, CDateTime(2025, 5, 1)), 1);
    sales.Sources = {{"K/1", "Abschluss 1", CDateTime()}};
    for (int i = 0; i < 24; ++i) {
        CRegisterLine line;
        line.Item = sales.AddItem({}, data.Recipes.At(i % 3)->Name);
        line.DateTime = CDateTime(2025, 5, 1 + i % 4, 12);
        line.Quantity = 1.0;
        line.GrossRevenue = 5.0;
        line.HasPrice = true;
        sales.Lines.push_back(line);
    }
}

TEST(BookingAllocationFailure, EveryFailedAllocationLeavesTheCatalogueAsItWas)
{
    bool booked = false;
    for (int allowed = 0; !booked; ++allowed) {
        ASSERT_LT(allowed, 10000) << "booking never succeeded";
        CData data;
        CRegisterSales sales;
        Fill(data, sales);
        CRegisterItemTable items = CRegisterItemTable::Build(sales, {}, data, CDishProposer(data));
        ASSERT_EQ(items.AcceptExact(), 3);
        const CImportPlan plan = ImportPlanning::Plan(sales, items, data);
        const std::string before = Render(data);
        CImportUndo undo;
        FailingAllocation::FailAfter(allowed);
        booked = RegisterBooking::Book(plan, data, undo);
        FailingAllocation::FailAfter(-1);
        if (!booked) {
            EXPECT_EQ(Render(data), before) << "after allocation " << allowed;
        } else {
            EXPECT_EQ(data.Sales.Count(), 1 + 4 * 3 - 1) << "one sale took the portions of its day";
            EXPECT_EQ(data.RegisterMapping.Sources.size(), 1u);
        }
    }
}

} // namespace
