#include "xml/TarnXMLNodeStore.h"

#include "platform/PageReservation.h"
#include "xml/TarnXMLException.h"

#include <gtest/gtest.h>

namespace {

TEST(PageReservation, CommitsWholeZeroFilledPagesWithinTheReservation)
{
    const size_t page = CPageReservation::PageSize();
    CPageReservation pages;
    EXPECT_FALSE(pages.Reserve(0));
    ASSERT_TRUE(pages.Reserve(10 * page + 1));
    EXPECT_EQ(pages.ReservedBytes(), 11 * page);
    EXPECT_EQ(pages.CommittedBytes(), 0u);

    ASSERT_TRUE(pages.CommitUpTo(1));
    EXPECT_EQ(pages.CommittedBytes(), page);
    ASSERT_TRUE(pages.CommitUpTo(3 * page + 1));
    EXPECT_EQ(pages.CommittedBytes(), 4 * page);
    const unsigned char* bytes = static_cast<const unsigned char*>(pages.Base());
    for (size_t i = 0; i < 4 * page; ++i)
        ASSERT_EQ(bytes[i], 0) << i;
    static_cast<char*>(pages.Base())[4 * page - 1] = 'x';

    EXPECT_TRUE(pages.CommitUpTo(page));
    EXPECT_EQ(pages.CommittedBytes(), 4 * page);
    EXPECT_FALSE(pages.CommitUpTo(11 * page + 1));
    EXPECT_EQ(pages.CommittedBytes(), 4 * page);
    EXPECT_TRUE(pages.CommitUpTo(11 * page));

    pages.Release();
    EXPECT_EQ(pages.Base(), nullptr);
    EXPECT_EQ(pages.ReservedBytes(), 0u);
}

TEST(TarnXMLNodeStore, HandsOutZeroedRecordsUpToTheMaximum)
{
    CTarnXMLNodeStore store(3);
    CTarnXMLNode* first = store.NewRecord();
    first->Value = first->Name;
    first->ValueLength = 7;
    store.NewRecord();
    store.NewRecord();
    EXPECT_THROW(store.NewRecord(), CTarnXMLException);
    EXPECT_EQ(store.Count(), 3u);
    EXPECT_TRUE(store.IsLiveRecord(first + 2));
    EXPECT_FALSE(store.IsLiveRecord(first + 3));

    store.Clear();
    EXPECT_FALSE(store.IsLiveRecord(first));
    store.SetMaximum(100000);
    for (int i = 0; i < 100000; ++i) {
        CTarnXMLNode* node = store.NewRecord();
        ASSERT_EQ(node->ValueLength, 0);
        ASSERT_EQ(node->InUse, 1);
    }
    EXPECT_THROW(store.NewRecord(), CTarnXMLException);
}

} // namespace
