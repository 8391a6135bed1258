#pragma once

#include "catalogue/Ring.h"

class CRecipe;

// Keeps the sub-recipe links of a catalogue safe for the recursive cost getters: no cycles,
// and no chain deeper than a kitchen could mean. Used after a data file is read, where any
// file, also a damaged or hostile one, must load and price without running away.
namespace RecipeGraph {

// Longest chain of recipes (a recipe, its sub-recipe, that one's sub-recipe, ...) kept linked.
constexpr int kMaxNesting = 100;

// Walks the links depth-first from every recipe in ring order (without recursion) and unlinks
// each line that closes a cycle or would make a chain longer than kMaxNesting; such a line
// keeps the file index of its sub-recipe and costs nothing. Linear in recipes and lines.
// Returns the number of lines unlinked.
int UnlinkCyclesAndDeepNesting(CRing<CRecipe>& recipes);

} // namespace RecipeGraph
