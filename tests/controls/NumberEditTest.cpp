#include "controls/NumberEdit.h"

#include "ControlFakes.h"
#include "ManualClock.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Key events carrying any character, also those QTest cannot type.
void Type(QWidget& widget, const QString& text)
{
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(&widget, &press);
    }
}

class NumberEdit : public testing::Test
{
protected:
    NumberEdit()
    {
        Edit.SetClock(Clock);
        Edit.SetRequests(&Requests);
        Clock.AdvanceTicks(50000);
    }

    CManualClock Clock;
    CRecordingRequests Requests;
    CNumberEdit Edit;
};

} // namespace

TEST_F(NumberEdit, NumberCharactersAreEnteredWithoutSearching)
{
    QTest::keyClicks(&Edit, QStringLiteral("12,5"));
    QTest::keyClicks(&Edit, QStringLiteral("-+."));
    EXPECT_EQ(Edit.text(), QStringLiteral("12,5-+."));
    EXPECT_TRUE(Requests.Requests.isEmpty());
}

TEST_F(NumberEdit, KeysTypedQuicklyExtendTheSearch)
{
    QTest::keyClick(&Edit, Qt::Key_A, Qt::ShiftModifier);
    Clock.AdvanceTicks(1000);
    QTest::keyClicks(&Edit, QStringLiteral("p"));
    EXPECT_EQ(Requests.Requests, (QStringList{QStringLiteral("match A"), QStringLiteral("match AP")}));
    EXPECT_TRUE(Edit.text().isEmpty()) << "search keys are not entered";
}

TEST_F(NumberEdit, APauseOfMoreThanASecondStartsANewSearch)
{
    QTest::keyClicks(&Edit, QStringLiteral("A"));
    Clock.AdvanceTicks(1001);
    QTest::keyClicks(&Edit, QStringLiteral("p"));
    EXPECT_EQ(Edit.GetSearchText(), QStringLiteral("P"));
    EXPECT_EQ(Requests.Requests.last(), QStringLiteral("match P"));
}

TEST_F(NumberEdit, SearchTextIsInWindows1252Capitals)
{
    Type(Edit, QStringLiteral("äß öl"));
    EXPECT_EQ(Edit.GetSearchText(), QStringLiteral("Äß ÖL"));
    QKeyEvent peach(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("🍑"));
    QApplication::sendEvent(&Edit, &peach);
    EXPECT_TRUE(Edit.text().isEmpty()) << "a character beyond 16 bits is no number either";
}

TEST_F(NumberEdit, NavigationKeysAskThenActAsUsual)
{
    QTest::keyClicks(&Edit, QStringLiteral("12"));
    QTest::keyClick(&Edit, Qt::Key_Up);
    QTest::keyClick(&Edit, Qt::Key_PageUp);
    QTest::keyClick(&Edit, Qt::Key_Down);
    QTest::keyClick(&Edit, Qt::Key_PageDown);
    QTest::keyClick(&Edit, Qt::Key_Return);
    QTest::keyClick(&Edit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Requests.Requests, (QStringList{"previous", "previous", "next", "next", "next", "next"}));
    QTest::keyClick(&Edit, Qt::Key_Backspace);
    EXPECT_EQ(Edit.text(), QStringLiteral("1")) << "editing keys keep working";
}

TEST_F(NumberEdit, EnterDoesNotPressTheDialogsDefaultButton)
{
    QDialog dialog;
    CNumberEdit edit(&dialog);
    edit.SetRequests(&Requests);
    QPushButton ok(QStringLiteral("OK"), &dialog);
    ok.setDefault(true);
    bool pressed = false;
    QObject::connect(&ok, &QPushButton::clicked, [&] { pressed = true; });
    dialog.show();
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_FALSE(pressed);
    EXPECT_EQ(Requests.Requests, QStringList{"next"});
}

TEST(TypeAhead, PausesAreMeasuredAcrossTheTickWrap)
{
    CManualClock clock;
    clock.AdvanceTicks(0xFFFFFF00u);
    CTypeAhead typeAhead(clock);
    typeAhead.Add(QStringLiteral("a"));
    clock.AdvanceTicks(0x200);
    EXPECT_EQ(typeAhead.Add(QStringLiteral("b")), QStringLiteral("AB"));
    clock.AdvanceTicks(1001);
    EXPECT_EQ(typeAhead.Add(QStringLiteral("c")), QStringLiteral("C"));
}
