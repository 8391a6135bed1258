#include "platform/qt/TextConversion.h"

#include <gtest/gtest.h>

TEST(TextConversion, EveryByteSurvivesTheRoundTrip)
{
    std::string bytes;
    for (int byte = 1; byte < 256; ++byte)
        bytes += static_cast<char>(byte);
    bool ok = false;
    EXPECT_EQ(FromQString(ToQString(bytes), &ok), bytes);
    EXPECT_TRUE(ok);
    EXPECT_EQ(ToQString("\x80\x9f\xe4"), QStringLiteral("€Ÿä"));
}

TEST(TextConversion, CharactersOutsideTheCodePageAreRefused)
{
    bool ok = true;
    EXPECT_EQ(FromQString(QStringLiteral("Käse ✓"), &ok), "");
    EXPECT_FALSE(ok);
    EXPECT_EQ(FromQString(QStringLiteral("Pfirsich 🍑")), "");
    EXPECT_EQ(FromQString(QStringLiteral("Crème brûlée 5 €")), "Cr\xe8me br\xfbl\xe9"
                                                               "e 5 \x80");
}

TEST(TextConversion, CapitalsStayInTheCodePage)
{
    EXPECT_EQ(ToUpperWindows1252(QStringLiteral("äöü ÿ š œ")), QStringLiteral("ÄÖÜ Ÿ Š Œ"));
    EXPECT_EQ(ToUpperWindows1252(QStringLiteral("ß µ")), QStringLiteral("ß µ"));
}
