#pragma once

class CData;

// Times printing the ingredients list as the ingredients page shows it: the layout pass into
// print items and writing the PDF file (A4, 600 dpi), with the page count.
void RunPrintBenchmark(CData& data, int repeat);
