#pragma once

#include "catalogue/DateTime.h"

#include <string>

class CData;
class CRecipe;

// Portions of a recipe sold on a day, with the recipe's name, group and prices frozen at the
// moment of booking.
class CSale
{
public:
    explicit CSale(CData* owner = nullptr);
    virtual ~CSale() = default;
    CSale(const CSale&) = delete;
    CSale& operator=(const CSale&) = delete;

    // Copies every field but the Id; always true (a sale owns nothing that could fail to copy).
    bool CopyFrom(const CSale& source);

    static constexpr int ClassVersion = 1;

    CData* const Owner;
    const int Id;
    // Beside Id, so that a sale packs into 120 bytes: a large file holds hundreds of thousands.
    int NameGroupIndex = -1;
    std::string Name = "undefined";
    double NbPortion = 1.0;
    double PriceBuyPerPortion = 0.0;
    double PriceSellPerPortionNoTax = 0.0;
    double PriceSellPerPortionTax = 0.0;
    CDateTime DateTime;
    CRecipe* Recipe = nullptr;
    int FileIndex = -1;
};
