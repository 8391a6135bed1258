#include "DataFileRecordReader.h"

#include "catalogue/Data.h"
#include "datafile/DataFileDateTime.h"
#include "datafile/DataFileNode.h"
#include "datafile/RegisterMappingNames.h"

namespace {

// The first supplier whose file index is `useIndex`; none for -1 or when none has it.
CIngredientSupplier* FindSupplier(CIngredient& ingredient, int useIndex)
{
    if (useIndex == -1)
        return nullptr;
    for (CIngredientSupplier& supplier : ingredient.Suppliers) {
        if (supplier.FileIndex == useIndex)
            return &supplier;
    }
    return nullptr;
}

// A recipe line as the file states it, before it is added.
struct CLineValues
{
    double Amount = 0.0;
    double WeightLoss = 0.0;
    int IngredientIndex = -1;
    int RecipeIndex = -1;
    int SortNum = -1;
};

void ReadLineValue(CLineValues& values, const CDataFileNode& child)
{
    switch (child.Name()) {
    case EXmlName::Amount:
        values.Amount = child.Double();
        break;
    case EXmlName::WeightLoss:
        values.WeightLoss = child.Double();
        break;
    case EXmlName::IngredientIndex:
        values.IngredientIndex = child.Int();
        break;
    case EXmlName::RecipeIndex:
        values.RecipeIndex = child.Int();
        break;
    case EXmlName::SortNum:
        values.SortNum = child.Int();
        break;
    default:
        break;
    }
}

} // namespace

CDataFileRecordReader::CDataFileRecordReader(CData& data) : m_data(data)
{
    for (CRecipe& recipe : data.Recipes)
        AddRecipe(recipe);
}

std::unique_ptr<CIngredient> CDataFileRecordReader::ReadIngredient(const CDataFileNode& node)
{
    auto ingredient = std::make_unique<CIngredient>(&m_data);
    int useIndex = -1;
    node.ForEachChild([&](const CDataFileNode& child) {
        switch (child.Name()) {
        case EXmlName::Index:
            ingredient->FileIndex = child.Int();
            break;
        case EXmlName::Name:
            ingredient->Name = child.Text();
            break;
        case EXmlName::Group:
            ingredient->Group = child.Text();
            break;
        case EXmlName::Unit:
            ingredient->Unit = child.Text();
            break;
        case EXmlName::StockActive:
            ingredient->StockActive = child.Int();
            break;
        case EXmlName::StockAmount:
            ingredient->StockAmount = child.Double();
            break;
        case EXmlName::IngredientSuppliers:
            ReadSuppliers(*ingredient, child, useIndex);
            break;
        default:
            break;
        }
    });
    ingredient->SupplierInUse = FindSupplier(*ingredient, useIndex);
    if (ingredient->Name.empty())
        return nullptr;
    return ingredient;
}

void CDataFileRecordReader::ReadSuppliers(CIngredient& ingredient, const CDataFileNode& node, int& useIndex)
{
    node.ForEachChild([&](const CDataFileNode& child) {
        if (child.Name() == EXmlName::IngredientSupplier)
            ingredient.Suppliers.Append(ReadSupplier(child));
        else if (child.Name() == EXmlName::IngredientSupplierUseIndex)
            useIndex = child.Int();
    });
}

std::unique_ptr<CIngredientSupplier> CDataFileRecordReader::ReadSupplier(const CDataFileNode& node)
{
    auto supplier = std::make_unique<CIngredientSupplier>(&m_data);
    node.ForEachChild([&](const CDataFileNode& child) {
        switch (child.Name()) {
        case EXmlName::Index:
            supplier->FileIndex = child.Int();
            break;
        case EXmlName::Name:
            supplier->Name = child.Text();
            break;
        case EXmlName::Amount:
            supplier->Amount = child.Double();
            break;
        case EXmlName::Price:
            supplier->Price = child.Double();
            break;
        default:
            break;
        }
    });
    return supplier;
}

std::unique_ptr<CRecipe> CDataFileRecordReader::ReadRecipe(const CDataFileNode& node)
{
    auto recipe = std::make_unique<CRecipe>(&m_data);
    node.ForEachChild([&](const CDataFileNode& child) {
        switch (child.Name()) {
        case EXmlName::Index:
            recipe->FileIndex = child.Int();
            break;
        case EXmlName::Name:
            recipe->Name = child.Text();
            break;
        case EXmlName::Comment:
            recipe->Comment = child.Text();
            break;
        case EXmlName::PictureFilename:
            recipe->PictureFilename = child.Text();
            break;
        case EXmlName::NbPortion:
            recipe->NbPortion = child.Double();
            break;
        case EXmlName::PriceSell:
            recipe->PriceSell = child.Double();
            break;
        case EXmlName::UseAsIngredient:
            recipe->UseAsIngredient = child.Int();
            break;
        case EXmlName::UseForSale:
            recipe->UseForSale = child.Int();
            break;
        case EXmlName::NameGroupIndex:
            recipe->NameGroupIndex = child.Int();
            break;
        case EXmlName::RecipeIngredients:
            ReadLines(*recipe, child);
            break;
        default:
            break;
        }
    });
    if (recipe->Name.empty())
        return nullptr;
    return recipe;
}

