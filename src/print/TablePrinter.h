#pragma once

#include "print/PrintFont.h"

#include <QString>
#include <vector>

class CListCtrlData;
class CPrintLayout;

// Prints a list as a table: its shown columns in screen order, its rows in the order shown,
// each cell as the list shows it, with the column's alignment. Each column is as wide as its
// widest text, a text column at most a third of the body beside its heading (longer texts are
// elided); columns stand a gap of "ABC" apart. When the table is wider than the page,
// the font (starting from font 2) shrinks by 7/8 until it fits; when the font would vanish,
// the table cannot be printed (message 200). A row that would pass the body's bottom starts
// the next page, which repeats the heading row.
class CTablePrinter
{
public:
    // The share of the body a text column may take for its cells: 1 / kTextColumnShare.
    static constexpr int kTextColumnShare = 3;

    // Starts `extraTop` below the body's top on the layout's current page. False (and the
    // layout failed with message 200) when the table does not fit even in the smallest font.
    static bool Layout(CPrintLayout& layout, const CListCtrlData& list, int extraTop = 0);

private:
    struct CTable
    {
        std::vector<int> Columns; // model indices, in screen order
        std::vector<QString> Headings;
        std::vector<int> Flags;
        std::vector<std::vector<QString>> Rows;
    };

    static CTable Collect(const CListCtrlData& list);
    static std::vector<int> MeasureWidths(CPrintLayout& layout, const CTable& table, const CPrintFont& font);
    static void AddRow(CPrintLayout& layout, int page, int y, const std::vector<QString>& texts,
                       const CTable& table, const std::vector<int>& widths, int gap, int line,
                       const CPrintFont& font);
};
