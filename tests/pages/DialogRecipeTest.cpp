#include "pages/recipes/DialogRecipe.h"

#include "FakePageHost.h"
#include "RecipeTestSupport.h"
#include "RecordingLogSink.h"
#include "TempDir.h"
#include "datafile/PictureFiles.h"
#include "pages/common/CodePageTextEdit.h"
#include "pages/recipes/DialogQuantityCalculation.h"
#include "pages/recipes/PictureCtrl.h"
#include "platform/FileUtilities.h"
#include "platform/PlatformPaths.h"
#include "platform/PosixFileSystem.h"

#include <QCheckBox>
#include <QLabel>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

using EFigure = CRecipeFiguresBox::EFigure;
enum EColumn { kNumber, kName, kAmount, kUnit, kPrice };

class DialogRecipeTest : public testing::Test
{
protected:
    DialogRecipeTest() { AddWorkedCatalogue(Host.Data); }

    void Open(const CRecipe* original = nullptr)
    {
        if (original)
            EXPECT_TRUE(Working.CopyFrom(*original));
        else
            Working.NameGroupIndex = 0;
        Dialog = std::make_unique<CDialogRecipe>(Host, Working, original);
        Dialog->show();
        QApplication::setActiveWindow(Dialog.get());
    }
    QString Field(EFigure figure) const { return Shown(*Dialog->Figures(), figure); }
    QStringList Lines(int column) const { return Column(*Dialog->LineList(), column); }

    CFakePageHost Host;
    CRecipe Working{&Host.Data};
    std::unique_ptr<CDialogRecipe> Dialog;
};

// Every shown text of the dialog's fields and lists.
QStringList ShownTexts(const QWidget& window)
{
    QStringList texts;
    for (const QLineEdit* field : window.findChildren<QLineEdit*>())
        texts << field->text();
    for (const CListCtrlEx* list : window.findChildren<CListCtrlEx*>()) {
        for (int column = 0; column < list->model()->columnCount(); ++column)
            texts << Column(*list, column);
    }
    return texts;
}

} // namespace

