#include "controls/FlatButton.h"

#include "ControlFakes.h"
#include "RecordingAddressOpener.h"
#include "controls/LinkStatic.h"
#include "controls/ThemeLibrary.h"
#include "controls/ThemedButton.h"

#include <QDir>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 160, 0);
const QColor kBlue(0, 0, 255);

// A captionless button, so that its centre shows the background.
struct CColouredButton
{
    CColouredButton()
    {
        Button.resize(80, 26);
        Button.SetColor(CFlatButton::kHoverBackground, kRed);
        Button.SetColor(CFlatButton::kBackground, kGreen);
        Button.SetColor(CFlatButton::kFocusBackground, kBlue);
    }
    QColor Centre() { return Button.grab().toImage().pixelColor(40, 13); }

    CFlatButton Button;
};

} // namespace

TEST(FlatButton, ColoursDefaultToThePaletteAndRejectIndexSixOrMore)
{
    CFlatButton button;
    const QPalette palette = button.palette();
    for (int slot = 0; slot < CFlatButton::kColorCount; ++slot) {
        const auto role = slot % 2 == 0 ? QPalette::Button : QPalette::ButtonText;
        EXPECT_EQ(button.GetColor(slot), palette.color(role)) << slot;
    }
    EXPECT_EQ(button.SetColor(6, kRed), 3);
    EXPECT_EQ(button.SetColor(-1, kRed), 3);
    EXPECT_EQ(button.SetColor(5, kRed), 0);
    EXPECT_EQ(button.GetColor(5), kRed);
    EXPECT_EQ(button.GetColor(4), palette.color(QPalette::Button));
    EXPECT_FALSE(button.GetColor(6).isValid());
}

TEST(FlatButton, CheckStateChangesOnlyInCheckBoxMode)
{
    CFlatButton button(QStringLiteral("Fisch"));
    button.resize(80, 26);
    button.SetCheck(true);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_FALSE(button.GetCheck());

    button.SetCheckBoxMode(true);
    button.SetCheck(true);
    EXPECT_TRUE(button.GetCheck());
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_FALSE(button.GetCheck());
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_TRUE(button.GetCheck());
    EXPECT_TRUE(button.IsDrawnPressed());
}

TEST(FlatButton, HoverNeedsAFlatButtonAndAnActiveWindowOrTracking)
{
    CFlatButton button;
    button.resize(80, 26);
    SendMouseMove(button, {10, 10});
    EXPECT_FALSE(button.IsHover()) << "its window is not active";

    button.SetTrackWhenInactive(true);
    SendMouseMove(button, {10, 10});
    EXPECT_TRUE(button.IsHover());
    SendMouseMove(button, {90, 10});
    EXPECT_FALSE(button.IsHover()) << "a move outside ends the hover";
    SendEnter(button, {5, 5});
    EXPECT_TRUE(button.IsHover());
    SendLeave(button);
    EXPECT_FALSE(button.IsHover());

    button.SetFlat(false);
    SendMouseMove(button, {10, 10});
    EXPECT_FALSE(button.IsHover()) << "a raised button does not track";
}

TEST(FlatButton, HoverInTheActiveWindow)
{
    QWidget window;
    CFlatButton button(&window);
    button.setGeometry(0, 0, 80, 26);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    SendMouseMove(button, {10, 10});
    EXPECT_TRUE(button.IsHover());
}

TEST(FlatButton, BackgroundSlotFollowsHoverPressAndFocus)
{
    struct CCase
    {
        bool Hover, Pressed, Focused;
        int Slot;
    };
    const CCase cases[] = {
        {false, false, false, 2}, {true, false, false, 0}, {false, true, false, 0},
        {true, true, true, 0},    {false, false, true, 4},
    };
    for (const CCase& c : cases)
        EXPECT_EQ(FlatButtonBackgroundSlot(c.Hover, c.Pressed, c.Focused), c.Slot)
            << c.Hover << c.Pressed << c.Focused;
}