void CDataFileRecordReader::ReadLines(CRecipe& recipe, const CDataFileNode& node)
{
    int lineCounter = 1;
    node.ForEachChild([&](const CDataFileNode& child) {
        if (child.Name() == EXmlName::RecipeIngredient)
            ReadLine(recipe, child, lineCounter);
    });
}

// A line needs a reference and an amount; a missing sort number takes the next count.
void CDataFileRecordReader::ReadLine(CRecipe& recipe, const CDataFileNode& node, int& lineCounter)
{
    CLineValues values;
    node.ForEachChild([&](const CDataFileNode& child) { ReadLineValue(values, child); });
    if ((values.IngredientIndex == -1 && values.RecipeIndex == -1) || values.Amount == 0.0)
        return;
    if (values.SortNum == -1)
        values.SortNum = lineCounter++;
    recipe.AddRecipeIngredient(values.RecipeIndex, values.IngredientIndex, values.Amount, values.WeightLoss,
                               values.SortNum);
}

std::unique_ptr<CSale> CDataFileRecordReader::ReadSale(const CDataFileNode& node)
{
    auto sale = std::make_unique<CSale>(&m_data);
    int recipeIndex = -1;
    node.ForEachChild([&](const CDataFileNode& child) {
        switch (child.Name()) {
        case EXmlName::Index:
            sale->FileIndex = child.Int();
            break;
        case EXmlName::Name:
            sale->Name = child.Text();
            break;
        case EXmlName::NameGroupIndex:
            sale->NameGroupIndex = child.Int();
            break;
        case EXmlName::NbPortion:
            sale->NbPortion = child.Double();
            break;
        case EXmlName::PriceBuyPerPortion:
            sale->PriceBuyPerPortion = child.Double();
            break;
        case EXmlName::PriceSellPerPortionNoTax:
            sale->PriceSellPerPortionNoTax = child.Double();
            break;
        case EXmlName::PriceSellPerPortionTax:
            sale->PriceSellPerPortionTax = child.Double();
            break;
        case EXmlName::RecipeIndex:
            recipeIndex = child.Int();
            break;
        case EXmlName::DateTime:
            sale->DateTime = child.ParseValue(ParseSaleDateTime);
            break;
        default:
            break;
        }
    });
    sale->Recipe = recipeIndex == -1 ? nullptr : FindRecipe(recipeIndex);
    if (sale->Name.empty())
        return nullptr;
    return sale;
}

void CDataFileRecordReader::AddRecipe(CRecipe& recipe)
{
    m_recipesByIndex[recipe.FileIndex] = &recipe;
}

CRecipe* CDataFileRecordReader::FindRecipe(int fileIndex) const
{
    const auto it = m_recipesByIndex.find(fileIndex);
    return it != m_recipesByIndex.end() ? it->second : nullptr;
}

bool CDataFileRecordReader::AppendIngredient(const CDataFileNode& node)
{
    auto ingredient = ReadIngredient(node);
    if (!ingredient)
        return false;
    m_data.Ingredients.Append(std::move(ingredient));
    return true;
}

bool CDataFileRecordReader::AppendRecipe(const CDataFileNode& node)
{
    auto recipe = ReadRecipe(node);
    if (!recipe)
        return false;
    AddRecipe(m_data.Recipes.Append(std::move(recipe)));
    return true;
}

bool CDataFileRecordReader::AppendSale(const CDataFileNode& node)
{
    auto sale = ReadSale(node);
    if (!sale)
        return false;
    m_data.Sales.Append(std::move(sale));
    return true;
}

void CDataFileRecordReader::ReadRegisterMapping(const CDataFileNode& node)
{
    namespace Names = RegisterMappingNames;
    CRegisterMapping& mapping = m_data.RegisterMapping;
    node.ForEachChild([&](const CDataFileNode& record) {
        if (!record.IsElement())
            return;
        if (record.RawName() == Names::kItem) {
            CRegisterItemMapping item;
            int dishIndex = CRegisterItemMapping::kNoDish;
            record.ForEachChild([&](const CDataFileNode& field) {
                if (field.RawName() == Names::kKey)
                    item.ItemKey = field.Text();
                else if (field.RawName() == Names::kText)
                    item.ItemText = field.Text();
                else if (field.RawName() == Names::kDish)
                    dishIndex = field.Int();
            });
            if (dishIndex != CRegisterItemMapping::kNoDish) {
                const CRecipe* dish = FindRecipe(dishIndex);
                if (!dish)
                    return;
                item.RecipeId = dish->Id;
            }
            if (!item.ItemKey.empty())
                mapping.Items.push_back(std::move(item));
        } else if (record.RawName() == Names::kSource) {
            CRegisterImportedSource source;
            record.ForEachChild([&](const CDataFileNode& field) {
                if (field.RawName() == Names::kSourceKey)
                    source.Key = field.Text();
                else if (field.RawName() == Names::kLabel)
                    source.Label = field.Text();
            });
            if (!source.Key.empty())
                mapping.Sources.push_back(std::move(source));
        }
    });
}
