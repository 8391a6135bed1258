#pragma once

class CData;

// Times the sales page on file L (200,000 sales): filling its list for the largest group and
// for "Alle", booking a sale with the refill that follows, and opening the list of all sales
// (fill, sort, first paint). Needs a QApplication. Prints Markdown table rows; median of
// `repeat` runs.
void RunSalesPageBenchmark(CData& data, int repeat);
