#pragma once

class CData;

// Times the evaluation build over the catalogue's sales (36 months from the month of the first
// sale, 8 series, monthly values and running totals; median of several runs) and checks that
// the values of the one-walk sums equal the per-month definition bit for bit. Prints one
// result line per mode and one for the check, as rows of a Markdown table.
void RunEvaluationBenchmark(const CData& data);
