#pragma once

#include <memory>
#include <unordered_map>

class CData;
class CDataFileNode;
class CIngredient;
class CIngredientSupplier;
class CRecipe;
class CSale;

// Builds the records of a data file from their elements. Each Read function constructs the record
// (so it takes its Id), fills it from the element's children and returns it, or none when the
// record is refused (an empty name). Sales find their recipe among the recipes this reader was
// told about with AddRecipe, the last one with the sale's index winning.
class CDataFileRecordReader
{
public:
    // Recipes already in the catalogue count as read.
    explicit CDataFileRecordReader(CData& data);

    std::unique_ptr<CIngredient> ReadIngredient(const CDataFileNode& node);
    std::unique_ptr<CRecipe> ReadRecipe(const CDataFileNode& node);
    std::unique_ptr<CSale> ReadSale(const CDataFileNode& node);
    void AddRecipe(CRecipe& recipe);
    // Read the record and append it to the catalogue when it is accepted; true when appended.
    bool AppendIngredient(const CDataFileNode& node);
    bool AppendRecipe(const CDataFileNode& node);
    bool AppendSale(const CDataFileNode& node);
    // Adds the item mappings and booked sources of the cash register imports to the catalogue's.
    // Items find their dish as sales do; an item whose dish is not found is dropped, so that it
    // is asked for again.
    void ReadRegisterMapping(const CDataFileNode& node);

private:
    // Appends the suppliers of an IngredientSuppliers element; sets `useIndex` when it names one.
    void ReadSuppliers(CIngredient& ingredient, const CDataFileNode& node, int& useIndex);
    std::unique_ptr<CIngredientSupplier> ReadSupplier(const CDataFileNode& node);
    void ReadLines(CRecipe& recipe, const CDataFileNode& node);
    void ReadLine(CRecipe& recipe, const CDataFileNode& node, int& lineCounter);
    CRecipe* FindRecipe(int fileIndex) const;

    CData& m_data;
    std::unordered_map<int, CRecipe*> m_recipesByIndex;
};
