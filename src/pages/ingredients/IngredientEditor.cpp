#include "IngredientEditor.h"

#include "catalogue/Data.h"

#include <algorithm>

namespace {

void AddDistinct(std::vector<std::string>& names, const std::string& name)
{
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(name);
}

void AddSupplierNames(std::vector<std::string>& names, const CIngredient& ingredient)
{
    for (const CIngredientSupplier& supplier : ingredient.Suppliers)
        AddDistinct(names, supplier.Name);
}

} // namespace

void CIngredientEditor::EnsureUsedSupplier()
{
    if (m_copy.SupplierInUse)
        return;
    if (m_copy.Suppliers.IsEmpty())
        m_copy.AddIngredientSupplier("", 0.0, 0.0);
    m_copy.SupplierInUse = m_copy.Suppliers.Head();
}

CIngredientSupplier* CIngredientEditor::Used() const
{
    return m_copy.SupplierInUse;
}

void CIngredientEditor::SetUsedAmount(double amount)
{
    if (Used())
        Used()->Amount = amount;
}

void CIngredientEditor::SetUsedPrice(double price)
{
    if (Used())
        Used()->Price = price;
}

void CIngredientEditor::SetUsedName(const std::string& name)
{
    if (Used())
        Used()->Name = name;
}

bool CIngredientEditor::ChooseSupplier(const std::string& name)
{
    for (CIngredientSupplier& supplier : m_copy.Suppliers) {
        if (supplier.Name == name) {
            MakeUsed(&supplier);
            return true;
        }
    }
    SetUsedName(name);
    return false;
}

bool CIngredientEditor::AddSupplier(const std::string& name, double amount, double price)
{
    const bool first = m_copy.Suppliers.IsEmpty();
    if (!m_copy.AddIngredientSupplier(name, price, amount))
        return false;
    if (first)
        MakeUsed(m_copy.Suppliers.Head());
    return first;
}

void CIngredientEditor::MakeUsed(CIngredientSupplier* supplier)
{
    if (m_copy.Suppliers.Contains(supplier))
        m_copy.SupplierInUse = supplier;
}

bool CIngredientEditor::CanDeleteSupplier(const CIngredientSupplier* supplier) const
{
    return supplier && supplier != m_copy.SupplierInUse;
}

void CIngredientEditor::DeleteSupplier(CIngredientSupplier* supplier)
{
    if (CanDeleteSupplier(supplier) && m_copy.Suppliers.Contains(supplier))
        m_copy.DeleteIngredientSupplier(supplier);
}

CIngredientSupplier* CIngredientEditor::SupplierById(int id) const
{
    for (CIngredientSupplier& supplier : m_copy.Suppliers) {
        if (supplier.Id == id)
            return &supplier;
    }
    return nullptr;
}

std::string CIngredientEditor::Trim(const std::string& text)
{
    const char* blanks = " \t\r\n\v\f";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool CIngredientEditor::IsComplete(const std::string& name, const std::string& unit)
{
    return !Trim(name).empty() && !Trim(unit).empty();
}

std::vector<std::string> CIngredientEditor::GroupNames(const CData& data)
{
    std::vector<std::string> names;
    for (const CIngredient& ingredient : data.Ingredients)
        AddDistinct(names, ingredient.Group);
    return names;
}

std::vector<std::string> CIngredientEditor::SupplierNames(const CData& data, const CIngredient* extra)
{
    std::vector<std::string> names;
    for (const CIngredient& ingredient : data.Ingredients)
        AddSupplierNames(names, ingredient);
    if (extra)
        AddSupplierNames(names, *extra);
    return names;
}
