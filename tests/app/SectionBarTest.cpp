#include "app/SectionBar.h"

#include "app/SectionPlan.h"
#include "controls/FlatButton.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SectionBarTest : public testing::Test
{
protected:
    SectionBarTest()
    {
        m_bar.resize(170, 100);
        for (int index = 0; index < CSectionBar::kNbButtons; ++index)
            m_bar.SetText(index, QStringLiteral("Gruppe %1").arg(index));
        m_bar.show();
    }
    CSectionBar m_bar;
};

TEST_F(SectionBarTest, ScrollsOnePixelPerArrowAndOnePagePerPage)
{
    QScrollBar* scroll = m_bar.ScrollBar();
    ASSERT_FALSE(scroll->isHidden());
    EXPECT_EQ(scroll->maximum(), 30 * 26 - 100);
    EXPECT_EQ(scroll->pageStep(), 100);
    EXPECT_EQ(m_bar.Button(0)->width() + scroll->width(), 170);

    scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(scroll->value(), 1);
    EXPECT_EQ(m_bar.Button(0)->y(), -1);
    EXPECT_EQ(m_bar.Button(1)->y(), 25);
    scroll->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(m_bar.Button(0)->y(), -101);
    scroll->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(m_bar.Button(29)->y(), 100 - 26);
}

TEST_F(SectionBarTest, ScrollBarVanishesAndPositionResetsWhenEverythingFits)
{
    m_bar.ScrollBar()->setValue(300);
    m_bar.resize(170, 30 * 26);
    EXPECT_TRUE(m_bar.ScrollBar()->isHidden());
    EXPECT_EQ(m_bar.Layout().Position, 0);
    EXPECT_EQ(m_bar.Button(0)->y(), 0);
    EXPECT_EQ(m_bar.Button(0)->width(), 170);

    m_bar.Clear();
    m_bar.SetText(2, QStringLiteral("Dritte"));
    EXPECT_EQ(m_bar.GetCount(), 3);
    EXPECT_EQ(m_bar.Layout().Height, 3 * 26);
}

TEST_F(SectionBarTest, ClickSelectsTheButtonAndReportsIt)
{
    QSignalSpy clicked(&m_bar, &CSectionBar::SectionClicked);
    m_bar.Select(0);
    QTest::mouseClick(m_bar.Button(2), Qt::LeftButton);
    QTest::mouseClick(m_bar.Button(2), Qt::LeftButton); // a second click keeps it pressed
    ASSERT_EQ(clicked.count(), 2);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 2);
    EXPECT_EQ(m_bar.GetSelected(), 2);
    EXPECT_TRUE(m_bar.Button(2)->IsDrawnPressed());
    EXPECT_FALSE(m_bar.Button(0)->IsDrawnPressed());
}

// A group's colour is the face of its button; pressed (and under the mouse) it is darker, so
// the chosen group stands out.
TEST_F(SectionBarTest, ColoursGoIntoTheBackgroundSlotsDarkerWhenPressedAndClearRestoresTheFace)
{
    const QColor pink(255, 220, 220);
    m_bar.SetColor(1, pink);
    EXPECT_EQ(m_bar.Button(1)->GetColor(CFlatButton::kBackground), pink);
    EXPECT_EQ(m_bar.Button(1)->GetColor(CFlatButton::kFocusBackground), pink);
    EXPECT_LT(m_bar.Button(1)->GetColor(CFlatButton::kHoverBackground).lightness(), pink.lightness() - 25);
    EXPECT_EQ(m_bar.FaceColor(), QColor(245, 245, 241)); // the tests run with a themed style

    m_bar.Select(1);
    m_bar.Clear();
    EXPECT_EQ(m_bar.Button(1)->GetColor(CFlatButton::kBackground), m_bar.FaceColor());
    EXPECT_TRUE(m_bar.Button(1)->isHidden());
    EXPECT_FALSE(m_bar.Button(1)->IsDrawnPressed());
    EXPECT_EQ(m_bar.GetCount(), 0);
    EXPECT_TRUE(m_bar.ScrollBar()->isHidden());
}

} // namespace
