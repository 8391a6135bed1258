#pragma once

class CData;

// Times the stock dialog on a large catalogue (file L): sorting by name as the command does,
// one move with a typed stock (store, total, five rows), a type-ahead search over every name,
// and the total stock value alone. Needs a QApplication. Prints Markdown table rows; median
// and slowest of `repeat` x 100 moves.
void RunStockEntryBenchmark(CData& data, int repeat);
