#include "controls/LinkStatic.h"

#include "ControlFakes.h"
#include "RecordingAddressOpener.h"
#include "RecordingMessageService.h"
#include "controls/HyperlinkError.h"
#include "platform/qt/TextConversion.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

QColor TextColour(const CLinkStatic& link)
{
    return link.palette().color(QPalette::WindowText);
}

} // namespace

TEST(LinkStatic, AddressAndTextStandInForEachOther)
{
    CLinkStatic fromText(QStringLiteral("www.example.de"));
    EXPECT_EQ(fromText.GetAddress(), QStringLiteral("www.example.de"));
    EXPECT_EQ(fromText.toolTip(), QStringLiteral("www.example.de"));
    EXPECT_EQ(fromText.cursor().shape(), Qt::PointingHandCursor);

    CLinkStatic fromAddress({}, QStringLiteral("mailto:info@example.de"));
    EXPECT_EQ(fromAddress.text(), QStringLiteral("mailto:info@example.de"));

    fromText.SetAddress(QStringLiteral("https://www.example.de/kontakt"));
    EXPECT_EQ(fromText.text(), QStringLiteral("www.example.de"));
    EXPECT_EQ(fromText.toolTip(), QStringLiteral("https://www.example.de/kontakt"));
}

TEST(LinkStatic, TextColourFollowsHoverThenVisited)
{
    const CLinkColors colours;
    EXPECT_EQ(colours.Link, QColor(0, 0, 238));
    EXPECT_EQ(colours.Visited, QColor(85, 26, 139));
    EXPECT_EQ(colours.Hover, QColor(255, 0, 0));
    EXPECT_EQ(LinkTextColor(colours, false, false), colours.Link);
    EXPECT_EQ(LinkTextColor(colours, false, true), colours.Visited);
    EXPECT_EQ(LinkTextColor(colours, true, true), colours.Hover);

    CLinkStatic link(QStringLiteral("www.example.de"));
    EXPECT_EQ(TextColour(link), colours.Link);
    link.SetVisited(true);
    EXPECT_EQ(TextColour(link), colours.Visited);
    SendMouseMove(link, {2, 2});
    EXPECT_EQ(TextColour(link), colours.Hover);
    EXPECT_EQ(link.palette().color(QPalette::Window), link.palette().color(QPalette::Button));
}

TEST(LinkStatic, UnderlineModes)
{
    struct CCase
    {
        int Mode;
        bool Hover, Underlined;
    };
    const CCase cases[] = {
        {CLinkStatic::kUnderlineHover, false, false}, {CLinkStatic::kUnderlineHover, true, true},
        {CLinkStatic::kUnderlineAlways, false, true}, {CLinkStatic::kUnderlineAlways, true, true},
        {CLinkStatic::kUnderlineNever, true, false},
    };
    for (const CCase& c : cases) {
        EXPECT_EQ(LinkUnderlined(c.Mode, c.Hover), c.Underlined) << c.Mode << c.Hover;
        CLinkStatic link(QStringLiteral("www.example.de"));
        link.SetUnderline(c.Mode);
        if (c.Hover)
            SendMouseMove(link, {2, 2});
        EXPECT_EQ(link.font().underline(), c.Underlined) << c.Mode << c.Hover;
    }
}

TEST(LinkStatic, HoverEndsOnTheFirstTickWithTheCursorOutside)
{
    CLinkStatic link(QStringLiteral("www.example.de"));
    link.SetUnderline(CLinkStatic::kUnderlineAlways);
    SendMouseMove(link, {2, 2});
    ASSERT_TRUE(link.IsHover());
    EXPECT_TRUE(link.IsHoverTimerActive());

    link.HoverTick(link.mapToGlobal(QPoint(2, 2)));
    EXPECT_TRUE(link.IsHover());
    link.HoverTick(link.mapToGlobal(QPoint(-5, 2)));
    EXPECT_FALSE(link.IsHover());
    EXPECT_FALSE(link.IsHoverTimerActive());
    EXPECT_TRUE(link.font().underline()) << "always underlined stays underlined";
    EXPECT_EQ(TextColour(link), CLinkColors().Link);
}

TEST(LinkStatic, OutsideFontBecomesTheLinksFont)
{
    CLinkStatic link(QStringLiteral("www.example.de"));
    QFont bold = link.font();
    bold.setBold(true);
    link.setFont(bold);
    SendMouseMove(link, {2, 2});
    EXPECT_TRUE(link.font().bold());
    EXPECT_TRUE(link.font().underline());
}

