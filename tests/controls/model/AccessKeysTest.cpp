#include "controls/model/AccessKeys.h"

#include <gtest/gtest.h>

namespace {

TEST(AccessKeys, EachNameGetsAKeyOfItsOwnAtAWordStartWhereOneIsFree)
{
    EXPECT_EQ(
        MenuTextsWithAccessKeys({"Alle", "Alle Speisen", "Suppen", "salate", "Alle Getr\xE4nke"}),
        (std::vector<std::string>{"&Alle", "Alle &Speisen", "S&uppen", "sa&late", "Alle &Getr\xE4nke"}));
    // Keys compare without case, and digits serve as well.
    EXPECT_EQ(MenuTextsWithAccessKeys({"bier", "Bier", "0,3 l"}),
              (std::vector<std::string>{"&bier", "B&ier", "&0,3 l"}));
}

TEST(AccessKeys, AmpersandsShowAndNamesWithoutAFreeKeyGetNone)
{
    EXPECT_EQ(MenuTextsWithAccessKeys({"& Co", "Kaffee & Kuchen"}),
              (std::vector<std::string>{"&& &Co", "&Kaffee && Kuchen"}));
    // Letters beyond ASCII are no keys; a name whose keys are all taken stays without one.
    EXPECT_EQ(MenuTextsWithAccessKeys({"ab", "ba", "\xC4\xD6", ""}),
              (std::vector<std::string>{"&ab", "&ba", "\xC4\xD6", ""}));
}

} // namespace
