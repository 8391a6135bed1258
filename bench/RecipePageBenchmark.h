#pragma once

class CData;

// Times the recipes page and the recipe dialog on file L: refilling and painting the page with
// every recipe (2,000), opening it, and recomputing the dialog's figures for a recipe of 30
// lines whose sub-recipes nest three levels deep, after a field change and after a line moves.
// Also counts how often costing one recipe walks the same sub-recipes. Needs a QApplication.
// Prints Markdown table rows; median of `repeat` runs.
void RunRecipePageBenchmark(CData& data, int repeat);
