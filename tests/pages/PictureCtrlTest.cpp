#include "pages/recipes/PictureCtrl.h"

#include "TempDir.h"
#include "platform/PlatformPaths.h"

#include <QApplication>
#include <QImage>
#include <QImageWriter>
#include <fstream>
#include <gtest/gtest.h>

namespace {

// A 1 x 1 red GIF written by hand (Qt writes no GIF): colour table red and white, then the
// LZW codes clear, 0, end in three bits each.
const char kGif[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\xff\xff\xff"
                    "!\xf9\x04\x00\x00\x00\x00\x00"
                    ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;";

std::string DirectoryText(const CTempDir& directory)
{
    return CPlatformPaths::ToText(directory.Path());
}

QImage Filled(int width, int height, Qt::GlobalColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

} // namespace

// Wide pictures fill the width and sit in the middle of the height, tall ones the reverse.
TEST(PictureCtrl, FitKeepsTheAspectRatioAndCentres)
{
    struct CCase
    {
        QSize Picture;
        QRect Area;
        QRect Expected;
    } cases[] = {
        {{200, 100}, {0, 0, 100, 100}, {0, 25, 100, 50}},
        {{100, 200}, {0, 0, 200, 100}, {75, 0, 50, 100}},
        {{30, 20}, {10, 10, 300, 200}, {10, 10, 300, 200}}, // small pictures grow
        {{0, 0}, {0, 0, 100, 100}, {}},
    };
    for (const CCase& c : cases)
        EXPECT_EQ(CPictureCtrl::FitRect(c.Picture, c.Area), c.Expected)
            << c.Picture.width() << "x" << c.Picture.height();
}

// A square red picture in a 200 x 100 control: red in the middle, white bands left and right.
TEST(PictureCtrl, PaintsThePictureOnWhite)
{
    CTempDir directory;
    ASSERT_TRUE(Filled(50, 50, Qt::red).save(QString::fromStdString(directory.File("rot.png"))));
    CPictureCtrl control;
    control.resize(200, 100);
    EXPECT_TRUE(control.Load(DirectoryText(directory), "rot.png"));
    const QImage shown = control.grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(100, 50)), QColor(Qt::red));
    EXPECT_EQ(QColor(shown.pixel(20, 50)), QColor(Qt::white));
    EXPECT_EQ(QColor(shown.pixel(180, 50)), QColor(Qt::white));
    control.Clear();
    EXPECT_EQ(QColor(control.grab().toImage().pixel(100, 50)), QColor(Qt::white));
    EXPECT_FALSE(control.Load("", "rot.png"));
    EXPECT_FALSE(control.Load(DirectoryText(directory), ""));
}

// The four kinds of picture a user brings all load (Qt's image plug-ins for JPEG and GIF are
// there); a text file with a picture's name does not, and a PNG named ".jpg" still does.
TEST(PictureCtrl, LoadsJpegPngGifAndBmp)
{
    CTempDir directory;
    const QImage red = Filled(8, 6, Qt::red);
    for (const char* name : {"a.png", "a.jpg", "a.jpeg", "a.bmp"})
        ASSERT_TRUE(red.save(QString::fromStdString(directory.File(name)))) << name;
    ASSERT_TRUE(red.save(QString::fromStdString(directory.File("png-inside.jpg")), "PNG"));
    std::ofstream(directory.Path() / "a.gif", std::ios::binary).write(kGif, sizeof kGif - 1);
    std::ofstream(directory.Path() / "text.png") << "no picture";
    CPictureCtrl control;
    for (const char* name : {"a.png", "a.jpg", "a.jpeg", "a.bmp", "a.gif", "png-inside.jpg"}) {
        EXPECT_TRUE(CPictureCtrl::CanLoad(directory.File(name))) << name;
        ASSERT_TRUE(control.Load(DirectoryText(directory), name)) << name;
        const QColor middle = control.Picture().pixelColor(0, 0);
        EXPECT_GT(middle.red(), 200) << name;
        EXPECT_LT(middle.green(), 60) << name;
    }
    EXPECT_FALSE(CPictureCtrl::CanLoad(directory.File("text.png")));
    EXPECT_FALSE(CPictureCtrl::CanLoad(directory.File("missing.png")));
}
