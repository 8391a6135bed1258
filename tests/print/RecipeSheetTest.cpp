// The recipe and calculation sheets: which blocks each has, the prices for N portions, the
// second currency, and the picture with the remark beside it.

#include "print/RecipeSheet.h"

#include "CatalogueBuilder.h"
#include "PrintTestSupport.h"
#include "TempDir.h"
#include "print/PrintLayout.h"
#include "print/PrintPass.h"

#include <QBuffer>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// 4 portions of a dish at 23.50 gross (group 0: 19 % VAT, target ratio 30 %): one line of
// 0.5 kg of meat at 4.00 for 2 kg (1.00), one of 0.2 kg of onions at 1.00 per kg with 50 %
// loss (0.4 kg bought, 0.40): 1.40 for the recipe, 0.35 a portion.
class RecipeSheetTest : public testing::Test
{
protected:
    RecipeSheetTest()
    {
        m_data.SetDefaults();
        m_data.Taxes[0] = 19.0;
        m_data.Quotes[0] = 30.0;
        CIngredient& meat = AddIngredient(m_data,
                                          "Rinderh\xFC"
                                          "fte",
                                          4.0, 2.0);
        CIngredient& onions = AddIngredient(m_data, "Zwiebeln", 1.0, 1.0);
        m_recipe = &AddRecipe(m_data, "Zwiebelrostbraten", 4.0);
        m_recipe->PriceSell = 23.50;
        m_recipe->AddRecipeIngredient(nullptr, &meat, 0.5, 0.0);
        m_recipe->AddRecipeIngredient(nullptr, &onions, 0.2, 50.0);
    }

    QStringList Texts(const CRecipePrintRequest& request, const QString& picture = {})
    {
        m_layout = std::make_unique<CPrintLayout>(m_device.Writer(), TestHeader());
        EXPECT_TRUE(CRecipeSheet(*m_recipe, request, picture).Layout(*m_layout));
        QStringList texts;
        for (const CPrintItem& item : m_layout->Items())
            if (item.Kind == CPrintItem::EKind::Text)
                texts << item.Text;
        return texts;
    }

    CData m_data;
    CRecipe* m_recipe = nullptr;
    CPdfDevice m_device;
    std::unique_ptr<CPrintLayout> m_layout;
};

} // namespace

TEST_F(RecipeSheetTest, RecipeSheetHasTheSellingPriceButNoPriceBlockAndNoPriceColumn)
{
    const QStringList texts = Texts({ERecipeSheet::Recipe, false, 0.0});
    EXPECT_EQ(texts, QStringList({"Zwiebelrostbraten", "Verkaufspreis brutto : 23,50 EUR",
                                  "Zutaten f\u00fcr 4 Portionen : ", "Nr.", "Name", "Menge", "Einheit", "1",
                                  "Rinderh\u00fcfte", "0,50", "kg", "2", "Zwiebeln", "0,40", "kg"}));
}

TEST_F(RecipeSheetTest, CalculationSheetHasThePriceBlockAndThePriceColumn)
{
    const QStringList texts = Texts({ERecipeSheet::Calculation, false, 0.0});
    // Net selling price 23.50 / 1.19 = 19.75; calculated net 0.35 / 30 % = 1.1667.
    EXPECT_EQ(texts, QStringList({"Zwiebelrostbraten",
                                  "Einkaufspreis pro Portion : 0,35 EUR",
                                  "Deckungsbeitrag : 19,40 EUR",
                                  "Wareneinsatzquote : 1,77 Prozent",
                                  "kalkulierter Verkaufspreis brutto : 1,39 EUR",
                                  "kalkulierter Verkaufspreis netto : 1,17 EUR",
                                  "tats\u00e4chlicher Verkaufspreis brutto : 23,50 EUR",
                                  "tats\u00e4chlicher Verkaufspreis netto : 19,75 EUR",
                                  "Zutaten f\u00fcr 4 Portionen : ",
                                  "Nr.",
                                  "Name",
                                  "Menge",
                                  "Einheit",
                                  "Preis",
                                  "1",
                                  "Rinderh\u00fcfte",
                                  "0,50",
                                  "kg",
                                  "1,00",
                                  "2",
                                  "Zwiebeln",
                                  "0,40",
                                  "kg",
                                  "0,40"}));
}

