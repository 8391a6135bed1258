#include "Ingredient.h"

#include "catalogue/Data.h"
#include "catalogue/Money.h"
#include "catalogue/RecordCounter.h"

#include <new>

namespace {
CRecordCounter s_counter;
}

CIngredient::CIngredient(CData* owner) : Owner(owner), Id(s_counter.Next()) {}

CIngredient::~CIngredient() = default;

bool CIngredient::CopyFrom(const CIngredient& source)
{
    if (&source == this)
        return true;
    SupplierInUse = nullptr;
    Suppliers.Clear();
    Name = source.Name;
    Group = source.Group;
    Unit = source.Unit;
    StockActive = source.StockActive;
    StockAmount = source.StockAmount;
    FileIndex = source.FileIndex;
    for (const CIngredientSupplier& supplier : source.Suppliers) {
        CIngredientSupplier* duplicate = AddIngredientSupplierPointer(supplier);
        if (!duplicate)
            return false;
        if (&supplier == source.SupplierInUse)
            SupplierInUse = duplicate;
    }
    return true;
}

int CIngredient::AddIngredientSupplier(const std::string& name, double price, double amount)
{
    try {
        auto supplier = std::make_unique<CIngredientSupplier>(Owner);
        supplier->Name = name;
        supplier->Price = price;
        supplier->Amount = amount;
        Suppliers.Append(std::move(supplier));
        return 1;
    } catch (const std::bad_alloc&) {
        ReportAllocationFailure("CIngredient::AddIngredientSupplier() -> new CIngredientSupplier failed");
        return 0;
    }
}

CIngredientSupplier* CIngredient::AddIngredientSupplierPointer(const CIngredientSupplier& source)
{
    try {
        auto supplier = std::make_unique<CIngredientSupplier>(Owner);
        supplier->Name = source.Name;
        supplier->Amount = source.Amount;
        supplier->Price = source.Price;
        supplier->FileIndex = source.FileIndex;
        return &Suppliers.Append(std::move(supplier));
    } catch (const std::bad_alloc&) {
        ReportAllocationFailure(
            "CIngredient::AddIngredientSupplierPointer() -> new CIngredientSupplier failed");
        return nullptr;
    }
}

void CIngredient::DeleteIngredientSupplier(CIngredientSupplier* supplier)
{
    if (!Suppliers.Contains(supplier))
        return;
    if (supplier == SupplierInUse)
        SupplierInUse = nullptr;
    Suppliers.Remove(supplier);
}

std::string CIngredient::GetSupplierName() const
{
    return SupplierInUse ? SupplierInUse->Name : std::string();
}

double CIngredient::GetPrice() const
{
    return SupplierInUse ? SupplierInUse->Price : 0.0;
}

double CIngredient::GetAmount() const
{
    return SupplierInUse && SupplierInUse->Amount >= 1e-13 ? SupplierInUse->Amount : 1.0;
}

double CIngredient::GetPricePerUnit() const
{
    return SupplierInUse ? SupplierInUse->GetPricePerUnit() : 0.0;
}

double CIngredient::GetStockValue() const
{
    if (!SupplierInUse || SupplierInUse->Amount < 1e-13)
        return 1.0;
    const double value = SupplierInUse->Price / SupplierInUse->Amount * StockAmount;
    return static_cast<double>(Money::TruncateToCents(value)) * 0.01;
}

void CIngredient::ReportAllocationFailure(const char* operation) const
{
    if (Owner)
        Owner->ReportAllocationFailure(operation);
}
