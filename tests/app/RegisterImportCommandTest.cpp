#include "ModalWindows.h"
#include "RegisterExportGenerator.h"
#include "WindowTestBed.h"
#include "controls/ListCtrlEx.h"
#include "datafile/DataFileWriter.h"
#include "pages/common/ListPage.h"
#include "pages/sales/DialogCsvColumns.h"
#include "pages/sales/DialogImportSummary.h"
#include "pages/sales/DialogRegisterMapping.h"
#include "platform/qt/TextConversion.h"
#include "registerimport/RegisterExportKind.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {

namespace fs = std::filesystem;

constexpr int kSalesTab = 3;
constexpr int kTextColumn = 1;          // the mapping dialog's column of the register's item text
constexpr int kYearPortionsColumn = 10; // the sales page's portions of this year

QAction* Action(const CKostenkochDlg& dlg, const char* name)
{
    return dlg.findChild<QAction*>(QString::fromLatin1(name));
}

// The Extras menu as it opens: its entries are enabled for what can be done now.
bool CanTakeBack(const CKostenkochDlg& dlg)
{
    emit dlg.findChild<QMenu*>(QStringLiteral("menuExtras"))->aboutToShow();
    return Action(dlg, "actionRegisterUndo")->isEnabled();
}

std::string FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::string Render(const CData& data)
{
    return std::string(CDataFileWriter(data, false).Render().View());
}

QStringList ColumnTexts(const CListCtrlEx& list, int column)
{
    QStringList texts;
    for (int row = 0; row < list.model()->rowCount(); ++row)
        texts << list.model()->index(row, column).data().toString();
    return texts;
}

