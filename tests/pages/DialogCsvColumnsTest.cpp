#include "pages/sales/DialogCsvColumns.h"

#include "MemoryProfileStore.h"
#include "PageTestSupport.h"
#include "controls/ListCtrlEx.h"
#include "registerimport/CsvColumnMemory.h"
#include "registerimport/CsvJournal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Headings no guess knows, so that the user has to assign the columns; the third row has a
// quantity that is no number.
constexpr char kJournal[] = "Tag;Ware;Stk;Betrag\n"
                            "01.03.2026 12:15;Bier;2;4,50\n"
                            "01.03.2026 12:20;K\xE4sesp\xE4tzle;1;12,90\n"
                            "01.03.2026 12:25;Wein;zwei;5,00\n"
                            "02.03.2026 19:00;Espresso;-1;2,60\n";

class DialogCsvColumnsTest : public testing::Test
{
protected:
    DialogCsvColumnsTest()
    {
        std::string message;
        EXPECT_TRUE(Journal.LoadText(kJournal, "kasse.csv", message)) << message;
    }
    void Open()
    {
        Dialog = std::make_unique<CDialogCsvColumns>(Journal, Memory);
        Dialog->show();
        QApplication::setActiveWindow(Dialog.get());
    }
    QComboBox* Box(const char* name) const { return Dialog->findChild<QComboBox*>(name); }
    QString State() const { return Dialog->findChild<QLabel*>("previewState")->text(); }
    // Chooses an entry from the keyboard: the label's access key, then arrows down.
    void Choose(Qt::Key accessKey, int entry)
    {
        QTest::keyClick(Dialog.get(), accessKey, Qt::AltModifier);
        QWidget* box = QApplication::focusWidget();
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, Qt::Key_Home);
        for (int i = 0; i < entry; ++i)
            QTest::keyClick(box, Qt::Key_Down);
    }

    CCsvJournal Journal;
    CMemoryProfileStore Store;
    CCsvColumnMemory Memory{Store};
    std::unique_ptr<CDialogCsvColumns> Dialog;
};

} // namespace

// OK stays disabled until date, item and quantity have a column; the preview then shows the
// rows as they will be read, the one with a bad number marked and explained.
TEST_F(DialogCsvColumnsTest, OkOnlyOnceTheRequiredColumnsAreAssigned)
{
    Open();
    EXPECT_FALSE(Dialog->OkButton()->isEnabled());
    EXPECT_EQ(State(),
              QStringLiteral("Ordnen Sie Datum, Artikel (oder Artikelnummer) und Menge je einer Spalte zu."));
    EXPECT_EQ(Box("dateColumn")->itemText(1), QStringLiteral("1: Tag"));

    Choose(Qt::Key_D, 1);
    EXPECT_EQ(Box("dateColumn")->currentIndex(), 1);
    Choose(Qt::Key_A, 2);
    EXPECT_FALSE(Dialog->OkButton()->isEnabled());
    Choose(Qt::Key_M, 3);
    EXPECT_TRUE(Dialog->OkButton()->isEnabled());
    Choose(Qt::Key_P, 4);

    const CListCtrlEx& preview = *Dialog->Preview();
    EXPECT_EQ(Column(preview, 0), (QStringList{"2", "3", "4", "5"}));
    // An unreadable row shows its fields as they stand.
    EXPECT_EQ(Column(preview, 1),
              (QStringList{"01.03.2026 12:15", "01.03.2026 12:20", "01.03.2026 12:25", "02.03.2026 19:00"}));
    EXPECT_EQ(Column(preview, 2), (QStringList{"Bier", "Käsespätzle", "Wein", "Espresso"}));
    EXPECT_EQ(Column(preview, 3), (QStringList{"2", "1", "zwei", "-1"}));
    EXPECT_EQ(Column(preview, 4), (QStringList{"9,00", "12,90", "", "-2,60"}));
    const QStringList notes = Column(preview, 6);
    EXPECT_EQ(notes[0], QString());
    EXPECT_EQ(notes[2], QStringLiteral("nicht lesbar: Spalte 3 („Stk“): „zwei“ ist keine Zahl."));
    EXPECT_TRUE(State().contains(QStringLiteral("Hinweis")));

    // Without a heading the first row is read as data too, and cannot be.
    QTest::keyClick(Dialog.get(), Qt::Key_Udiaeresis, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_FALSE(Dialog->GetColumns().HasHeading);
    EXPECT_EQ(Box("dateColumn")->itemText(1), QStringLiteral("1: (Tag)"));
    EXPECT_EQ(Box("dateColumn")->currentIndex(), 1) << "the assignment stays";
    EXPECT_TRUE(
        Column(preview, 6)[0].startsWith(QStringLiteral("nicht lesbar: Spalte 1: „Tag“ ist kein Datum")));
}

// OK remembers the assignment for journals with the same headings; Escape leaves the memory.
TEST_F(DialogCsvColumnsTest, RemembersTheConfirmedAssignment)
{
    Open();
    Choose(Qt::Key_D, 1);
    Choose(Qt::Key_A, 2);
    Choose(Qt::Key_M, 3);
    const CCsvColumns chosen = Dialog->GetColumns();
    QTest::keyClick(Dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(Dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(Memory.Recall(Journal.GetHeadings()));

    Open();
    EXPECT_FALSE(Dialog->OkButton()->isEnabled());
    Choose(Qt::Key_D, 1);
    Choose(Qt::Key_A, 2);
    Choose(Qt::Key_M, 3);
    QTest::keyClick(Box("quantityColumn"), Qt::Key_Return);
    EXPECT_EQ(Dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Memory.Recall(Journal.GetHeadings()), chosen);

    Open();
    EXPECT_EQ(Dialog->GetColumns(), chosen);
    EXPECT_EQ(Box("quantityColumn")->currentIndex(), 3);
    EXPECT_TRUE(Dialog->OkButton()->isEnabled());
}

// A journal whose headings are known opens ready to confirm.
TEST(DialogCsvColumns, KnownHeadingsOpenAssigned)
{
    CCsvJournal journal;
    std::string message;
    ASSERT_TRUE(journal.LoadText("Date,Item,Quantity,Price\n2026-03-01,Beer,2,4.50\n", "e.csv", message));
    CMemoryProfileStore store;
    CCsvColumnMemory memory(store);
    CDialogCsvColumns dialog(journal, memory);
    EXPECT_TRUE(dialog.OkButton()->isEnabled());
    EXPECT_EQ(Column(*dialog.Preview(), 4), (QStringList{"9,00"}));
    EXPECT_EQ(dialog.findChild<QLabel*>("previewState")->text(),
              QStringLiteral("Alle gezeigten Zeilen sind lesbar."));
}
