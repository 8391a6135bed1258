#pragma once

class CData;

// Times the evaluation page over two years of the catalogue's sales (from the month of the
// first sale): switching the measure, a series, the months, monthly values or running totals,
// each as build plus repaint of the chart, and the measure in table mode as build plus repaint
// of the table. Needs a QApplication. Prints Markdown table rows; median of `repeat` runs.
void RunEvaluationPageBenchmark(CData& data, int repeat);
