#pragma once

#include "RegisterSales.h"

#include <string>
#include <string_view>
#include <unordered_map>

// Keeps one CRegisterItem for each distinct article number, text and group a reader meets, so
// that a year of receipt lines holds each item's texts once. Items are looked up by the fields
// as the file holds them; only an item met for the first time is converted.
class CRegisterItemPool
{
public:
    explicit CRegisterItemPool(CRegisterSales& sales) : m_sales(sales) {}

    // The index of the item with these fields; `convert` turns a field into Windows-1252 text
    // when the item is new.
    template <class Convert>
    int Find(std::string_view number, std::string_view text, std::string_view group, const Convert& convert)
    {
        SetKey(number, text, group);
        if (const auto found = m_index.find(std::string_view(m_key)); found != m_index.end())
            return found->second;
        const int index = m_sales.AddItem(convert(number), convert(text), convert(group));
        m_index.emplace(m_key, index);
        return index;
    }
    // The same for fields that are Windows-1252 already.
    int Find(std::string_view number, std::string_view text, std::string_view group)
    {
        return Find(number, text, group, [](std::string_view field) { return std::string(field); });
    }

private:
    struct CHash
    {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const { return std::hash<std::string_view>()(key); }
    };
    void SetKey(std::string_view number, std::string_view text, std::string_view group);

    CRegisterSales& m_sales;
    std::unordered_map<std::string, int, CHash, std::equal_to<>> m_index;
    std::string m_key;
};