TEST(LinkStatic, SizeFollowsTheTextFromTheAlignedEdge)
{
    CLinkStatic link(QStringLiteral("kurz"));
    link.move(100, 50);
    link.SetText(QStringLiteral("ein deutlich längerer Text"));
    EXPECT_EQ(link.size(), link.sizeHint());
    EXPECT_EQ(link.x(), 100);

    const QRect area(100, 50, 200, 40);
    const QSize text(80, 20);
    EXPECT_EQ(AdjustedGeometry(area, text, Qt::AlignLeft | Qt::AlignTop), QRect(100, 50, 80, 20));
    EXPECT_EQ(AdjustedGeometry(area, text, Qt::AlignRight | Qt::AlignBottom), QRect(220, 70, 80, 20));
    EXPECT_EQ(AdjustedGeometry(area, text, Qt::AlignCenter), QRect(160, 60, 80, 20));
}

TEST(HyperlinkError, TextsForTheShellsResults)
{
    EXPECT_EQ(HyperlinkErrorText(0), QStringLiteral("The operating system is out\nof memory or resources."));
    EXPECT_EQ(HyperlinkErrorText(2), QStringLiteral("The specified file was not found."));
    EXPECT_EQ(HyperlinkErrorText(26), QStringLiteral("A sharing violation occurred. "));
    EXPECT_EQ(HyperlinkErrorText(31),
              QStringLiteral("There is no application associated\nwith the given filename extension."));
    EXPECT_EQ(HyperlinkErrorText(32), QStringLiteral("The specified dynamic-link library was not found."));
    EXPECT_EQ(HyperlinkErrorText(1), QStringLiteral("Unknown Error (1) occurred."));
    EXPECT_EQ(HyperlinkErrorText(99), QStringLiteral("Unknown Error (99) occurred."));
    EXPECT_EQ(HyperlinkErrorMessage(2),
              QStringLiteral("Unable to open hyperlink:\n\nThe specified file was not found."));
}

// Clicks a link whose opener answers with the given result.
struct CClickedLink
{
    explicit CClickedLink(int result) : Opener(result)
    {
        Link.SetAddressOpener(&Opener);
        Link.SetMessages(&Messages);
        QTest::mouseClick(&Link, Qt::LeftButton, {}, QPoint(2, 2));
    }

    CRecordingAddressOpener Opener;
    CRecordingMessageService Messages;
    CLinkStatic Link{QStringLiteral("www.example.de")};
};

TEST(LinkStatic, FailedOpenBeepsWarnsAndStaysUnvisited)
{
    const CClickedLink clicked(CAddressOpener::kNoAssociation);
    EXPECT_EQ(clicked.Opener.Opened, std::vector<std::string>{"www.example.de"});
    EXPECT_EQ(clicked.Messages.Beeps(), 1);
    ASSERT_EQ(clicked.Messages.GetMessages().size(), 1u);
    EXPECT_EQ(clicked.Messages.GetMessages()[0].Kind, CRecordingMessageService::Warning);
    EXPECT_EQ(ToQString(clicked.Messages.GetMessages()[0].Text),
              HyperlinkErrorMessage(CAddressOpener::kNoAssociation));
    EXPECT_FALSE(clicked.Link.IsVisited());
    EXPECT_EQ(TextColour(clicked.Link), CLinkColors().Link);
}

TEST(LinkStatic, SuccessfulOpenMarksVisited)
{
    const CClickedLink clicked(CAddressOpener::kOpened);
    EXPECT_TRUE(clicked.Link.IsVisited());
    EXPECT_EQ(clicked.Messages.Beeps(), 0);
    EXPECT_TRUE(clicked.Messages.GetMessages().empty());
    EXPECT_EQ(TextColour(clicked.Link), CLinkColors().Visited);
}

// An address the program's text cannot hold reaches no opener; the user hears why.
TEST(LinkStatic, AddressOutsideWindows1252IsNotFound)
{
    CRecordingAddressOpener opener;
    CRecordingMessageService messages;
    CLinkStatic link(QStringLiteral("www.\u4F8B.de"));
    link.SetAddressOpener(&opener);
    link.SetMessages(&messages);
    link.OpenAddress();
    EXPECT_TRUE(opener.Opened.empty());
    ASSERT_EQ(messages.GetMessages().size(), 1u);
    EXPECT_EQ(ToQString(messages.GetMessages()[0].Text),
              HyperlinkErrorMessage(CAddressOpener::kFileNotFound));
    EXPECT_FALSE(link.IsVisited());
}
