// The committed icon files (packaging/icons, drawn by kk_render_icons) still show the picture
// the program draws as its window icon; a changed picture fails here until they are redrawn.

#include "app/ProgramIcon.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const QString kIconName = QStringLiteral("de.kostenkoch.Kostenkoch");

QImage Transparent(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage WindowIcon(int size)
{
    QImage image = Transparent(size);
    QPainter painter(&image);
    CProgramIcon::Paint(painter, size);
    return image;
}

// The largest difference of any channel (alpha included) over all pixels.
int LargestDifference(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_ARGB32);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32);
    int largest = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            const QColor p = left.pixelColor(x, y);
            const QColor q = right.pixelColor(x, y);
            for (const int d :
                 {p.red() - q.red(), p.green() - q.green(), p.blue() - q.blue(), p.alpha() - q.alpha()})
                largest = std::max(largest, std::abs(d));
        }
    }
    return largest;
}

TEST(IconFilesTest, EveryPngSizeShowsTheWindowIcon)
{
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString file = QStringLiteral(KK_ICON_FOLDER "/%1x%1/apps/%2.png").arg(size).arg(kIconName);
        const QImage png(file);
        ASSERT_FALSE(png.isNull()) << file.toStdString();
        ASSERT_EQ(png.size(), QSize(size, size)) << file.toStdString();
        EXPECT_LE(LargestDifference(png, WindowIcon(size)), 2) << file.toStdString();
    }
    // No size the theme would offer beyond those checked above.
    const QStringList folders =
        QDir(QStringLiteral(KK_ICON_FOLDER)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_EQ(folders.size(), 8) << folders.join(u' ').toStdString();
}

// The SVG, rendered at a size no PNG has, matches the picture up to the edge smoothing of a
// second renderer; a wrong shape or colour differs by far more.
TEST(IconFilesTest, TheScalableIconShowsTheWindowIcon)
{
    QSvgRenderer svg(QStringLiteral(KK_ICON_FOLDER "/scalable/apps/") + kIconName + QStringLiteral(".svg"));
    ASSERT_TRUE(svg.isValid());
    constexpr int size = 80;
    QImage rendered = Transparent(size);
    QPainter painter(&rendered);
    svg.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    const QImage expected = WindowIcon(size);
    EXPECT_LE(LargestDifference(rendered, expected), 8);
    // The tile's red in the middle of its left edge, the pot's white in its body.
    EXPECT_EQ(QColor(rendered.pixel(size / 16, size / 2)), QColor(expected.pixel(size / 16, size / 2)));
    EXPECT_EQ(QColor(rendered.pixel(size / 2, size * 10 / 16)), QColor(Qt::white));
}

} // namespace
