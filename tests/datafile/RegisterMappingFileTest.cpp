#include "FileTestEnvironment.h"
#include "MemoryFile.h"
#include "catalogue/Data.h"
#include "datafile/DataFileNames.h"
#include "datafile/DataFileReader.h"
#include "datafile/DataFileWriter.h"
#include "datafile/DataSession.h"
#include "datafile/SaveSequence.h"
#include "datafile/XmlNameCode.h"

#include <gtest/gtest.h>
#include <regex>

namespace {

std::string Render(const CData& data)
{
    return std::string(CDataFileWriter(data, false).Render().View());
}

// The text with the record numbers of recipes and of the dishes they are referred by as "#": a
// read hands out new ones.
std::string Renumbered(const std::string& text)
{
    static const std::regex numbers(R"((Recipe Index="|<DishIndex>\r\n +)[0-9]+)");
    return std::regex_replace(text, numbers, "$1#");
}

void ReadText(CData& data, const std::string& text)
{
    CMemoryFile file(text);
    ASSERT_EQ(CDataFileReader(data).Read(file), 0);
}

CRecipe& Dish(CData& data, const std::string& name)
{
    CRecipe& recipe = data.Recipes.Append(std::make_unique<CRecipe>(&data));
    recipe.Name = name;
    recipe.UseForSale = 1;
    return recipe;
}

// Items and sources as the import leaves them, texts with characters that need escaping.
void Remember(CData& data)
{
    CRecipe& schnitzel = Dish(data, "Schnitzel");
    Dish(data, "Pils");
    data.RegisterMapping.Items = {{"4711", "Schnitzel \"Wiener Art\" & <Pommes>", schnitzel.Id},
                                  {"Pfand 0,15", "Pfand 0,15", CRegisterItemMapping::kNoDish}};
    data.RegisterMapping.Sources = {{"K1/412", "Kasse 1, Abschluss 412 vom 03.05.2026"}};
}

std::string Describe(const CData& data)
{
    std::string text;
    for (const CRegisterItemMapping& item : data.RegisterMapping.Items) {
        const CRecipe* dish = nullptr;
        for (const CRecipe& recipe : data.Recipes)
            dish = recipe.Id == item.RecipeId ? &recipe : dish;
        text += item.ItemKey + "|" + item.ItemText + "|" + (dish ? dish->Name : "-") + "\n";
    }
    for (const CRegisterImportedSource& source : data.RegisterMapping.Sources)
        text += source.Key + "|" + source.Label + "\n";
    return text;
}

constexpr const char* kRemembered = "4711|Schnitzel \"Wiener Art\" & <Pommes>|Schnitzel\n"
                                    "Pfand 0,15|Pfand 0,15|-\n"
                                    "K1/412|Kasse 1, Abschluss 412 vom 03.05.2026\n";

// A reader that knows only the data file's names passes over the element: none of its names
// shares a name code with them, and the record sink takes none of its children for a record.
TEST(RegisterMappingFile, ElementNamesAreUnknownToTheNameCodes)
{
    for (const char* name : {"RegisterImport", "RegisterItem", "RegisterSource", "ItemKey", "ItemText",
                             "DishIndex", "SourceKey", "SourceLabel"})
        EXPECT_EQ(FindXmlName(name), EXmlName::Unknown) << name;
}

TEST(RegisterMappingFile, MappingAndSourcesSurviveWriteAndRead)
{
    CData data;
    Remember(data);
    const std::string text = Render(data);

    CData read;
    ReadText(read, text);
    EXPECT_EQ(Describe(read), kRemembered);
    EXPECT_EQ(Renumbered(Render(read)), Renumbered(text));
    EXPECT_NE(Renumbered(text), text);
}

// What a program without the mapping sees: the same catalogue, and the file it writes is the
// file without the element, byte for byte.
TEST(RegisterMappingFile, TheRestOfTheFileIsReadAsWithoutTheElement)
{
    CData data;
    Remember(data);
    CData read;
    ReadText(read, Render(data));
    read.RegisterMapping = {};

    CData plain;
    Dish(plain, "Schnitzel");
    Dish(plain, "Pils");
    CData plainRead;
    ReadText(plainRead, Render(plain));
    EXPECT_EQ(Renumbered(Render(read)), Renumbered(Render(plainRead)));
    EXPECT_EQ(Render(plainRead).find("Register"), std::string::npos);
}

TEST(RegisterMappingFile, ItemsOfDeletedOrUnknownDishesAreAskedForAgain)
{
    CData data;
    Remember(data);
    ASSERT_EQ(data.DeleteRecipe(data.Recipes.Head()), 1);
    CData read;
    ReadText(read, Render(data));
    EXPECT_EQ(Describe(read), "Pfand 0,15|Pfand 0,15|-\nK1/412|Kasse 1, Abschluss 412 vom 03.05.2026\n");

    // A dish index that names no recipe, and an item without key, are dropped on reading.
    std::string text = Render(data);
    const std::string item =
        "      <RegisterItem>\r\n"
        "         <ItemKey>\r\n            77\r\n         </ItemKey>\r\n"
        "         <DishIndex>\r\n            99999\r\n         </DishIndex>\r\n"
        "      </RegisterItem>\r\n"
        "      <RegisterItem>\r\n"
        "         <ItemText>\r\n            ohne Schl\xFCssel\r\n         </ItemText>\r\n"
        "      </RegisterItem>\r\n";
    text.insert(text.find("      <RegisterSource>"), item);
    CData hostile;
    ReadText(hostile, text);
    EXPECT_EQ(hostile.RegisterMapping.Items.size(), 1u);
}

// Save, backup, open and save-as carry the mapping, since it lives in the data file.
TEST(RegisterMappingFile, SaveBackupAndReopenKeepTheMapping)
{
    CFileTestEnvironment env;
    const std::string path = env.Path("KostenkochData.xml");
    CSaveSequence sequence(env.Utilities, env.Messages);
    CData data;
    data.SetDefaults();
    Remember(data);
    CDataFile file;
    ASSERT_TRUE(sequence.WriteKostenkochData(&data, file, path));
    EXPECT_TRUE(file.IsUnchanged(data));
    data.RegisterMapping.Sources.push_back({"K1/413", "Abschluss 413"});
    EXPECT_FALSE(file.IsUnchanged(data)) << "a new source is a change to save";
    ASSERT_TRUE(sequence.WriteKostenkochData(&data, file, path));

    CData reopened;
    CData backup;
    ReadText(reopened, *ReadBytes(path));
    ReadText(backup, *ReadBytes(CDataFileNames(path).Backup()));
    EXPECT_EQ(Describe(reopened), std::string(kRemembered) + "K1/413|Abschluss 413\n");
    EXPECT_EQ(Describe(backup), kRemembered);
}

} // namespace
