#pragma once

class CData;

// Times the costing check of the whole catalogue (median of `repeat` runs): the check alone,
// and the check with the shown texts of every finding (what the dialog and the cli show).
// "Today" is the day after the latest sale, so the sales checks have work to do. Prints the
// results as rows of a Markdown table.
void RunCostCheckBenchmark(const CData& data, int repeat);
