#include "CatalogueBuilder.h"
#include "catalogue/Data.h"
#include "datafile/DataFileWriter.h"
#include "registerimport/DishProposer.h"
#include "registerimport/ImportPlan.h"
#include "registerimport/RegisterBooking.h"
#include "registerimport/RegisterItemTable.h"

#include <gtest/gtest.h>
#include <unordered_set>

namespace {

std::string Render(const CData& data)
{
    return std::string(CDataFileWriter(data, false).Render().View());
}

CRegisterLine Line(CRegisterSales& sales, const char* number, const char* text, CDateTime when,
                   double quantity, double gross, double vat = -1.0)
{
    CRegisterLine line;
    line.Item = sales.AddItem(number, text);
    line.DateTime = when;
    line.Quantity = quantity;
    line.GrossRevenue = gross;
    line.HasPrice = true;
    line.VatRate = static_cast<float>(vat);
    return line;
}

// A restaurant with a schnitzel (food, 7 %, 18,50, cost 0,2 kg at 20,00 = 4,00 a portion) and
// a beer (drinks, 19 %, 4,00, no cost), and one closing of its register.
class ImportBookingTest : public testing::Test
{
protected:
    ImportBookingTest()
    {
        m_data.SetDefaults();
        m_data.Taxes[0] = 7.0;
        m_data.Taxes[10] = 19.0;
        CIngredient& veal = AddIngredient(m_data, "Kalb", 20.0, 1.0);
        m_schnitzel = &AddRecipe(m_data, "Schnitzel", 1.0, 0);
        m_schnitzel->PriceSell = 18.5;
        EXPECT_EQ(m_schnitzel->AddRecipeIngredient(nullptr, &veal, 0.2, 0.0), 1);
        m_pils = &AddRecipe(m_data, "Pils", 1.0, 10);
        m_pils->PriceSell = 4.0;
        AddRecipe(m_data, "Kaffee", 1.0, 10);

        m_sales.SourceName = "kasse.zip";
        m_sales.Sources = {{"K1/412", "Kasse 1, Abschluss 412", CDateTime(2025, 5, 4)}};
        m_sales.Receipts = 4;
        m_sales.Skipped[ERegisterSkip::VoidedLine] = {2, 7.5};
        m_sales.Lines = {
            Line(m_sales, "100", "Schnitzel", CDateTime(2025, 5, 3, 19, 30), 2, 37.0, 7.0),
            // 01:30 belongs to the business day before
            Line(m_sales, "100", "Schnitzel", CDateTime(2025, 5, 4, 1, 30), 1, 18.5, 7.0),
            Line(m_sales, "100", "Schnitzel", CDateTime(2025, 5, 3, 20, 0), 1, 16.0, 7.0),
            Line(m_sales, "100", "Schnitzel", CDateTime(2025, 5, 3, 21, 0), -1, -18.5, 7.0),
            // the register says 7 % for a drink of the 19 % group
            Line(m_sales, "200", "Pils 0,3", CDateTime(2025, 5, 3, 20, 0), 3, 12.0, 7.0),
            Line(m_sales, "", "Kaffe", CDateTime(2025, 5, 3, 22, 0), 2, 5.0),
            Line(m_sales, "900", "Pfand", CDateTime(2025, 5, 3, 22, 0), 1, 0.15),
        };
    }

    CRegisterItemTable Items() const
    {
        const std::vector<int> before = ImportPlanning::SourcesBookedBefore(m_sales, m_data.RegisterMapping);
        return CRegisterItemTable::Build(m_sales, {before.begin(), before.end()}, m_data,
                                         CDishProposer(m_data));
    }
    // The items decided as a user would: the schnitzel by its exact name, the beer picked by
    // hand, the deposit as no dish, the coffee left open.
    CImportPlan DecidedPlan() const
    {
        CRegisterItemTable items = Items();
        EXPECT_TRUE(items.ConfirmProposal(items.Find("100")));
        items.ChooseDish(items.Find("200"), *m_pils);
        items.ChooseNoDish(items.Find("900"));
        return ImportPlanning::Plan(m_sales, items, m_data);
    }

