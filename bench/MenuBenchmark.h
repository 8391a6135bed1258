#pragma once

class CData;

// Times the menu analysis on the catalogue's sales: the analysis of all food over three years
// with its chart built and painted into an image (booked and current prices), and on the
// evaluation page the switch of the selection and of the price basis with the repaint. Prints
// rows of a Markdown table, medians of `repeat` runs.
void RunMenuBenchmark(CData& data, int repeat);
