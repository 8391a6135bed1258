#include "RegisterExportGenerator.h"
#include "TempDir.h"
#include "catalogue/Data.h"
#include "datafile/DataFileWriter.h"
#include "platform/PosixFileSystem.h"
#include "registerimport/DishProposer.h"
#include "registerimport/ImportPlan.h"
#include "registerimport/RegisterBooking.h"
#include "registerimport/RegisterExportKind.h"
#include "registerimport/RegisterItemTable.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace {

std::string Render(const CData& data)
{
    return std::string(CDataFileWriter(data, false).Render().View());
}

// A generated register export read from a folder and booked into a catalogue whose dishes are
// named like the register's items: every dish books the portions and revenue the generator put
// in for its item, over all days; the same export a second time books nothing.
class RegisterImportFlowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CRegisterExportOptions options;
        options.Days = 4;
        options.Items = 8;
        m_generated = GenerateDsfinvkExport(options);
        ASSERT_TRUE(WriteExportFolder(m_generated, m_dir.File("")));
        std::string message;
        ASSERT_TRUE(RegisterExport::Read(m_files, m_dir.File(""), m_sales, message)) << message;
        m_data.SetDefaults();
        for (const CRegisterLine& line : m_sales.Lines) {
            const CRegisterItem& item = m_sales.ItemOf(line);
            if (m_texts.emplace(RegisterItemKey(item), item.Text).second) {
                CRecipe dish(&m_data);
                dish.Name = item.Text;
                ASSERT_EQ(m_data.AddRecipe(dish), 1);
            }
        }
    }
    CImportPlan Plan()
    {
        const std::vector<int> before = ImportPlanning::SourcesBookedBefore(m_sales, m_data.RegisterMapping);
        CRegisterItemTable items =
            CRegisterItemTable::Build(m_sales, {before.begin(), before.end()}, m_data, CDishProposer(m_data));
        items.AcceptExact();
        return ImportPlanning::Plan(m_sales, items, m_data);
    }

    CTempDir m_dir;
    CPosixFileSystem m_files;
    CGeneratedExport m_generated;
    CRegisterSales m_sales;
    CData m_data;
    std::map<std::string, std::string> m_texts; // item key -> text
};

TEST_F(RegisterImportFlowTest, BookedFiguresPerDishAreWhatTheRegisterSold)
{
    CRegisterImportStep step;
    const CImportPlan plan = Plan();
    EXPECT_TRUE(plan.OpenItems.empty());
    EXPECT_EQ(plan.LinesBooked, m_generated.Expected.Lines);
    ASSERT_TRUE(step.Book(plan, m_data));

    std::map<std::string, CExpectedSale> expected; // by dish name
    for (const auto& [key, sale] : m_generated.Expected.PerItemDay) {
        CExpectedSale& total = expected[m_texts.at(key.first)];
        total.Quantity += sale.Quantity;
        total.Gross += sale.Gross;
    }
    std::map<std::string, CExpectedSale> booked;
    for (const CSale& sale : m_data.Sales) {
        booked[sale.Name].Quantity += sale.NbPortion;
        booked[sale.Name].Gross += sale.NbPortion * sale.PriceSellPerPortionTax;
        EXPECT_EQ(sale.DateTime.GetHour(), 0) << "sales are dated by their business day";
    }
    ASSERT_EQ(booked.size(), expected.size());
    for (const auto& [name, sale] : expected) {
        EXPECT_NEAR(booked[name].Quantity, sale.Quantity, 1e-9) << name;
        EXPECT_NEAR(booked[name].Gross, sale.Gross, 1e-6) << name;
    }
}

TEST_F(RegisterImportFlowTest, TheSameExportTwiceBooksOnceAndNamesTheClosings)
{
    CRegisterImportStep step;
    ASSERT_TRUE(step.Book(Plan(), m_data));
    const std::string once = Render(m_data);
    const CImportPlan again = Plan();
    EXPECT_TRUE(again.BooksNothing());
    EXPECT_EQ(again.AlreadyImported.size(), m_generated.Expected.SourceKeys.size());
    EXPECT_EQ(again.Skipped.at(ERegisterSkip::AlreadyImported).Lines, m_generated.Expected.Lines);
    ASSERT_TRUE(step.Book(again, m_data));
    EXPECT_EQ(Render(m_data), once);
}

// A register's history imported in two exports, with sales of the first voided in the second:
// each dish books in total what the whole history says, and the whole history imported
// afterwards books nothing more.
TEST_F(RegisterImportFlowTest, SalesVoidedInALaterExportAreTakenBackThere)
{
    CRegisterExportOptions options;
    options.Days = 4;
    options.Items = 8;
    options.VoidEarlierPercent = 100;
    const CGeneratedExport whole = GenerateDsfinvkExport(options);
    CRegisterImportStep step;
    for (const auto& [first, last] : {std::pair(0, 1), std::pair(2, 3)}) {
        options.FirstWrittenDay = first;
        options.LastWrittenDay = last;
        const std::string folder = m_dir.File("days" + std::to_string(first));
        std::filesystem::create_directory(folder);
        ASSERT_TRUE(WriteExportFolder(GenerateDsfinvkExport(options), folder));
        std::string message;
        ASSERT_TRUE(RegisterExport::Read(m_files, folder, m_sales, message)) << message;
        ASSERT_TRUE(step.Book(Plan(), m_data));
    }
    std::map<std::string, double> expected, booked; // portions by dish name
    for (const auto& [key, sale] : whole.Expected.PerItemDay)
        expected[m_texts.at(key.first)] += sale.Quantity;
    for (const CSale& sale : m_data.Sales)
        booked[sale.Name] += sale.NbPortion;
    ASSERT_EQ(booked.size(), expected.size());
    for (const auto& [name, portions] : expected)
        EXPECT_NEAR(booked[name], portions, 1e-9) << name;

    const std::string folder = m_dir.File("whole");
    std::filesystem::create_directory(folder);
    ASSERT_TRUE(WriteExportFolder(whole, folder));
    std::string message;
    ASSERT_TRUE(RegisterExport::Read(m_files, folder, m_sales, message)) << message;
    EXPECT_TRUE(Plan().BooksNothing());
}

} // namespace
