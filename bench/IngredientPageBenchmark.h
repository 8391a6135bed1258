#pragma once

class CData;

// Times the ingredients page (3,000 ingredients on file L): refilling its list from the
// catalogue (rows, Fill, Sort) and painting the shown page. Needs a QApplication. Prints
// Markdown table rows; median of `repeat` runs.
void RunIngredientPageBenchmark(CData& data, int repeat);
