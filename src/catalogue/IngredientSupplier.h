#pragma once

#include <string>

class CData;

// One source of an ingredient: a supplier's name and the price paid for an amount, counted in
// the ingredient's unit.
class CIngredientSupplier
{
public:
    explicit CIngredientSupplier(CData* owner = nullptr);
    virtual ~CIngredientSupplier() = default;
    CIngredientSupplier(const CIngredientSupplier&) = delete;
    CIngredientSupplier& operator=(const CIngredientSupplier&) = delete;

    // Price / Amount; the price itself when the amount is below 1e-10.
    double GetPricePerUnit() const;

    static constexpr int ClassVersion = 1;

    CData* const Owner;
    const int Id;
    std::string Name = "undefined";
    double Amount = 0.0;
    double Price = 0.0;
    int FileIndex = -1;
};
