#include "StockEntry.h"

#include "catalogue/Data.h"
#include "catalogue/NumberText.h"
#include "platform/Clock.h"
#include "platform/PathText.h"

#include <algorithm>

namespace {

size_t CommonPrefixLength(const std::string& a, const std::string& b)
{
    const auto [end, unused] = std::mismatch(a.begin(), a.begin() + std::min(a.size(), b.size()), b.begin());
    (void)unused;
    return static_cast<size_t>(end - a.begin());
}

} // namespace

CStockEntry::CStockEntry(CData& data, const CClock& clock) : m_data(data), m_clock(clock)
{
    if (Count() > 0)
        ShowAt(0, {});
}

CIngredient* CStockEntry::CurrentIngredient() const
{
    return m_current >= 0 && m_current < Count() ? m_data.Ingredients.At(m_current) : nullptr;
}

int CStockEntry::Count() const
{
    return m_data.GetNbIngredients();
}

CStockEntry::CRow CStockEntry::Row(int row) const
{
    const int index = m_current + row - kCurrentRow;
    if (m_current < 0 || index < 0 || index >= Count())
        return {};
    const CIngredient& ingredient = *m_data.Ingredients.At(index);
    return {ingredient.Name, NumberText::Format(ingredient.GetPricePerUnit(), kPrecision),
            NumberText::Format(ingredient.StockAmount, kPrecision), ingredient.Unit,
            NumberText::Format(ingredient.GetStockValue(), kPrecision)};
}

std::string CStockEntry::TotalText() const
{
    return NumberText::Format(m_data.GetStockValue(), kPrecision);
}

bool CStockEntry::MoveUp(const std::string& typed)
{
    return m_current > 0 && ShowAt(m_current - 1, typed);
}

bool CStockEntry::MoveDown(const std::string& typed)
{
    return m_current >= 0 && ShowAt(std::min(m_current + 1, Count() - 1), typed);
}

bool CStockEntry::Scroll(EScroll action, int thumb, const std::string& typed)
{
    if (m_current < 0)
        return false;
    int index = m_current;
    switch (action) {
    case EScroll::LineUp:
        index -= 1;
        break;
    case EScroll::LineDown:
        index += 1;
        break;
    case EScroll::PageUp:
        index -= kPageStep;
        break;
    case EScroll::PageDown:
        index += kPageStep;
        break;
    case EScroll::Thumb:
        index = thumb;
        break;
    case EScroll::Top:
        index = 0;
        break;
    case EScroll::Bottom:
        index = Count() - 1;
        break;
    }
    return ShowAt(std::clamp(index, 0, Count() - 1), typed);
}

bool CStockEntry::TypeAhead(const std::string& keys, const std::string& typed)
{
    const uint32_t now = m_clock.TickCount();
    // Unsigned difference, so a wrapping tick count still measures the pause.
    if (now - m_lastKey > kTypeAheadPause)
        m_search.clear();
    m_search = CPathText::ToLower(m_search + keys);
    m_lastKey = now;
    const int found = FindByName();
    return found >= 0 && ShowAt(found, typed);
}

// The first ingredient, in catalogue order, whose lower-case name begins with the longest
// beginning of the search text that any name begins with; -1 when no name shares even the
// first character.
int CStockEntry::FindByName() const
{
    int found = -1;
    size_t longest = 0;
    for (int index = 0; index < Count() && longest < m_search.size(); ++index) {
        const size_t length =
            CommonPrefixLength(CPathText::ToLower(m_data.Ingredients.At(index)->Name), m_search);
        if (length > longest) {
            longest = length;
            found = index;
        }
    }
    return found;
}

bool CStockEntry::Store(const std::string& typed)
{
    CIngredient* ingredient = CurrentIngredient();
    if (!ingredient || typed == m_shownStock)
        return true;
    double amount = 0.0;
    if (!NumberText::Parse(typed, amount))
        return false;
    ingredient->StockAmount = amount;
    m_shownStock = typed;
    return true;
}

bool CStockEntry::ShowAt(int index, const std::string& typed)
{
    if (!Store(typed))
        return false;
    m_current = index;
    m_shownStock = Row(kCurrentRow).Stock;
    return true;
}