TEST(FlatButton, PaintsTheBackgroundOfItsState)
{
    CColouredButton idle;
    EXPECT_EQ(idle.Centre(), kGreen);

    CColouredButton hovered;
    hovered.Button.SetTrackWhenInactive(true);
    SendMouseMove(hovered.Button, {10, 10});
    EXPECT_EQ(hovered.Centre(), kRed);

    CColouredButton held;
    held.Button.setDown(true);
    EXPECT_EQ(held.Centre(), kRed);

    CColouredButton checked;
    checked.Button.SetCheckBoxMode(true);
    checked.Button.SetCheck(true);
    EXPECT_EQ(checked.Centre(), kRed);
}

TEST(FlatButton, ClickOpensTheAddressWhenThereIsNoMenu)
{
    CRecordingAddressOpener opener;
    CFlatButton button;
    button.resize(80, 26);
    button.SetAddressOpener(&opener);
    button.SetAddress(QString(300, QLatin1Char('x')));
    EXPECT_EQ(button.GetAddress().size(), CFlatButton::kMaxAddressLength);
    button.SetAddress(QStringLiteral("https://www.example.de/"));
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(opener.Opened, std::vector<std::string>{"https://www.example.de/"});
}

TEST(FlatButton, ClickPopsUpTheFirstSubmenuBelowTheButtonHeldDown)
{
    QWidget window;
    CFlatButton button(QStringLiteral("Anzeigeart"), &window);
    button.setGeometry(10, 10, 80, 26);
    window.show();
    QMenu menu;
    QMenu* submenu = menu.addMenu(QStringLiteral("Anzeigeart"));
    submenu->addAction(QStringLiteral("Diagramm"));
    button.SetMenu(&menu);
    CRecordingAddressOpener opener;
    button.SetAddressOpener(&opener);
    button.SetAddress(QStringLiteral("https://www.example.de/"));

    bool downWhileOpen = false;
    QPoint shownAt;
    QTimer::singleShot(0, submenu, [&] {
        downWhileOpen = button.isDown();
        shownAt = submenu->pos();
        submenu->close();
    });
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_TRUE(downWhileOpen);
    EXPECT_FALSE(button.isDown());
    EXPECT_EQ(shownAt, button.mapToGlobal(QPoint(0, button.height())));
    EXPECT_TRUE(opener.Opened.empty()) << "the menu takes precedence over the address";
}

TEST(FlatButton, FirstSubmenuIsTheFirstItemsOnly)
{
    QMenu menu;
    EXPECT_EQ(FirstSubmenu(menu), nullptr);
    menu.addAction(QStringLiteral("plain"));
    menu.addMenu(QStringLiteral("later"));
    EXPECT_EQ(FirstSubmenu(menu), nullptr);
}

TEST(ThemedButton, StyleDrawsTheBackgroundOnlyWhileThemed)
{
    CThemeLibrary themed;
    CThemeLibrary unthemed([] { return static_cast<QStyle*>(nullptr); });
    CThemedButton button(&unthemed);
    button.resize(80, 26);
    button.SetColor(CFlatButton::kBackground, kRed);
    EXPECT_EQ(button.grab().toImage().pixelColor(40, 13), kRed);

    button.SetThemeLibrary(&themed);
    ASSERT_TRUE(themed.IsAppThemed());
    EXPECT_NE(button.grab().toImage().pixelColor(40, 13), kRed);

    button.SetThemeLibrary(nullptr);
    EXPECT_EQ(button.grab().toImage().pixelColor(40, 13), kRed);
}

// A checked button in check-box mode sinks into its frame: its top-left edge is drawn in the
// shadow colour where a plain button shows the light one.
TEST(FlatButton, CheckedButtonIsDrawnSunken)
{
    const auto edge = [](bool checked) {
        CFlatButton button(QStringLiteral("Vorspeisen"));
        button.resize(120, 26);
        button.SetCheckBoxMode(true);
        button.SetCheck(checked);
        const QImage picture = button.grab().toImage();
        return picture.pixelColor(0, 0);
    };
    const QColor plain = edge(false);
    const QColor pressed = edge(true);
    EXPECT_LT(pressed.lightness(), plain.lightness()) << "the pressed edge is the darker one";
}
