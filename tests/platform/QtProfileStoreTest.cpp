#include "platform/qt/QtProfileStore.h"

#include "MemoryProfileStore.h"

#include <QFile>
#include <QStringList>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// What every profile store must do, run on the memory store and the QSettings store.
template <typename TStore> class CProfileStoreContract : public testing::Test
{
protected:
    void SetUp() override
    {
        if constexpr (std::is_same_v<TStore, CQtProfileStore>)
            QSettings(QSettings::NativeFormat, QSettings::UserScope, "Harlow-Software", "Kostenkoch").clear();
    }
    TStore m_store;
};

using CStores = testing::Types<CMemoryProfileStore, CQtProfileStore>;
TYPED_TEST_SUITE(CProfileStoreContract, CStores);

TYPED_TEST(CProfileStoreContract, RoundTripsStringsPerSection)
{
    CProfileStore& store = this->m_store;
    EXPECT_FALSE(store.GetString("", "Language"));
    EXPECT_TRUE(store.WriteString("", "Language", "German (Germany)"));
    EXPECT_TRUE(store.WriteString("Chart", "Start", "2009,05,19"));
    EXPECT_TRUE(store.WriteString("Chart", "Language", "not the top level"));
    EXPECT_TRUE(store.WriteString("", "DataPath", "/home/M\xFCller/K\xE4se \x80.xml"));
    EXPECT_TRUE(store.WriteString("", "Empty", ""));

    EXPECT_EQ(store.GetString("", "Language"), "German (Germany)");
    EXPECT_EQ(store.GetString("Chart", "Start"), "2009,05,19");
    EXPECT_EQ(store.GetString("Chart", "Language"), "not the top level");
    EXPECT_EQ(store.GetString("", "DataPath"), "/home/M\xFCller/K\xE4se \x80.xml");
    EXPECT_EQ(store.GetString("", "Empty"), "");
    EXPECT_FALSE(store.GetString("Chart", "End"));
}

TYPED_TEST(CProfileStoreContract, RoundTripsBinaryAndKeepsKindsApart)
{
    CProfileStore& store = this->m_store;
    const std::vector<uint8_t> layout = {0, 1, 0x7F, 0x80, 0xFF, 0, 0};
    EXPECT_TRUE(store.WriteBinary("ListRecipes", "Layout", layout));
    EXPECT_TRUE(store.WriteBinary("ListRecipes", "Nothing", {}));
    EXPECT_TRUE(store.WriteString("ListRecipes", "Text", "1,2"));

    EXPECT_EQ(store.GetBinary("ListRecipes", "Layout"), layout);
    EXPECT_EQ(store.GetBinary("ListRecipes", "Nothing"), std::vector<uint8_t>());
    EXPECT_FALSE(store.GetString("ListRecipes", "Layout"));
    EXPECT_FALSE(store.GetBinary("ListRecipes", "Text"));
    EXPECT_FALSE(store.GetBinary("ListRecipes", "Missing"));
}

class CQtProfileStoreTest : public CProfileStoreContract<CQtProfileStore>
{};

TEST_F(CQtProfileStoreTest, WritesTheConfFileUnderTheConfigDirectory)
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    ASSERT_NE(config, nullptr);
    const std::filesystem::path expected =
        std::filesystem::path(config) / "Harlow-Software" / "Kostenkoch.conf";

    ASSERT_TRUE(m_store.WriteString("Chart", "ChartActive", "3"));
    ASSERT_TRUE(m_store.WriteString("", "Language", "K\xE4se"));
    EXPECT_EQ(std::filesystem::path(m_store.GetLocation().toStdString()), expected);
    ASSERT_TRUE(std::filesystem::exists(expected));

    QFile file(QString::fromStdString(expected.string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains("[Chart]")) << text.toStdString();
    EXPECT_TRUE(text.contains("ChartActive=3")) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("Language=Käse"))) << text.toStdString();
}

TEST_F(CQtProfileStoreTest, ReadsForeignValuesAsText)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Harlow-Software", "Kostenkoch");
    // A hand-written "0,1,2" without quotes comes back from the text format as a list.
    settings.setValue("MainWindow/WindowPos", QStringList{"0", "1", "-32000"});
    settings.setValue("Name", QString::fromUtf8("日本 Ä"));
    settings.sync();

    EXPECT_EQ(m_store.GetString("MainWindow", "WindowPos"), "0,1,-32000");
    EXPECT_EQ(m_store.GetString("", "Name"), "?? \xC4");
}

} // namespace
