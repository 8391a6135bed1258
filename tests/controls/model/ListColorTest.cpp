#include "controls/model/ListColor.h"

#include <gtest/gtest.h>

namespace {

TEST(ListColor, SortedColumnShadeLightensColoursAndDarkensNearWhite)
{
    struct Case
    {
        CListColor background;
        CListColor shade;
    };
    const Case cases[] = {
        {{255, 255, 255}, {247, 247, 247}}, // white: a light grey
        {{241, 241, 241}, {233, 233, 233}}, // all at the threshold still darken
        {{200, 220, 240}, {220, 242, 255}}, // a tenth more; 232 and above become 255
        {{241, 241, 240}, {255, 255, 255}}, // one channel below 241 lightens all
        {{231, 232, 10}, {254, 255, 11}},   {{0, 0, 0}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.background.Red) << "," << int(c.background.Green) << ","
                                        << int(c.background.Blue));
        EXPECT_EQ(c.background.SortShade(), c.shade);
    }
}

} // namespace
