#include "controls/ThemeLibrary.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A white picture with something drawn on it counts as drawn.
bool Drawn(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) != Qt::white)
                return true;
        }
    }
    return false;
}

QImage WhiteImage()
{
    QImage image(60, 30, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

TEST(ThemeLibrary, WithoutAStyleEveryCallFallsBack)
{
    const CThemeLibrary library([] { return static_cast<QStyle*>(nullptr); });
    QWidget window;
    QImage image = WhiteImage();
    QPainter painter(&image);
    EXPECT_FALSE(library.IsAppThemed());
    EXPECT_EQ(library.OpenThemeData(&window, QStringLiteral("BUTTON")), nullptr);
    EXPECT_EQ(library.CloseThemeData(nullptr), CThemeLibrary::kFailure);
    EXPECT_EQ(library.DrawThemeBackground(nullptr, painter, CThemeLibrary::kPushButtonPart,
                                          CThemeLibrary::kNormal, image.rect()),
              CThemeLibrary::kFailure);
}

TEST(ThemeLibrary, ThePlainStyleCountsAsUnthemed)
{
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Windows")));
    ASSERT_NE(plain, nullptr);
    const CThemeLibrary library([&] { return plain.get(); });
    EXPECT_FALSE(library.IsAppThemed());
    EXPECT_EQ(library.OpenThemeData(nullptr, QStringLiteral("BUTTON")), nullptr);
    EXPECT_TRUE(CThemeLibrary().IsAppThemed()) << "the tests run with Fusion";
}

TEST(ThemeLibrary, OpensTheButtonClassOnly)
{
    const CThemeLibrary library;
    QWidget window;
    for (const char* list : {"BUTTON", "button", "Window; Button"}) {
        CThemeLibrary::CTheme* theme = library.OpenThemeData(&window, QString::fromLatin1(list));
        EXPECT_NE(theme, nullptr) << list;
        EXPECT_EQ(library.CloseThemeData(theme), CThemeLibrary::kOk);
    }
    EXPECT_EQ(library.OpenThemeData(&window, QStringLiteral("TAB")), nullptr);
}

TEST(ThemeLibrary, DrawsPushButtonStatesWithinTheClip)
{
    const CThemeLibrary library;
    QWidget window;
    CThemeLibrary::CTheme* theme = library.OpenThemeData(&window, QStringLiteral("BUTTON"));
    ASSERT_NE(theme, nullptr);
    for (int state = CThemeLibrary::kNormal; state <= CThemeLibrary::kDefaulted; ++state) {
        QImage image = WhiteImage();
        QPainter painter(&image);
        const QRect clip(0, 0, 30, 30);
        EXPECT_EQ(library.DrawThemeBackground(theme, painter, CThemeLibrary::kPushButtonPart, state,
                                              image.rect(), &clip),
                  CThemeLibrary::kOk);
        painter.end();
        EXPECT_TRUE(Drawn(image, clip)) << state;
        EXPECT_FALSE(Drawn(image, QRect(30, 0, 30, 30))) << state;
    }
    QImage image = WhiteImage();
    QPainter painter(&image);
    EXPECT_EQ(library.DrawThemeBackground(theme, painter, 2, CThemeLibrary::kNormal, image.rect()),
              CThemeLibrary::kFailure);
    EXPECT_EQ(library.DrawThemeBackground(theme, painter, CThemeLibrary::kPushButtonPart, 9, image.rect()),
              CThemeLibrary::kFailure);
    library.CloseThemeData(theme);
}
