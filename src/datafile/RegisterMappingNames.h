#pragma once

#include <string_view>

// Element names of the cash register import's memory in the data file. The element follows the
// sales and is written only when there is something to remember, so a file without it stays as
// it was. The reader tells these names apart by their text: their name codes are none of the
// data file's names (a reader that knows only those passes over the element).
namespace RegisterMappingNames {

constexpr std::string_view kSection = "RegisterImport";
constexpr std::string_view kItem = "RegisterItem";
constexpr std::string_view kSource = "RegisterSource";
constexpr std::string_view kKey = "ItemKey";
constexpr std::string_view kText = "ItemText";
constexpr std::string_view kDish = "DishIndex";
constexpr std::string_view kSourceKey = "SourceKey";
constexpr std::string_view kLabel = "SourceLabel";

} // namespace RegisterMappingNames