void ClickRow(CListCtrlEx& list, int row)
{
    const QRect rect = list.visualRect(list.model()->index(row, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

QPushButton* Button(const QWidget& dialog, const char* name)
{
    return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
}

// A restaurant's catalogue with a dish for every item of a generated register export (three
// business days in March 2024, before the bed's clock on 5 March) but one, which the user marks
// "kein Gericht – nicht buchen"; one sale booked by hand before on the first day, at the price
// the register charges, so the import merges into it. The user chooses the export's index.xml.
class RegisterImportCommandTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CRegisterExportOptions options;
        options.Year = 2024;
        options.Month = 3;
        options.Day = 1;
        options.Days = 3;
        m_generated = GenerateDsfinvkExport(options);
        fs::create_directories(m_bed.Path("kasse"));
        ASSERT_TRUE(WriteExportFolder(m_generated, m_bed.Path("kasse")));
        ASSERT_NO_FATAL_FAILURE(ReadItemTexts());
        ASSERT_NO_FATAL_FAILURE(WriteCatalogue());
        m_fileBefore = FileBytes(m_bed.DataPath());
        m_dlg = m_bed.Start();
        m_dlg->show();
        m_renderedBefore = Render(Data());
    }

    // The item texts by their key, as the register spells them.
    void ReadItemTexts()
    {
        CRegisterSales sales;
        std::string message;
        ASSERT_TRUE(RegisterExport::Read(m_bed.Files, m_bed.Path("kasse"), sales, message)) << message;
        for (const CRegisterLine& line : sales.Lines)
            m_texts.emplace(RegisterItemKey(sales.ItemOf(line)), sales.ItemOf(line).Text);
        ASSERT_GE(m_texts.size(), 3u);
        m_noDishKey = m_texts.rbegin()->first;
        m_mergedKey = m_texts.begin()->first;
    }

    void WriteCatalogue()
    {
        CData data;
        data.SetDefaults();
        CIngredient flour(&data);
        flour.Name = "Mehl";
        ASSERT_EQ(data.AddIngredient(flour), 1);
        for (const auto& [key, text] : m_texts) {
            if (key == m_noDishKey)
                continue;
            CRecipe dish(&data);
            dish.Name = text;
            dish.NameGroupIndex = 0;
            ASSERT_EQ(data.AddRecipe(dish), 1);
        }
        CSale byHand(&data);
        byHand.Name = m_texts.at(m_mergedKey);
        byHand.NameGroupIndex = 0;
        byHand.NbPortion = kPortionsByHand;
        byHand.PriceSellPerPortionTax = RegisterPrice(m_mergedKey);
        byHand.DateTime = CDateTime(2024, 3, 1);
        byHand.Recipe = data.Recipes.Head();
        ASSERT_EQ(data.AddSale(byHand), 1);
        m_bed.WriteDataFile(data, m_bed.DataPath());
        m_bed.Profile.WriteString("", "DataPath", m_bed.DataPath());
    }

    // The gross price of one portion of an item on the register (its revenue per portion).
    double RegisterPrice(const std::string& key) const
    {
        for (const auto& [itemDay, sale] : m_generated.Expected.PerItemDay) {
            if (itemDay.first == key && sale.Quantity > 0)
                return std::round(sale.Gross / sale.Quantity * 100.0) / 100.0;
        }
        return 0.0;
    }

    // Portions per dish name: what the register sold of each item with a dish, and the sale
    // booked by hand. A journal without article numbers keeps its items by their texts.
    std::map<QString, double> ExpectedPortions(const CRegisterExpectation& sold, bool keyedByText) const
    {
        std::map<QString, double> portions;
        for (const auto& [itemDay, sale] : sold.PerItemDay) {
            const std::string& text = keyedByText ? itemDay.first : m_texts.at(itemDay.first);
            if (text != m_texts.at(m_noDishKey))
                portions[ToQString(text)] += sale.Quantity;
        }
        portions[ToQString(m_texts.at(m_mergedKey))] += kPortionsByHand;
        return portions;
    }

    std::map<QString, double> BookedPortions()
    {
        std::map<QString, double> portions;
        for (const CSale& sale : Data().Sales)
            portions[ToQString(sale.Name)] += sale.NbPortion;
        return portions;
    }

    int SalesOn(const std::string& dish, const CDateTime& day)
    {
        int count = 0;
        for (const CSale& sale : Data().Sales)
            count += sale.Name == dish && sale.DateTime == day ? 1 : 0;
        return count;
    }

    // Answers the mapping as a user would: takes the sure proposals, marks the item without a
    // dish "kein Gericht", OK; then books in the summary, which lists that item as no dish.
    void AnswerMappingAndSummary()
    {
        WhenModalAppears<CDialogRegisterMapping>([this](CDialogRegisterMapping& mapping) {
            QTest::mouseClick(Button(mapping, "confirmSureProposals"), Qt::LeftButton);
            const int row =
                ColumnTexts(*mapping.List(), kTextColumn).indexOf(ToQString(m_texts.at(m_noDishKey)));
            EXPECT_GE(row, 0);
            if (row >= 0) {
                ClickRow(*mapping.List(), row);
                QTest::mouseClick(Button(mapping, "noDish"), Qt::LeftButton);
            }
            m_openAfterMapping = mapping.OpenCount()->text();
            QTest::mouseClick(Button(mapping, "okButton"), Qt::LeftButton);
        });
        WhenModalAppears<CDialogImportSummary>([this](CDialogImportSummary& summary) {
            m_summaryRows = ColumnTexts(*summary.List(), 1);
            m_bookEnabled = summary.BookButton()->isEnabled();
            QTest::mouseClick(summary.BookButton(), Qt::LeftButton);
        });
    }

    void Import(const std::string& chosen = "kasse/index.xml")
    {
        m_bed.Dialogs.QueueAnswer(m_bed.Path(chosen));
        Action(*m_dlg, "actionRegisterImport")->trigger();
    }

    CData& Data() { return *m_dlg->Document().GetData(); }

    static constexpr double kPortionsByHand = 2.0;
    CWindowTestBed m_bed;
    CGeneratedExport m_generated;
    std::map<std::string, std::string> m_texts; // item key -> text
    std::string m_noDishKey, m_mergedKey;
    std::string m_fileBefore, m_renderedBefore;
    std::unique_ptr<CKostenkochDlg> m_dlg;
    QString m_openAfterMapping;
    QStringList m_summaryRows;
    bool m_bookEnabled = false;
};

TEST_F(RegisterImportCommandTest, ImportBooksTheMappedItemsSavesAndCanBeTakenBackExactly)
{
    EXPECT_FALSE(CanTakeBack(*m_dlg));
    AnswerMappingAndSummary();
    Import();

    EXPECT_EQ(m_openAfterMapping, QStringLiteral("Offene Artikel werden nicht gebucht. Offen: 0"));
    EXPECT_TRUE(m_bookEnabled);
    EXPECT_TRUE(m_summaryRows.contains(ToQString(m_texts.at(m_noDishKey))));
    const std::map<QString, double> expected = ExpectedPortions(m_generated.Expected, false);
    const std::map<QString, double> booked = BookedPortions();
    EXPECT_EQ(booked.size(), expected.size()) << "the item marked as no dish booked nothing";
    for (const auto& [name, portions] : expected)
        EXPECT_NEAR(booked.count(name) ? booked.at(name) : -1.0, portions, 1e-9) << name.toStdString();
    EXPECT_EQ(SalesOn(m_texts.at(m_mergedKey), CDateTime(2024, 3, 1)), 1)
        << "merged into the sale booked by hand";

    // The sales page lists each dish with its portions of this year, whole portions shown.
    QTest::mouseClick(m_dlg->Tabs(), Qt::LeftButton, {}, m_dlg->Tabs()->tabRect(kSalesTab).center());
    ASSERT_EQ(m_dlg->CurrentPage(), m_dlg->Page(EPage::Sales));
    const CListCtrlEx& list = *static_cast<CListPage*>(m_dlg->CurrentPage())->List();
    const QStringList names = ColumnTexts(list, 0);
    const QStringList shown = ColumnTexts(list, kYearPortionsColumn);
    ASSERT_EQ(names.size(), static_cast<int>(expected.size()));
    for (int row = 0; row < names.size(); ++row) {
        const double portions = expected.at(names[row]);
        ASSERT_LT(portions, 1000.0) << "shown without a thousands separator";
        EXPECT_EQ(shown[row], QString::number(static_cast<int>(portions))) << names[row].toStdString();
    }

    // Saved through the normal save: the file as it was is the backup, the file holds the import.
    EXPECT_EQ(FileBytes(m_bed.Path("profile/Kostenkoch/KostenkochData_Backup.XML")), m_fileBefore);
    EXPECT_EQ(FileBytes(m_bed.DataPath()), Render(Data()));

    ASSERT_TRUE(CanTakeBack(*m_dlg));
    Action(*m_dlg, "actionRegisterUndo")->trigger();
    EXPECT_EQ(Render(Data()), m_renderedBefore);
    EXPECT_EQ(FileBytes(m_bed.DataPath()), m_renderedBefore);
    EXPECT_FALSE(CanTakeBack(*m_dlg));
    EXPECT_TRUE(m_bed.Messages.GetMessages().empty()) << m_bed.MessageTexts().front();
}

TEST_F(RegisterImportCommandTest, CancelledMappingChangesNothing)
{
    WhenModalAppears<CDialogRegisterMapping>([](CDialogRegisterMapping& mapping) {
        QTest::mouseClick(Button(mapping, "confirmSureProposals"), Qt::LeftButton);
        QTest::mouseClick(Button(mapping, "cancelButton"), Qt::LeftButton);
    });
    Import();

    EXPECT_EQ(Render(Data()), m_renderedBefore);
    EXPECT_EQ(FileBytes(m_bed.DataPath()), m_fileBefore);
    EXPECT_FALSE(fs::exists(m_bed.Path("profile/Kostenkoch/KostenkochData_Backup.XML")));
    EXPECT_FALSE(CanTakeBack(*m_dlg));
    EXPECT_TRUE(m_bed.Messages.GetMessages().empty());
}

// A sales journal of the same register: its German headings assign the columns in their dialog,
// which the user confirms; the mapping and the summary are answered as for the export.
TEST_F(RegisterImportCommandTest, JournalIsReadWithTheColumnsConfirmedInTheirDialog)
{
    CCsvJournalOptions options;
    options.Year = 2024;
    options.Month = 3;
    options.Day = 1;
    options.Days = 3;
    const CGeneratedJournal journal = GenerateCsvJournal(options);
    std::ofstream(m_bed.Path("kasse.csv"), std::ios::binary) << journal.Bytes;
    bool okEnabled = false;
    WhenModalAppears<CDialogCsvColumns>([&okEnabled](CDialogCsvColumns& columns) {
        okEnabled = columns.OkButton()->isEnabled();
        if (okEnabled)
            QTest::mouseClick(columns.OkButton(), Qt::LeftButton);
        else
            columns.reject();
    });
    AnswerMappingAndSummary();
    Import("kasse.csv");

    EXPECT_TRUE(okEnabled);
    EXPECT_EQ(m_openAfterMapping, QStringLiteral("Offene Artikel werden nicht gebucht. Offen: 0"));
    const std::map<QString, double> expected = ExpectedPortions(journal.Expected, true);
    const std::map<QString, double> booked = BookedPortions();
    EXPECT_EQ(booked.size(), expected.size());
    for (const auto& [name, portions] : expected)
        EXPECT_NEAR(booked.count(name) ? booked.at(name) : -1.0, portions, 1e-9) << name.toStdString();
    EXPECT_EQ(FileBytes(m_bed.DataPath()), Render(Data()));

    ASSERT_TRUE(CanTakeBack(*m_dlg));
    Action(*m_dlg, "actionRegisterUndo")->trigger();
    EXPECT_EQ(FileBytes(m_bed.DataPath()), m_renderedBefore);
}

} // namespace
