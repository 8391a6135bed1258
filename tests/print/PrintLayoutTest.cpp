// The print frame's geometry on a PDF device: margins and fonts follow the device's size and
// resolution, the header and footer frame the body, and the font cache creates each font once.

#include "print/PrintLayout.h"

#include "PrintTestSupport.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPageSize>
#include <gtest/gtest.h>

namespace {

double Millimetres(int units, int resolution)
{
    return units * 25.4 / resolution;
}

} // namespace

TEST(PrintLayoutTest, MarginsAndFontsKeepTheirSizeInMillimetresAtEveryResolution)
{
    for (int resolution : {300, 600, 1200}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(resolution);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        CPrintLayout layout(writer, TestHeader());
        SCOPED_TRACE(resolution);
        const QRect& content = layout.Content();
        EXPECT_NEAR(Millimetres(content.x(), resolution), 18.0, 0.1);
        EXPECT_NEAR(Millimetres(content.y(), resolution), 18.0, 0.1);
        EXPECT_NEAR(Millimetres(content.width(), resolution), 210.0 - 36.0, 0.2);
        EXPECT_NEAR(Millimetres(content.height(), resolution), 297.0 - 36.0, 0.2);
        // Each three-quarter step may cut off up to a device unit.
        const double unit = 25.4 / resolution;
        EXPECT_NEAR(Millimetres(layout.Font1().Height, resolution), 6.0, unit);
        EXPECT_NEAR(Millimetres(layout.Font2().Height, resolution), 4.5, 2 * unit);
        EXPECT_NEAR(Millimetres(layout.Font3().Height, resolution), 3.375, 3 * unit);
        EXPECT_EQ(layout.Font1().Width, layout.Font1().Height / 2);
        EXPECT_EQ(layout.Font3().Width, layout.Font2().Width * 3 / 4);
    }
}

// The created font really has the cell height and average width it was asked for.
TEST(PrintLayoutTest, FontsHaveTheRequestedCellHeightAndWidthInBoldArialMetrics)
{
    CPdfDevice device;
    CPrintLayout layout(device.Writer(), TestHeader());
    for (const CPrintFont& font : {layout.Font1(), layout.Font2(), layout.Font3()}) {
        const QFont& created = layout.QtFont(font);
        const QFontMetrics metrics(created, &device.Writer());
        EXPECT_TRUE(created.bold());
        EXPECT_NEAR(metrics.height(), font.Height, 2 + font.Height / 50) << font.Height;
        EXPECT_NEAR(metrics.averageCharWidth(), font.Width, 2 + font.Width / 25) << font.Width;
    }
    EXPECT_EQ(QFontInfo(layout.QtFont(layout.Font2())).family(), QStringLiteral("Liberation Sans"));
}

TEST(PrintLayoutTest, HeaderAndFooterFrameTheBodyOnEveryPage)
{
    CPdfDevice device;
    CPrintLayout layout(device.Writer(), TestHeader());
    layout.NewPage();
    layout.NewPage();
    const std::vector<CPrintItem> items = layout.PageItems(2);
    QStringList texts;
    int headerRule = -1;
    int footerRule = -1;
    for (const CPrintItem& item : items) {
        EXPECT_EQ(item.Page, 2);
        EXPECT_TRUE(Inside(item, layout.Content())) << item.Text.toStdString();
        if (item.Kind == CPrintItem::EKind::Text) {
            texts << item.Text;
            EXPECT_TRUE(item.Flags & Qt::AlignRight) << item.Text.toStdString();
        } else if (headerRule < 0) {
            headerRule = item.From.y();
        } else {
            footerRule = item.From.y();
        }
    }
    EXPECT_EQ(texts, QStringList({"Marta Brenner", "Gasthof Zur Linde", "Zutatenliste", "14.03.24 12:30",
                                  "Seite 2 von 3"}));
    const QRect& body = layout.Body();
    EXPECT_LT(headerRule, body.y());
    EXPECT_GT(footerRule, body.y() + body.height());
    // The header's four lines of font 2 take less than a fifth of the page; the footer less.
    EXPECT_LT(body.y() - layout.Content().y(), layout.Content().height() / 5);
}

TEST(PrintLayoutTest, FontCacheCreatesEachFontOnceForTheJob)
{
    CPdfDevice device;
    CPrintLayout layout(device.Writer(), TestHeader());
    for (int round = 0; round < 50; ++round) {
        layout.LineHeight(layout.Font2());
        layout.TextWidth(QStringLiteral("Zwiebeln"), layout.Font3());
        layout.PageItems(1);
    }
    EXPECT_EQ(layout.Fonts().Count(), 2);
    EXPECT_EQ(&layout.QtFont(layout.Font2()),
              &layout.QtFont(CPrintFont{layout.Font2().Height, layout.Font2().Width}));
}
