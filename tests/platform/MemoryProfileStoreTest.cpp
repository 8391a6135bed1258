#include "platform/MemoryProfileStore.h"

#include <gtest/gtest.h>

namespace {

TEST(CMemoryProfileStore, KeepsStringsAndBinaryApartPerSection)
{
    CMemoryProfileStore store;
    EXPECT_FALSE(store.GetString("", "Language"));
    store.WriteString("", "Language", "Romanian");
    store.WriteString("Chart", "Language", "other");
    store.WriteBinary("Layouts", "Recipes", {1, 0, 255});

    EXPECT_EQ(store.GetString("", "Language"), "Romanian");
    EXPECT_EQ(store.GetString("Chart", "Language"), "other");
    EXPECT_FALSE(store.GetBinary("", "Language"));
    EXPECT_FALSE(store.GetString("Layouts", "Recipes"));
    EXPECT_EQ(store.GetBinary("Layouts", "Recipes"), (std::vector<uint8_t>{1, 0, 255}));

    store.WriteString("Layouts", "Recipes", "now text");
    EXPECT_FALSE(store.GetBinary("Layouts", "Recipes"));
    EXPECT_EQ(store.GetString("Layouts", "Recipes"), "now text");
}

} // namespace
