#pragma once

class CData;

// Times what a purchase price change does to the catalogue's recipes: the impact of one
// ingredient (the most used one, and the one that reaches the most recipes) on every recipe, as the
// ingredient dialog's "Auswirkung …" computes it, and a simulation over the largest goods group, as the price
// simulation computes it; median of `repeat` runs each. Prints rows of a Markdown table.
void RunPriceImpactBenchmark(const CData& data, int repeat);
