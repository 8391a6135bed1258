#include "ManualClock.h"
#include "app/SplashDialog.h"
#include "app/StartPicture.h"

#include <QPixmap>
#include <gtest/gtest.h>

namespace {

// The part of the window that shows the picture, as it was painted.
QImage PictureArea(CSplashDlg& splash)
{
    return splash.grab().toImage().copy(CSplashDlg::kBorder, CSplashDlg::kBorder, CStartPicture::kWidth,
                                        CStartPicture::kHeight);
}

// How many pixels of a row band differ between two pictures.
int DifferingPixels(const QImage& a, const QImage& b, int top, int bottom)
{
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    }
    return count;
}

TEST(SplashTest, ShowsTheStartPictureWithABorderOfTwoPixels)
{
    CManualClock clock;
    CSplashDlg splash(clock);
    EXPECT_EQ(splash.size(), QSize(504, 374));

    const QImage picture = CStartPicture::Render();
    splash.SetPicture(picture);
    splash.ShowNow();

    EXPECT_EQ(splash.grab().size(), QSize(CStartPicture::kWidth + 4, CStartPicture::kHeight + 4));
    const QImage shown = PictureArea(splash).convertToFormat(picture.format());
    EXPECT_EQ(DifferingPixels(shown, picture, 0, CStartPicture::kHeight), 0);
}

TEST(SplashTest, StatusLineIsPaintedAtOnceInItsRowAndNowhereElse)
{
    CManualClock clock;
    CSplashDlg splash(clock);
    const QImage picture = CStartPicture::Render();
    splash.SetPicture(picture);
    splash.ShowNow();

    splash.SetStatus(QStringLiteral(u"Initialisiere Verkäufe"));
    EXPECT_EQ(splash.GetStatus(), QStringLiteral(u"Initialisiere Verkäufe"));

    const QImage shown = PictureArea(splash).convertToFormat(picture.format());
    // The second line starts at y = 343 of the picture; the first line (from 325) stays empty.
    EXPECT_EQ(DifferingPixels(shown, picture, 0, 343), 0);
    EXPECT_GT(DifferingPixels(shown, picture, 343, CStartPicture::kHeight), 20);
    // Left-aligned from x = 10: nothing is painted left of it.
    EXPECT_EQ(shown.copy(0, 343, 10, 27), picture.copy(0, 343, 10, 27));
}

// Closing waits in 100 ms steps of the clock until 3500 ms have passed since creation,
// including across the wrap-around of the 32-bit tick count.
TEST(SplashTest, CloseWaitsUntil3500MillisecondsAfterCreation)
{
    const struct
    {
        uint32_t CreatedAt;
        uint32_t ElapsedBeforeClose;
        uint64_t ExpectedSleep;
    } cases[] = {
        {0, 0, 3500},      {1000, 1234, 2300}, // 3400 ms after 2266 ms of wait: one more step
        {5000, 3499, 100}, {5000, 3500, 0},
        {5000, 60000, 0},  {0xFFFFFF00u, 1000, 2500}, // the tick count wraps during the wait
    };
    for (const auto& c : cases) {
        CManualClock clock;
        clock.AdvanceTicks(c.CreatedAt);
        CSplashDlg splash(clock);
        splash.ShowNow();
        clock.AdvanceTicks(c.ElapsedBeforeClose);

        splash.CloseAfterMinimumTime();

        EXPECT_EQ(clock.SleptMilliseconds(), c.ExpectedSleep) << c.CreatedAt << " + " << c.ElapsedBeforeClose;
        EXPECT_GE(clock.TickCount() - splash.GetCreationTick(), CSplashDlg::kMinimumShowMs);
        EXPECT_FALSE(splash.isVisible());
    }
}

TEST(StartPictureTest, LeavesAPlainBandForTheTextLines)
{
    const QImage picture = CStartPicture::Render();
    ASSERT_EQ(picture.size(), QSize(500, 370));
    const QRgb band = picture.pixel(0, CStartPicture::kTextBandTop + 1);
    for (int y = CStartPicture::kTextBandTop + 1; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            ASSERT_EQ(picture.pixel(x, y), band) << x << ", " << y;
    }
    // Dark text on the band must stand out: the band is light.
    EXPECT_GT(qGray(band), 200);
    // The motif above is no empty picture: the name is drawn in the top rows.
    EXPECT_LT(qGray(picture.pixel(0, 40)), 255);
    int darkPixels = 0;
    for (int x = 0; x < picture.width(); ++x)
        darkPixels += qGray(picture.pixel(x, 44)) < 128;
    EXPECT_GT(darkPixels, 20);
}

} // namespace
