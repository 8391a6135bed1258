#pragma once

#include <string>

class CData;

// The rules of the master data pages, apart from any window: which group numbers a page's rows
// stand for, what the rate rows are labelled with, when a group name may be emptied and what the
// currency factor reads.
namespace MasterDataRules {

constexpr int kNbRows = 10;

// The group number of row 0 of a food page (0) or a drink page (the number of food groups).
int FirstGroup(const CData& data, bool drinks);
bool GroupHasRecipes(const CData& data, int group);
// Stores a group name. A name that recipes' group needs is not emptied: false when the old
// name was kept. A group that has no name already is no emptied name, recipes or not.
[[nodiscard]] bool StoreGroupName(CData& data, int group, const std::string& name);
// The group's name followed by " :", or empty for a group without a name (its row is off).
std::string RowLabel(const CData& data, int group);
// "1 UNIT = " with UNIT replaced by the first currency's name.
std::string FactorLabel(const std::string& currency);

} // namespace MasterDataRules