// A soup of 0,5 kg Butter with 30 % loss and 2 portions Fond, 4 portions sold at 14,28.
// Butter: 0,5 / 0,7 = 0,714 kg to buy at 2,00 a kg = 1,429; Fond: 2 x 0,75 = 1,50; together
// 2,929, a portion 0,732. Net price 14,28 / 1,19 = 12,00; calculated net 0,732 / 0,30 = 2,440,
// gross 2,440 x 1,19 = 2,904; margin 12,00 - 0,732 = 11,268; ratio 0,732 / 12 = 6,10 %;
// 14,28 DM-Kurs 1,95583 = 27,929.
TEST_F(DialogRecipeTest, DishShowsTheWorkedFigures)
{
    Open();
    ChooseLine(*Dialog, QStringLiteral("Butter"), QStringLiteral("0,5"), QStringLiteral("30"));
    EXPECT_EQ(Dialog->NameField()->text(), QStringLiteral("Butter")) << "the first line names the recipe";
    TypeInto(Dialog->NameField(), QStringLiteral("Kräutersuppe"));
    ChooseLine(*Dialog, QStringLiteral("Fond"), QStringLiteral("2"), QStringLiteral("0"));
    EXPECT_EQ(Dialog->NameField()->text(), QStringLiteral("Kräutersuppe"));
    TypeInto(Dialog->PortionsField(), QStringLiteral("4"));
    PressEnter(Dialog->PortionsField());
    TypeInto(Dialog->Figures()->PriceSellField(), QStringLiteral("14,28"));
    PressEnter(Dialog->Figures()->PriceSellField());

    EXPECT_EQ(Lines(kName), (QStringList{"Butter", "Fond"}));
    EXPECT_EQ(Lines(kNumber), (QStringList{"1", "2"}));
    EXPECT_EQ(Lines(kAmount), (QStringList{"0,71", "2,00"}));
    EXPECT_EQ(Lines(kUnit), (QStringList{"kg", "Portionen"}));
    EXPECT_EQ(Lines(kPrice), (QStringList{"1,43", "1,50"}));
    EXPECT_EQ(Field(EFigure::PriceBuy), QStringLiteral("0,73"));
    EXPECT_EQ(Field(EFigure::PriceSellCalculatedNoTax), QStringLiteral("2,44"));
    EXPECT_EQ(Field(EFigure::PriceSellCalculatedTax), QStringLiteral("2,90"));
    EXPECT_EQ(Field(EFigure::PriceSell), QStringLiteral("14,28"));
    EXPECT_EQ(Field(EFigure::PriceSellNoTax), QStringLiteral("12,00"));
    EXPECT_EQ(Field(EFigure::PriceSellCurrency2), QStringLiteral("27,93"));
    EXPECT_EQ(Field(EFigure::ContributionMargin), QStringLiteral("11,27"));
    EXPECT_EQ(Field(EFigure::CostRatio), QStringLiteral("6,10"));
    EXPECT_TRUE(Dialog->findChild<QLabel*>("priceSellCurrency2Unit")->isVisible());
    EXPECT_EQ(Dialog->findChild<QLabel*>("priceSellCurrency2Unit")->text(), QStringLiteral("DM"));

    QTest::mouseClick(Dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(Dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Working.Name, "Kr\xE4utersuppe");
    EXPECT_EQ(Working.NbPortion, 4);
    EXPECT_EQ(Working.PriceSell, 14.28);
    EXPECT_EQ(Working.GetNbRecipeIngredients(), 2);
}

// Unticking "Gericht" leaves the purchase price alone, greys the actual price and keeps it
// stored; ticking it again brings it back. Without a second currency its row is hidden.
TEST_F(DialogRecipeTest, ANonDishShowsOnlyThePurchasePrice)
{
    Host.Data.CurrencyUnit2.clear();
    CRecipe* fond = Host.Data.Recipes.Head();
    fond->UseForSale = 1;
    fond->PriceSell = 5;
    Open(fond);
    EXPECT_EQ(Field(EFigure::PriceSell), QStringLiteral("5,00"));
    EXPECT_FALSE(Dialog->findChild<QLineEdit*>("priceSellCurrency2")->isVisible());
    QTest::mouseClick(Dialog->DishBox(), Qt::LeftButton);
    EXPECT_EQ(Field(EFigure::PriceBuy), QStringLiteral("0,75"));
    for (EFigure figure : {EFigure::PriceSellCalculatedNoTax, EFigure::PriceSellCalculatedTax,
                           EFigure::PriceSell, EFigure::PriceSellNoTax, EFigure::PriceSellCurrency2,
                           EFigure::ContributionMargin, EFigure::CostRatio})
        EXPECT_EQ(Field(figure), QString()) << static_cast<int>(figure);
    EXPECT_TRUE(Dialog->Figures()->PriceSellField()->isReadOnly());
    EXPECT_FALSE(Dialog->Figures()->PriceSellField()->focusPolicy() & Qt::TabFocus);
    QTest::mouseClick(Dialog->DishBox(), Qt::LeftButton);
    EXPECT_EQ(Field(EFigure::PriceSell), QStringLiteral("5,00"));
    EXPECT_FALSE(Dialog->Figures()->PriceSellField()->isReadOnly());
    QTest::mouseClick(Dialog->DishBox(), Qt::LeftButton);
    QTest::mouseClick(Dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(Working.UseForSale, 0);
    EXPECT_EQ(Working.PriceSell, 5) << "the stored price stays";
}

// Editing "Fond": neither Fond nor "Sauce" (which holds Fond) nor "Braten" (which holds Sauce)
// may become a line, which would close a cycle; "Jus" may.
TEST_F(DialogRecipeTest, NeverOffersTheRecipeOrARecipeContainingIt)
{
    CRecipe* fond = Host.Data.Recipes.Head();
    CRecipe* sauce = AddRecipe(Host.Data, "Sauce", 0, true);
    sauce->AddRecipeIngredient(fond, nullptr, 1, 0);
    AddRecipe(Host.Data, "Braten", 3, true)->AddRecipeIngredient(sauce, nullptr, 1, 0);
    AddRecipe(Host.Data, "Jus", 0, true);
    AddRecipe(Host.Data, "Salat", 2, false);
    Open(fond);
    QStringList offered;
    WhenModalAppears<CDialogRecipeIngredient>([&offered](CDialogRecipeIngredient& select) {
        offered = Column(*select.List(), 0);
        QTest::mouseClick(select.CancelButton(), Qt::LeftButton);
    });
    Click(*Dialog, "addLine");
    offered.sort();
    EXPECT_EQ(offered, (QStringList{"Butter", "Jus", "Knochen"}));
}

// Up on the first line and down on the last do nothing; otherwise the line swaps its number
// with its neighbour and stays selected.
TEST_F(DialogRecipeTest, MovingLines)
{
    CRecipe* soup = AddRecipe(Host.Data, "Suppe", 0);
    for (int index = 0; index < 3; ++index)
        soup->AddRecipeIngredient(nullptr, Host.Data.Ingredients.At(index % 2), index + 1, 0);
    Open(soup);
    const QStringList amounts{"1,00", "2,00", "3,00"};
    ASSERT_EQ(Lines(kAmount), amounts);
    ClickRow(*Dialog->LineList(), 0);
    Click(*Dialog, "moveUp");
    EXPECT_EQ(Lines(kAmount), amounts);
    Click(*Dialog, "moveDown");
    EXPECT_EQ(Lines(kAmount), (QStringList{"2,00", "1,00", "3,00"}));
    EXPECT_EQ(Lines(kNumber), (QStringList{"1", "2", "3"}));
    Dialog->LineList()->setFocus();
    QTest::keyClick(Dialog->LineList(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Lines(kAmount), (QStringList{"2,00", "3,00", "1,00"}));
    Click(*Dialog, "moveDown");
    EXPECT_EQ(Lines(kAmount), (QStringList{"2,00", "3,00", "1,00"}));
    Click(*Dialog, "moveUp");
    EXPECT_EQ(Lines(kAmount), (QStringList{"2,00", "1,00", "3,00"}));
    EXPECT_EQ(Dialog->LineList()->GetSelectedUserData(),
              static_cast<std::uint32_t>(Working.RecipeIngredients.Head()->Id));
    EXPECT_EQ(Working.RecipeIngredients.Head()->SortNum, 2);
    EXPECT_EQ(soup->RecipeIngredients.Head()->SortNum, 1) << "the catalogue waits for OK";
}

// Changing a line through the selection dialog and deleting one after the question; the
// figures follow each time.
TEST_F(DialogRecipeTest, ChangingAndDeletingLines)
{
    CRecipe* soup = AddRecipe(Host.Data, "Suppe", 0);
    soup->AddRecipeIngredient(nullptr, Host.Data.Ingredients.At(1), 1, 0); // Butter 2,00
    soup->AddRecipeIngredient(nullptr, Host.Data.Ingredients.At(0), 1, 0); // Knochen 3,00
    Open(soup);
    EXPECT_EQ(Field(EFigure::PriceBuy), QStringLiteral("5,00"));
    ClickRow(*Dialog->LineList(), 0);
    ChooseLine(*Dialog, QStringLiteral("Fond"), QStringLiteral("4"), QStringLiteral("0"), "changeLine");
    EXPECT_EQ(Lines(kName), (QStringList{"Fond", "Knochen"}));
    EXPECT_EQ(Field(EFigure::PriceBuy), QStringLiteral("6,00"));
    Host.Recorded.QueueAnswer(CMessageService::Yes);
    ClickRow(*Dialog->LineList(), 1);
    Click(*Dialog, "deleteLine");
    EXPECT_EQ(Host.Texts(),
              std::vector<std::string>{"Wollen Sie die Zutat 'Knochen' wirklich l\xF6schen? (Kann "
                                       "nicht r\xFC"
                                       "ckg\xE4ngig gemacht werden)"});
    EXPECT_EQ(Lines(kName), QStringList{"Fond"});
    EXPECT_EQ(Field(EFigure::PriceBuy), QStringLiteral("3,00"));
}

// OK without a name says so and keeps the dialog; a remark takes umlauts and several lines.
// A price shown with two decimals is not rounded by opening and closing the dialog.
TEST_F(DialogRecipeTest, OkNeedsAName)
{
    Working.PriceSell = 4.555;
    Working.NbPortion = 0.1 + 0.2;
    Open();
    TypeInto(Dialog->NameField(), QStringLiteral("   "));
    Dialog->RemarkField()->setFocus();
    TypeText(Dialog->RemarkField(), QStringLiteral("Würzen"));
    QTest::keyClick(Dialog->RemarkField(), Qt::Key_Return);
    TypeText(Dialog->RemarkField(), QStringLiteral("heiß servieren ☺"));
    QTest::mouseClick(Dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(Host.Texts(), std::vector<std::string>{Text(201)});
    EXPECT_TRUE(Dialog->isVisible());
    TypeInto(Dialog->NameField(), QStringLiteral("Suppe"));
    QTest::mouseClick(Dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(Dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Working.Comment, "W\xFCrzen\nhei\xDF servieren ")
        << "a character outside the code page is refused";
    EXPECT_EQ(Working.PriceSell, 4.555);
    EXPECT_EQ(Working.NbPortion, 0.1 + 0.2);
}

// 10 portions of a recipe for 4: every amount, price and figure 2,5 or 10 times, the ratio as
// it is; the print buttons close the calculation and print for 10 portions.
TEST_F(DialogRecipeTest, QuantityCalculationForTenOfFourPortions)
{
    Host.Printing = true;
    CRecipe* soup = AddRecipe(Host.Data, "Suppe", 0);
    soup->NbPortion = 4;
    soup->PriceSell = 14.28;
    soup->AddRecipeIngredient(nullptr, Host.Data.Ingredients.At(1), 0.5, 30);
    soup->AddRecipeIngredient(Host.Data.Recipes.Head(), nullptr, 2, 0);
    Open(soup);
    TypeInto(Dialog->QuantityField(), QStringLiteral("10"));
    WhenModalAppears<CDialogQuantityCalculation>([](CDialogQuantityCalculation& quantity) {
        EXPECT_EQ(quantity.Title()->text(), QStringLiteral("Mengenkalkulation für 10 Portionen \"Suppe\""));
        // 0,714 kg x 2,5 = 1,786 kg for 1,429 x 2,5 = 3,571; 2 portions Fond x 2,5 = 5 for 3,75.
        EXPECT_EQ(Column(*quantity.LineList(), kAmount), (QStringList{"1,79", "5,00"}));
        EXPECT_EQ(Column(*quantity.LineList(), kPrice), (QStringList{"3,57", "3,75"}));
        const CRecipeFiguresBox& box = *quantity.Figures();
        EXPECT_EQ(Shown(box, EFigure::PriceBuy), QStringLiteral("7,32"));
        EXPECT_EQ(Shown(box, EFigure::PriceSellCalculatedNoTax), QStringLiteral("24,40"));
        EXPECT_EQ(Shown(box, EFigure::PriceSellCalculatedTax), QStringLiteral("29,04"));
        EXPECT_EQ(Shown(box, EFigure::PriceSell), QStringLiteral("142,80"));
        EXPECT_EQ(Shown(box, EFigure::PriceSellNoTax), QStringLiteral("120,00"));
        EXPECT_EQ(Shown(box, EFigure::PriceSellCurrency2), QStringLiteral("279,29"));
        EXPECT_EQ(Shown(box, EFigure::ContributionMargin), QStringLiteral("112,68"));
        EXPECT_EQ(Shown(box, EFigure::CostRatio), QStringLiteral("6,10"));
        Click(quantity, "printRecipeSheet");
    });
    Click(*Dialog, "calculateQuantity");
    ASSERT_EQ(Host.PrintedRecipes.size(), 1u);
    EXPECT_EQ(Host.PrintedRecipes[0].Sheet, ERecipeSheet::Recipe);
    EXPECT_TRUE(Host.PrintedRecipes[0].ForPortions);
    EXPECT_EQ(Host.PrintedRecipes[0].Portions, 10);

    Click(*Dialog, "printCalculation");
    ASSERT_EQ(Host.PrintedRecipes.size(), 2u);
    EXPECT_EQ(Host.PrintedRecipes[1].Sheet, ERecipeSheet::Calculation);
    EXPECT_FALSE(Host.PrintedRecipes[1].ForPortions);
}

// While the program cannot print, the print buttons are greyed in both dialogs.
TEST_F(DialogRecipeTest, PrintButtonsGreyWithoutPrinting)
{
    Open(Host.Data.Recipes.Head());
    EXPECT_FALSE(Dialog->findChild<QPushButton*>("printCalculation")->isEnabled());
    EXPECT_FALSE(Dialog->findChild<QPushButton*>("printRecipeSheet")->isEnabled());
    bool seen = false;
    WhenModalAppears<CDialogQuantityCalculation>([&seen](CDialogQuantityCalculation& quantity) {
        seen = true;
        EXPECT_FALSE(quantity.findChild<QPushButton*>("printCalculation")->isEnabled());
        QTest::keyClick(&quantity, Qt::Key_Escape);
    });
    Click(*Dialog, "calculateQuantity");
    EXPECT_TRUE(seen);
    EXPECT_TRUE(Host.PrintedRecipes.empty());
}

// A recipe of 0 portions shows no "inf" or "nan" anywhere, and its quantity calculation is
// refused (there is nothing to divide the lines by), as is one for 0 portions.
TEST_F(DialogRecipeTest, ZeroPortionsNeverShowInfinity)
{
    CRecipe* soup = AddRecipe(Host.Data, "Suppe", 0);
    soup->PriceSell = 11.9;
    soup->AddRecipeIngredient(nullptr, Host.Data.Ingredients.At(1), 0.5, 30);
    Open(soup);
    TypeInto(Dialog->PortionsField(), QStringLiteral("0"));
    PressEnter(Dialog->PortionsField());
    for (const QString& text : ShownTexts(*Dialog)) {
        EXPECT_FALSE(text.contains(QStringLiteral("inf"), Qt::CaseInsensitive)) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("nan"), Qt::CaseInsensitive)) << text.toStdString();
    }
    EXPECT_EQ(Field(EFigure::PriceBuy), QStringLiteral("0,00"));
    // Closes a calculation that should not have opened; goes with the dialog.
    bool opened = false;
    auto* watch = new QTimer(Dialog.get());
    QObject::connect(watch, &QTimer::timeout, [&opened] {
        if (auto* quantity = qobject_cast<CDialogQuantityCalculation*>(QApplication::activeModalWidget())) {
            opened = true;
            quantity->reject();
        }
    });
    watch->start(0);
    Click(*Dialog, "calculateQuantity");
    TypeInto(Dialog->PortionsField(), QStringLiteral("2"));
    TypeInto(Dialog->QuantityField(), QStringLiteral("0"));
    Click(*Dialog, "calculateQuantity");
    EXPECT_EQ(Host.Texts(), (std::vector<std::string>{Text(252), Text(252)}));
    EXPECT_TRUE(Dialog->QuantityField()->hasFocus());
    QApplication::processEvents();
    EXPECT_FALSE(opened);
}

namespace {

// A host that brings pictures into a real data directory, as the program does.
class CPictureHost : public CFakePageHost
{
public:
    CPictureHost()
        : m_utilities(m_files, Time, m_log), m_pictures(m_utilities, Recorded),
          m_dataPath(CPlatformPaths::ToText(DataDir.Path() / "KostenkochData.xml"))
    {
        DataDirectoryPath = CPlatformPaths::ToText(DataDir.Path());
    }
    bool CopyPictureToDataDirectory(std::string& path) override
    {
        return m_pictures.CopyToDataDirectory(Data, m_dataPath, path);
    }

    CTempDir DataDir;
    CTempDir Elsewhere;

private:
    CPosixFileSystem m_files;
    CRecordingLogSink m_log;
    CFileUtilities m_utilities;
    CPictureFiles m_pictures;
    std::string m_dataPath;
};

void SavePicture(const CTempDir& directory, const std::string& name, Qt::GlobalColor color)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(color);
    ASSERT_TRUE(image.save(QString::fromStdString(directory.File(name))));
}

class DialogRecipePictureTest : public testing::Test
{
protected:
    void Open()
    {
        Working.NameGroupIndex = 0;
        Dialog = std::make_unique<CDialogRecipe>(Host, Working, nullptr);
        Dialog->show();
        QApplication::setActiveWindow(Dialog.get());
    }
    void Choose(const std::string& path)
    {
        Host.Dialogs.QueueAnswer(path);
        Click(*Dialog, "openPicture");
    }
    QColor Middle() const
    {
        const QImage shown = Dialog->Picture()->grab().toImage();
        return QColor(shown.pixel(shown.width() / 2, shown.height() / 2));
    }

    CPictureHost Host;
    CRecipe Working{&Host.Data};
    std::unique_ptr<CDialogRecipe> Dialog;
};

} // namespace

// A picture from another folder is copied next to the data file, named bare and shown;
// "Löschen" takes it off the recipe, the file stays.
TEST_F(DialogRecipePictureTest, APictureFromElsewhereIsCopiedAndShown)
{
    SavePicture(Host.Elsewhere, "Suppe.png", Qt::red);
    Open();
    Choose(Host.Elsewhere.File("Suppe.png"));
    ASSERT_EQ(Host.Dialogs.GetRequests().size(), 1u);
    EXPECT_EQ(Host.Dialogs.GetRequests()[0].Request.Filter, CDialogRecipe::kPictureFilter);
    EXPECT_FALSE(Host.Dialogs.GetRequests()[0].Save);
    EXPECT_TRUE(std::filesystem::exists(Host.DataDir.Path() / "Suppe.png"));
    EXPECT_EQ(Working.PictureFilename, "Suppe.png");
    EXPECT_EQ(Middle(), QColor(Qt::red));
    EXPECT_TRUE(Host.Texts().empty());

    Click(*Dialog, "deletePicture");
    EXPECT_EQ(Working.PictureFilename, "");
    EXPECT_EQ(Middle(), QColor(Qt::white));
    EXPECT_TRUE(std::filesystem::exists(Host.DataDir.Path() / "Suppe.png"));
}

// A name that another recipe's picture has in the data directory is refused with message 226
// alone; a file that is no picture with 225; the picture shown before stays.
TEST_F(DialogRecipePictureTest, RefusesATakenNameAndAFileThatIsNoPicture)
{
    SavePicture(Host.DataDir, "Suppe.png", Qt::blue);
    SavePicture(Host.DataDir, "Salat.png", Qt::green);
    AddRecipe(Host.Data, "Tomatensuppe", 0)->PictureFilename = "Suppe.png";
    SavePicture(Host.Elsewhere, "Suppe.png", Qt::red);
    std::ofstream(Host.Elsewhere.Path() / "Notiz.png") << "kein Bild";
    Working.PictureFilename = "Salat.png";
    Open();
    EXPECT_EQ(Middle(), QColor(Qt::green));
    Choose(Host.Elsewhere.File("Suppe.png"));
    EXPECT_EQ(Host.Texts(), std::vector<std::string>{Text(226)});
    Choose(Host.Elsewhere.File("Notiz.png"));
    EXPECT_EQ(Host.Texts(), (std::vector<std::string>{Text(226), Text(225)}));
    EXPECT_EQ(Working.PictureFilename, "Salat.png");
    EXPECT_EQ(Middle(), QColor(Qt::green));
    EXPECT_FALSE(std::filesystem::exists(Host.DataDir.Path() / "Notiz.png"));
    QImage kept(QString::fromStdString(Host.DataDir.File("Suppe.png")));
    EXPECT_EQ(QColor(kept.pixel(5, 5)), QColor(Qt::blue)) << "the other recipe's picture is untouched";
}
