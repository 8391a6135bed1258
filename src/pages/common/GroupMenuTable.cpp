#include "GroupMenuTable.h"

#include "catalogue/Ingredient.h"
#include "controls/model/ListCell.h"

#include <algorithm>

CGroupMenuTable::CGroupMenuTable(std::string reservedFirst) : m_reserved(std::move(reservedFirst)) {}

void CGroupMenuTable::Rebuild(const CRing<CIngredient>& ingredients)
{
    m_slots.clear();
    // A group named like the reserved slot is that slot's entry, not a second one.
    for (const CIngredient& ingredient : ingredients) {
        if (!ingredient.Group.empty() && ingredient.Group != m_reserved)
            Insert(ingredient.Group);
    }
    if (!m_reserved.empty())
        m_slots.insert(m_slots.begin(), CEntry{m_reserved});
    AssignCommands();
}

// A name the table holds already is not added twice; the names beyond the table's size drop out.
void CGroupMenuTable::Insert(const std::string& name)
{
    const int capacity = m_reserved.empty() ? kNbSlots : kNbSlots - 1;
    const std::string key = CListCell::MakeSortText(name);
    const auto at = std::find_if(m_slots.begin(), m_slots.end(), [&key](const CEntry& entry) {
        return CListCell::MakeSortText(entry.Name) > key;
    });
    if (std::any_of(m_slots.begin(), m_slots.end(),
                    [&name](const CEntry& entry) { return entry.Name == name; }))
        return;
    m_slots.insert(at, CEntry{name});
    if (static_cast<int>(m_slots.size()) > capacity)
        m_slots.pop_back();
}

void CGroupMenuTable::AssignCommands()
{
    for (size_t slot = 0; slot < m_slots.size(); ++slot)
        m_slots[slot].Command = kFirstCommand + static_cast<int>(slot);
}

std::vector<CGroupMenuTable::CEntry> CGroupMenuTable::MenuEntries() const
{
    return {m_slots.rbegin(), m_slots.rend()};
}

std::string CGroupMenuTable::NameOf(int command) const
{
    for (const CEntry& entry : m_slots) {
        if (entry.Command == command)
            return entry.Name;
    }
    return {};
}