    CData m_data;
    CRecipe* m_schnitzel = nullptr;
    CRecipe* m_pils = nullptr;
    CRegisterSales m_sales;
};

TEST_F(ImportBookingTest, ItemsAreListedOnceWithTheirFiguresAndProposals)
{
    const CRegisterItemTable items = Items();
    ASSERT_EQ(items.Rows().size(), 4u);
    const CRegisterItemTable::CRow& schnitzel = items.Rows()[0];
    EXPECT_EQ(schnitzel.Key, "100");
    EXPECT_EQ(schnitzel.Lines, 4);
    EXPECT_DOUBLE_EQ(schnitzel.Portions, 3.0);
    EXPECT_DOUBLE_EQ(schnitzel.Gross, 53.0);
    EXPECT_EQ(schnitzel.Proposal.Dish, m_schnitzel);
    EXPECT_EQ(schnitzel.Choice, CRegisterItemTable::EChoice::Open) << "a proposal is not a choice";
    EXPECT_EQ(items.Rows()[2].Key, "Kaffe") << "without a number the text is the key";
    EXPECT_EQ(items.Rows()[2].Proposal.Kind, CDishProposal::EKind::Closest);
    EXPECT_EQ(items.CountOpen(), 4);
}

TEST_F(ImportBookingTest, PlanFiguresPerDishAndWhatIsLeftOut)
{
    const CImportPlan plan = DecidedPlan();
    ASSERT_EQ(plan.Dishes.size(), 2u);
    const CImportDishRow& schnitzel = plan.Dishes[0];
    EXPECT_EQ(schnitzel.Name, "Schnitzel");
    EXPECT_EQ(schnitzel.Lines, 4);
    EXPECT_DOUBLE_EQ(schnitzel.Portions, 3.0);
    EXPECT_DOUBLE_EQ(schnitzel.Gross, 53.0);
    EXPECT_NEAR(schnitzel.Net, 53.0 / 1.07, 1e-9);
    EXPECT_NEAR(schnitzel.Cost, 12.0, 1e-9);
    const CImportDishRow& pils = plan.Dishes[1];
    EXPECT_DOUBLE_EQ(pils.Portions, 3.0);
    EXPECT_NEAR(pils.Net, 12.0 / 1.19, 1e-9) << "net from the dish group's rate, not the register's";

    EXPECT_EQ(plan.LinesRead, 7);
    EXPECT_EQ(plan.LinesBooked, 5);
    EXPECT_DOUBLE_EQ(plan.Gross, 65.0);
    EXPECT_EQ(plan.VatDifferingLines, 1);
    EXPECT_DOUBLE_EQ(plan.VatDifferingGross, 12.0);
    ASSERT_EQ(plan.OpenItems.size(), 1u);
    EXPECT_EQ(plan.OpenItems[0].Text, "Kaffe");
    EXPECT_DOUBLE_EQ(plan.OpenItems[0].Gross, 5.0);
    ASSERT_EQ(plan.NoDishItems.size(), 1u);
    EXPECT_DOUBLE_EQ(plan.NoDishItems[0].Gross, 0.15);
    EXPECT_EQ(plan.Skipped.at(ERegisterSkip::VoidedLine).Lines, 2);
    EXPECT_EQ(plan.First, CDateTime(2025, 5, 3, 19, 30));
    EXPECT_EQ(plan.Last, CDateTime(2025, 5, 4, 1, 30));
    EXPECT_TRUE(plan.AlreadyImported.empty());
    ASSERT_EQ(plan.NewSources.size(), 1u);
}

// Sales per business day and register price; the return takes one portion off its day's
// sale; a sale booked by hand with the same day and prices takes the import's portions.
TEST_F(ImportBookingTest, BookingMergesByDayAndPriceAsTheSalesPageDoes)
{
    ASSERT_NEAR(m_schnitzel->GetPriceBuyPerPortion(), 4.0, 1e-12);
    ASSERT_EQ(m_data.AddSaleFromRecipe(m_schnitzel, 1.0, CDateTime(2025, 5, 3)), 1);
    CRegisterImportStep step;
    ASSERT_TRUE(step.Book(DecidedPlan(), m_data));

    const struct
    {
        const char* Name;
        double Portions, Gross, Net, Buy;
        CDateTime Day;
    } expected[] = {
        {"Schnitzel", 1 + 2 + 1 - 1, 18.5, 18.5 / 1.07, 4.0, CDateTime(2025, 5, 3)},
        {"Schnitzel", 1, 16.0, 16.0 / 1.07, 4.0, CDateTime(2025, 5, 3)},
        {"Pils", 3, 4.0, 4.0 / 1.19, 0.0, CDateTime(2025, 5, 3)},
    };
    ASSERT_EQ(m_data.Sales.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        const CSale& sale = *m_data.Sales.At(i);
        EXPECT_EQ(sale.Name, expected[i].Name) << i;
        EXPECT_DOUBLE_EQ(sale.NbPortion, expected[i].Portions) << i;
        EXPECT_DOUBLE_EQ(sale.PriceSellPerPortionTax, expected[i].Gross) << i;
        EXPECT_NEAR(sale.PriceSellPerPortionNoTax, expected[i].Net, 1e-12) << i;
        EXPECT_NEAR(sale.PriceBuyPerPortion, expected[i].Buy, 1e-12) << i;
        EXPECT_EQ(sale.DateTime, expected[i].Day) << i;
    }
    EXPECT_EQ(m_data.Sales.At(2)->NameGroupIndex, 10);
    // the evaluation sees the register's revenue: 3 * 18,50 + 16,00 + 3 * 4,00
    EXPECT_NEAR(m_data.EvaluateSales(CData::SeriesAll, EMeasure::GrossRevenue, true, CDateTime(2025, 5, 1),
                                     CDateTime(2025, 6, 1)),
                55.5 + 16.0 + 12.0, 1e-9);
}

TEST_F(ImportBookingTest, TheSameExportImportedTwiceBooksOnce)
{
    CRegisterImportStep step;
    ASSERT_TRUE(step.Book(DecidedPlan(), m_data));
    const std::string afterFirst = Render(m_data);

    const CRegisterItemTable items = Items();
    EXPECT_TRUE(items.Rows().empty()) << "nothing of a source booked before is asked for";
    const CImportPlan again = ImportPlanning::Plan(m_sales, items, m_data);
    EXPECT_TRUE(again.BooksNothing());
    EXPECT_EQ(again.AlreadyImported, std::vector<std::string>{"Kasse 1, Abschluss 412"});
    EXPECT_EQ(again.Skipped.at(ERegisterSkip::AlreadyImported).Lines, 7);
    EXPECT_NEAR(again.Skipped.at(ERegisterSkip::AlreadyImported).Gross, 70.15, 1e-9);
    ASSERT_TRUE(step.Book(again, m_data));
    EXPECT_EQ(Render(m_data), afterFirst);
}

// The mapping is remembered: the next export of the same items needs no decisions.
TEST_F(ImportBookingTest, ChoicesAreRememberedForTheNextExport)
{
    CRegisterImportStep step;
    ASSERT_TRUE(step.Book(DecidedPlan(), m_data));
    m_sales.Sources = {{"K1/413", "Kasse 1, Abschluss 413", CDateTime(2025, 5, 5)}};
    const CRegisterItemTable items = Items();
    ASSERT_EQ(items.Rows().size(), 4u);
    EXPECT_EQ(items.CountOpen(), 1) << "only the coffee is still open";
    EXPECT_TRUE(items.Rows()[0].Stored);
    EXPECT_EQ(items.Rows()[1].RecipeId, m_pils->Id);
    EXPECT_EQ(items.Rows()[3].Choice, CRegisterItemTable::EChoice::NoDish);
}

TEST_F(ImportBookingTest, UndoTakesBackExactlyTheImport)
{
    ASSERT_EQ(m_data.AddSaleFromRecipe(m_schnitzel, 1.5, CDateTime(2025, 5, 3)), 1);
    const std::string before = Render(m_data);
    CRegisterImportStep step;
    EXPECT_FALSE(step.CanUndo(&m_data));
    ASSERT_TRUE(step.Book(DecidedPlan(), m_data));
    EXPECT_NE(Render(m_data), before);

    CData other;
    EXPECT_FALSE(step.CanUndo(&other)) << "only in the catalogue it was booked into";
    EXPECT_TRUE(step.Undo(m_data));
    EXPECT_EQ(Render(m_data), before);
    EXPECT_FALSE(step.Undo(m_data)) << "one step, taken back once";
}

// A sale the user changed or deleted after the import keeps the user's change.
TEST_F(ImportBookingTest, UndoKeepsWhatTheUserBookedAfterTheImport)
{
    ASSERT_EQ(m_data.AddSaleFromRecipe(m_schnitzel, 1.0, CDateTime(2025, 5, 3)), 1);
    CRegisterImportStep step;
    ASSERT_TRUE(step.Book(DecidedPlan(), m_data));
    ASSERT_EQ(m_data.AddSaleFromRecipe(m_schnitzel, 2.0, CDateTime(2025, 5, 3)), 1); // into the merged sale
    ASSERT_EQ(m_data.DeleteSale(m_data.Sales.At(2)), 1);                             // the beer

    ASSERT_TRUE(step.Undo(m_data));
    ASSERT_EQ(m_data.Sales.Count(), 1);
    EXPECT_DOUBLE_EQ(m_data.Sales.At(0)->NbPortion, 1.0 + 2.0);
    EXPECT_TRUE(m_data.RegisterMapping.IsEmpty());
}

// Planning and showing the summary change nothing; a cancelled import leaves the catalogue.
TEST_F(ImportBookingTest, PlanningChangesNothing)
{
    const std::string before = Render(m_data);
    const CImportPlan plan = DecidedPlan();
    EXPECT_FALSE(plan.BooksNothing());
    EXPECT_EQ(Render(m_data), before);
}

TEST(BusinessDay, RunsUntilFiveInTheMorning)
{
    const struct
    {
        CDateTime Moment, Day;
    } cases[] = {
        {CDateTime(2025, 5, 4, 4, 59), CDateTime(2025, 5, 3)},
        {CDateTime(2025, 5, 4, 5, 0), CDateTime(2025, 5, 4)},
        {CDateTime(2025, 1, 1, 0, 30), CDateTime(2024, 12, 31)},
        {CDateTime(2024, 3, 1, 2, 0), CDateTime(2024, 2, 29)},
        {CDateTime(2025, 5, 4, 23, 59), CDateTime(2025, 5, 4)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ImportPlanning::BusinessDay(c.Moment), c.Day) << c.Moment.GetValue();
    EXPECT_FALSE(ImportPlanning::BusinessDay(CDateTime::MakeInvalid()).IsValid());
}

} // namespace
