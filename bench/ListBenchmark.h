#pragma once

class CData;

// Times the list of all sales (200,000 rows on file L, 8 columns): filling the data model,
// Fill and Sort, showing the rows in the list widget, and re-sorting by a header click; the
// data model and the view are measured separately. Needs a QApplication. Prints Markdown
// table rows; median of `repeat` runs.
void RunListBenchmark(const CData& data, int repeat);
