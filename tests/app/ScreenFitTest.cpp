#include "app/ScreenFit.h"

#include <gtest/gtest.h>

namespace {

const QRect kLeft{0, 0, 1920, 1040};
const QRect kRight{1920, 0, 1280, 984};

struct CFitCase
{
    const char* Name;
    QRect Window;
    std::vector<QRect> Screens;
    QRect Expected;
};

TEST(ScreenFitTest, WindowsLandWhereTheUserCanReachThem)
{
    const CFitCase cases[] = {
        {"on the screen: stays", {100, 80, 900, 700}, {kLeft}, {100, 80, 900, 700}},
        {"no screens known: stays", {5000, 80, 900, 700}, {}, {5000, 80, 900, 700}},
        {"screen on the right gone: moves back", {2200, 100, 900, 700}, {kLeft}, {1820, 100, 900, 700}},
        {"far below: bottom corner stays visible", {100, 3000, 900, 700}, {kLeft}, {100, 940, 900, 700}},
        {"title bar above the screen: moves down", {100, -50, 900, 700}, {kLeft}, {100, 0, 900, 700}},
        {"hangs over the left edge, 150 pixels visible: stays",
         {-750, 80, 900, 700},
         {kLeft},
         {-750, 80, 900, 700}},
        {"hangs over the left edge, 50 pixels visible: 100 visible",
         {-850, 80, 900, 700},
         {kLeft},
         {-800, 80, 900, 700}},
        {"larger than the screen: shrinks", {0, 0, 2500, 1600}, {kLeft}, {0, 0, 1920, 1040}},
        {"mostly on the right screen: stays there",
         {2000, 100, 900, 700},
         {kLeft, kRight},
         {2000, 100, 900, 700}},
        {"right screen's area limits the size", {2000, 0, 1400, 1200}, {kLeft, kRight}, {2000, 0, 1280, 984}},
        {"gone screen nearest to the right one",
         {3400, 200, 600, 400},
         {kLeft, kRight},
         {3100, 200, 600, 400}},
        {"gone screen above: nearest is the left one",
         {300, -2000, 600, 400},
         {kLeft, kRight},
         {300, 0, 600, 400}},
        {"tiny window fully visible", {5000, 5000, 60, 40}, {kLeft}, {1860, 1000, 60, 40}},
    };
    for (const CFitCase& c : cases)
        EXPECT_EQ(CScreenFit::Fit(c.Window, c.Screens), c.Expected) << c.Name;
}

} // namespace
