#pragma once

#include "catalogue/IngredientSupplier.h"
#include "catalogue/Ring.h"

#include <string>

class CData;

// A purchased ingredient with its suppliers and stock. The supplier in use prices it.
class CIngredient
{
public:
    explicit CIngredient(CData* owner = nullptr);
    virtual ~CIngredient();
    CIngredient(const CIngredient&) = delete;
    CIngredient& operator=(const CIngredient&) = delete;

    // Makes this a copy of `source`: its suppliers are replaced by duplicates of the source's,
    // and the duplicate of the source's supplier in use becomes the one in use. Returns false
    // when a supplier could not be duplicated.
    [[nodiscard]] bool CopyFrom(const CIngredient& source);

    // Appends a supplier; the supplier in use stays as it is. Returns 1, or 0 when memory ran out.
    int AddIngredientSupplier(const std::string& name, double price, double amount);
    // Appends a copy of `source` (name, amount, price, file index); none when memory ran out.
    CIngredientSupplier* AddIngredientSupplierPointer(const CIngredientSupplier& source);
    // Removes and destroys `supplier`; when it was in use, no supplier is in use afterwards.
    void DeleteIngredientSupplier(CIngredientSupplier* supplier);
    std::string GetSupplierName() const;

    // Price of the supplier in use, 0 without one.
    double GetPrice() const;
    // Amount of the supplier in use; 1 without one or when it is below 1e-13.
    double GetAmount() const;
    // 0 without a supplier in use; else its price per unit.
    double GetPricePerUnit() const;
    // Value of the stock in whole cents (fractions cut off); 1.0 without a usable supplier.
    double GetStockValue() const;

    static constexpr int ClassVersion = 1;

    CData* const Owner;
    const int Id;
    std::string Name;
    std::string Group;
    std::string Unit;
    int StockActive = 1;
    double StockAmount = 0.0;
    CRing<CIngredientSupplier> Suppliers;
    CIngredientSupplier* SupplierInUse = nullptr;
    int FileIndex = -1;

private:
    void ReportAllocationFailure(const char* operation) const;
};
