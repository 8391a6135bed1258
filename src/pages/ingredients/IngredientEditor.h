#pragma once

#include <string>
#include <vector>

class CData;
class CIngredient;
class CIngredientSupplier;

// What the ingredient dialog does to its working copy, apart from any window. The amount, price
// and supplier fields always stand for the copy's used supplier; editing them edits that entry.
class CIngredientEditor
{
public:
    explicit CIngredientEditor(CIngredient& copy) : m_copy(copy) {}

    // Gives a copy without a used supplier one: its first entry, made empty when it has none.
    void EnsureUsedSupplier();
    CIngredientSupplier* Used() const;
    void SetUsedAmount(double amount);
    void SetUsedPrice(double price);
    void SetUsedName(const std::string& name);
    // An entry carrying `name` becomes the used supplier (true); without one the used supplier
    // takes the name (false).
    bool ChooseSupplier(const std::string& name);
    // Appends an entry; it becomes the used supplier when the copy had no entry before.
    // Returns whether it did.
    bool AddSupplier(const std::string& name, double amount, double price);
    void MakeUsed(CIngredientSupplier* supplier);
    // The used supplier cannot be deleted.
    bool CanDeleteSupplier(const CIngredientSupplier* supplier) const;
    void DeleteSupplier(CIngredientSupplier* supplier);
    CIngredientSupplier* SupplierById(int id) const;

    // Without blanks at either end.
    static std::string Trim(const std::string& text);
    // An ingredient needs a name and a unit that are more than blanks.
    static bool IsComplete(const std::string& name, const std::string& unit);
    // Every distinct non-empty group text of the catalogue's ingredients, in catalogue order.
    static std::vector<std::string> GroupNames(const CData& data);
    // Every distinct non-empty supplier name of the catalogue's ingredients, then those of
    // `extra` not yet present (extra may be null).
    static std::vector<std::string> SupplierNames(const CData& data, const CIngredient* extra);

private:
    CIngredient& m_copy;
};