// For 10 portions of a 4-portion recipe: lines times 2.5, money times 10, the ratio as it is,
// the second currency times 10 like every other price.
TEST_F(RecipeSheetTest, CalculationSheetForNPortionsScalesAmountsAndPrices)
{
    m_data.CurrencyUnit2 = "DM";
    m_data.CurrencyFactor2 = 2.0;
    const QStringList texts = Texts({ERecipeSheet::Calculation, true, 10.0});
    for (const char* expected :
         {"Einkaufspreis f\u00fcr 10 Portionen : 3,50 EUR", "Deckungsbeitrag : 193,98 EUR",
          "Wareneinsatzquote : 1,77 Prozent", "tats\u00e4chlicher Verkaufspreis brutto : 235,00 EUR",
          "tats\u00e4chlicher Verkaufspreis brutto (W\u00e4hrung 2) : 470,00 DM",
          "Zutaten f\u00fcr 10 Portionen : ", "1,25", "2,50", "1,00"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_FALSE(texts.contains("0,50"));
}

TEST_F(RecipeSheetTest, SecondCurrencyLineOnlyWithASecondCurrencyName)
{
    const auto hasLine = [this] {
        for (const QString& text : Texts({ERecipeSheet::Calculation, false, 0.0}))
            if (text.contains(QString::fromUtf8("W\u00e4hrung 2")))
                return true;
        return false;
    };
    m_data.CurrencyUnit2.clear();
    EXPECT_FALSE(hasLine());
    m_data.CurrencyUnit2 = "CHF";
    EXPECT_TRUE(hasLine());
    // Not on the recipe sheet.
    EXPECT_FALSE(Texts({ERecipeSheet::Recipe, false, 0.0}).join("").contains("CHF"));
}

TEST(RecipeSheetPictureTest, PictureIsHalfTheWidthLessTwoLinesAndAtMostTenLinesHigh)
{
    struct CCase
    {
        QSize Image;
        QSize Expected;
    };
    // Content 4000 wide, lines 100 high: at most 1800 wide and 1000 high.
    const CCase cases[] = {
        {{1000, 100}, {1800, 180}}, // wide: the width limit
        {{100, 1000}, {100, 1000}}, // tall: ten lines high, narrower in proportion
        {{40, 30}, {1333, 1000}},   // small pictures grow to the limits as well
        {{300, 300}, {1000, 1000}}, // square: the height limit
        {{0, 300}, {}},             // no picture
    };
    for (const CCase& sample : cases)
        EXPECT_EQ(CRecipeSheet::PictureSize(sample.Image, 4000, 100), sample.Expected)
            << sample.Image.width();
    EXPECT_EQ(CRecipeSheet::PictureSize({100, 100}, 300, 100), QSize());
}

TEST_F(RecipeSheetTest, RemarkIsWrappedBesideThePictureFourLinesToItsRight)
{
    CTempDir directory;
    const QString path = QString::fromStdString((directory.Path() / "tall.png").string());
    QImage tall(200, 2000, QImage::Format_RGB32);
    tall.fill(Qt::darkRed);
    ASSERT_TRUE(tall.save(path));
    m_recipe->Comment = "Das Fleisch \xFC"
                        "ber Nacht marinieren.\r\nZwiebeln in Butter gold\xE4hnlich br\xE4unen "
                        "und zum Schluss mit etwas Bratensaft abl\xF6schen.";
    Texts({ERecipeSheet::Recipe, false, 0.0}, path);

    const int line = m_layout->LineHeight(m_layout->Font2());
    const CPrintItem* picture = nullptr;
    const CPrintItem* remark = nullptr;
    for (const CPrintItem& item : m_layout->Items()) {
        if (item.Kind == CPrintItem::EKind::Picture)
            picture = &item;
        if (item.Kind == CPrintItem::EKind::Text && item.Text.startsWith("Das Fleisch"))
            remark = &item;
    }
    ASSERT_TRUE(picture && remark);
    EXPECT_EQ(picture->Rect.height(), 10 * line);
    EXPECT_EQ(picture->Rect.width(), 10 * line / 10);
    EXPECT_EQ(picture->Rect.x(), m_layout->Body().x());
    EXPECT_EQ(remark->Rect.x(), picture->Rect.x() + picture->Rect.width() + 4 * line);
    EXPECT_EQ(remark->Rect.y(), picture->Rect.y());
    // The line break of the remark starts a new line.
    EXPECT_TRUE(remark->Text.endsWith("marinieren.")) << remark->Text.toStdString();
    EXPECT_EQ(ItemsWithText(*m_layout, QString::fromUtf8("Zwiebeln in Butter")).size(), 0u);
    // The lines table starts below the taller of the two.
    const std::vector<CPrintItem> headings = ItemsWithText(*m_layout, "Nr.");
    ASSERT_EQ(headings.size(), 1u);
    EXPECT_GT(headings[0].Rect.y(), picture->Rect.y() + picture->Rect.height());
}

// A remark longer than a page starts below the name and goes on over the next pages: no line
// is cut at the bottom, and the lines table follows the remark's end.
TEST_F(RecipeSheetTest, LongRemarkContinuesOnTheNextPageInsteadOfBeingCut)
{
    std::string remark;
    for (int step = 1; step <= 150; ++step)
        remark += "Schritt " + std::to_string(step) + ": alles gut verr\xFChren und kurz ruhen lassen.\r\n";
    m_recipe->Comment = remark;
    Texts({ERecipeSheet::Recipe, false, 0.0});

    ASSERT_GE(m_layout->PageCount(), 2);
    const QRect& body = m_layout->Body();
    int firstPage = 0;
    int lastPage = 0;
    int lastY = 0;
    int step = 0;
    for (const CPrintItem& item : m_layout->Items()) {
        ASSERT_TRUE(Inside(item, body)) << item.Text.toStdString();
        if (item.Kind != CPrintItem::EKind::Text)
            continue;
        const QFontMetrics metrics = m_layout->Metrics(item.Font);
        EXPECT_LE(metrics.boundingRect(item.Rect, item.Flags, item.Text).height(), item.Rect.height())
            << item.Text.toStdString();
        if (!item.Text.startsWith("Schritt "))
            continue;
        EXPECT_TRUE(item.Text.startsWith(QStringLiteral("Schritt %1:").arg(++step)))
            << item.Text.toStdString();
        EXPECT_TRUE(item.Page > lastPage || item.Rect.y() > lastY);
        firstPage = firstPage > 0 ? firstPage : item.Page;
        lastPage = item.Page;
        lastY = item.Rect.y();
    }
    EXPECT_EQ(step, 150);
    EXPECT_EQ(firstPage, 1);
    const std::vector<CPrintItem> headings = ItemsWithText(*m_layout, "Nr.");
    ASSERT_EQ(headings.size(), 1u);
    EXPECT_EQ(headings[0].Page, lastPage);
    EXPECT_GT(headings[0].Rect.y(), lastY);
}

TEST_F(RecipeSheetTest, PictureThatCannotBeLoadedIsLeftOut)
{
    CTempDir directory;
    const QString path = QString::fromStdString((directory.Path() / "broken.png").string());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    m_recipe->Comment = "Bemerkung";
    for (const QString& candidate :
         {path, QString::fromStdString((directory.Path() / "missing.jpg").string())}) {
        Texts({ERecipeSheet::Recipe, false, 0.0}, candidate);
        for (const CPrintItem& item : m_layout->Items())
            EXPECT_NE(item.Kind, CPrintItem::EKind::Picture);
        const std::vector<CPrintItem> remark = ItemsWithText(*m_layout, "Bemerkung");
        ASSERT_EQ(remark.size(), 1u);
        EXPECT_EQ(remark[0].Rect.x(), m_layout->Body().x());
    }
}

// A phone photo stored sideways with an orientation tag prints upright, as the recipe dialog
// shows it: red on top, blue below, and in the proportions of the upright picture.
TEST_F(RecipeSheetTest, PhotoWithAnOrientationTagPrintsUpright)
{
    CTempDir directory;
    const QString path = QString::fromStdString((directory.Path() / "handy.jpg").string());
    QImage stored(200, 100, QImage::Format_RGB32);
    stored.fill(Qt::blue);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            stored.setPixelColor(x, y, Qt::red);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    ASSERT_TRUE(stored.save(&buffer, "JPEG", 95));
    // An Exif block right after the start marker: one entry, orientation 6 (turn clockwise).
    const char exif[] = "\xFF\xE1\x00\x22"
                        "Exif\0\0"
                        "MM\0\x2A\0\0\0\x08"
                        "\0\x01"
                        "\x01\x12\0\x03\0\0\0\x01\0\x06\0\0"
                        "\0\0\0\0";
    jpeg.insert(2, QByteArray(exif, sizeof(exif) - 1));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(jpeg);
    file.close();
    Texts({ERecipeSheet::Recipe, false, 0.0}, path);

    const CPrintItem* picture = nullptr;
    for (const CPrintItem& item : m_layout->Items())
        if (item.Kind == CPrintItem::EKind::Picture)
            picture = &item;
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Rect.height(), 2 * picture->Rect.width());
    QImage page(picture->Rect.size(), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.translate(-picture->Rect.topLeft());
    CPrintPass::DrawItem(painter, *m_layout, *picture);
    painter.end();
    const auto isRed = [](const QColor& color) { return color.red() > 200 && color.blue() < 60; };
    const auto isBlue = [](const QColor& color) { return color.blue() > 200 && color.red() < 60; };
    const int middle = page.width() / 2;
    EXPECT_TRUE(isRed(page.pixelColor(middle, page.height() / 4)));
    EXPECT_TRUE(isBlue(page.pixelColor(middle, page.height() * 3 / 4)));
}
