#include "RegisterItemTable.h"

#include "catalogue/Data.h"
#include "registerimport/DishProposer.h"

#include <unordered_map>

namespace {

std::string Cleaned(std::string text)
{
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    }
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string MappingKey(const CRegisterItem& item)
{
    return Cleaned(RegisterItemKey(item));
}

CRegisterItemTable CRegisterItemTable::Build(const CRegisterSales& sales,
                                             const std::unordered_set<int>& skipSources, const CData& data,
                                             const CDishProposer& proposer)
{
    std::unordered_set<int> recipeIds;
    for (const CRecipe& recipe : data.Recipes)
        recipeIds.insert(recipe.Id);
    std::unordered_map<std::string, const CRegisterItemMapping*> stored;
    for (const CRegisterItemMapping& item : data.RegisterMapping.Items)
        stored[item.ItemKey] = &item;

    const auto newRow = [&](const CRegisterItem& item, std::string key) {
        CRow row;
        row.Key = std::move(key);
        row.Text = Cleaned(item.Text);
        row.Number = Cleaned(item.Number);
        row.Proposal = proposer.Propose(row.Text);
        const auto known = stored.find(row.Key);
        if (known != stored.end()) {
            const int recipeId = known->second->RecipeId;
            if (recipeId == CRegisterItemMapping::kNoDish) {
                row.Choice = EChoice::NoDish;
                row.Stored = true;
            } else if (recipeIds.contains(recipeId)) {
                row.Choice = EChoice::Dish;
                row.RecipeId = recipeId;
                row.Stored = true;
            }
        }
        return row;
    };

    CRegisterItemTable table;
    std::unordered_map<std::string, std::size_t> rows;
    // Rows in the order of their items' first lines; each item's row is looked up once.
    constexpr std::size_t kNoRow = static_cast<std::size_t>(-1);
    std::vector<std::size_t> rowOfItem(sales.Items.size(), kNoRow);
    for (const CRegisterLine& line : sales.Lines) {
        if (skipSources.contains(line.Source))
            continue;
        std::size_t& itemRow = rowOfItem[static_cast<std::size_t>(line.Item)];
        if (itemRow == kNoRow) {
            const CRegisterItem& item = sales.ItemOf(line);
            std::string key = MappingKey(item);
            const auto [at, added] = rows.try_emplace(key, table.m_rows.size());
            if (added)
                table.m_rows.push_back(newRow(item, std::move(key)));
            itemRow = at->second;
        }
        CRow& row = table.m_rows[itemRow];
        ++row.Lines;
        row.Portions += line.Quantity;
        row.Gross += line.GrossRevenue;
    }
    return table;
}

int CRegisterItemTable::Find(const std::string& key) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].Key == key)
            return static_cast<int>(i);
    }
    return -1;
}

bool CRegisterItemTable::ConfirmProposal(int row)
{
    const CDishProposal& proposal = m_rows[row].Proposal;
    if (!proposal.Dish)
        return false;
    ChooseDish(row, *proposal.Dish);
    return true;
}

void CRegisterItemTable::ChooseDish(int row, const CRecipe& dish)
{
    m_rows[row].Choice = EChoice::Dish;
    m_rows[row].RecipeId = dish.Id;
    m_rows[row].Stored = false;
}

void CRegisterItemTable::ChooseNoDish(int row)
{
    m_rows[row].Choice = EChoice::NoDish;
    m_rows[row].RecipeId = -1;
    m_rows[row].Stored = false;
}

void CRegisterItemTable::Reopen(int row)
{
    m_rows[row].Choice = EChoice::Open;
    m_rows[row].RecipeId = -1;
    m_rows[row].Stored = false;
}

int CRegisterItemTable::AcceptExact()
{
    int accepted = 0;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const CRow& row = m_rows[i];
        if (row.Choice == EChoice::Open && row.Proposal.Kind == CDishProposal::EKind::Exact) {
            ChooseDish(static_cast<int>(i), *row.Proposal.Dish);
            ++accepted;
        }
    }
    return accepted;
}

int CRegisterItemTable::CountOpen() const
{
    int open = 0;
    for (const CRow& row : m_rows)
        open += row.Choice == EChoice::Open ? 1 : 0;
    return open;
}

void CRegisterItemTable::StoreIn(CRegisterMapping& mapping) const
{
    std::unordered_map<std::string, std::size_t> known;
    for (std::size_t i = 0; i < mapping.Items.size(); ++i)
        known[mapping.Items[i].ItemKey] = i;
    for (const CRow& row : m_rows) {
        if (row.Choice == EChoice::Open || row.Key.empty())
            continue;
        const int recipeId = row.Choice == EChoice::Dish ? row.RecipeId : CRegisterItemMapping::kNoDish;
        const auto found = known.find(row.Key);
        if (found != known.end()) {
            mapping.Items[found->second].ItemText = row.Text;
            mapping.Items[found->second].RecipeId = recipeId;
        } else {
            known[row.Key] = mapping.Items.size();
            mapping.Items.push_back({row.Key, row.Text, recipeId});
        }
    }
}
