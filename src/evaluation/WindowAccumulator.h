#pragma once

#include "catalogue/Data.h"
#include "catalogue/SalesSums.h"

#include <array>
#include <set>
#include <span>
#include <vector>

// The sums of every series (selectors 0..22) in every month of an evaluation, added sale by
// sale in catalogue order, so that each month's sums are bit for bit what a walk over all sales
// in catalogue order adds for that month's window.
//
// For running totals a sale counts in its month and every later one. Months that have received
// the same sales so far share one set of sums (a run, kept at its first month); a sale splits
// the run at its month and adds to each run from there on. Sales in date order therefore cost
// one addition per series instead of one per later month.
class CWindowAccumulator
{
public:
    using CSeriesSums = std::array<CSalesSums, CData::NbSeries>;

    CWindowAccumulator(int monthCount, bool runningTotals);

    // Adds portions at prices to the series `selectors` (each below CData::NbSeries) of month
    // `month` and, for running totals, of every later month.
    void Add(int month, std::span<const unsigned> selectors, const CSalesSums::CPrices& prices,
             double portions);
    const CSalesSums& Get(int month, unsigned selector) const;

private:
    // The first month of the run holding `month`.
    int RunOf(int month) const;
    // Makes `month` the first month of a run and returns an iterator to it.
    std::set<int>::iterator SplitAt(int month);

    bool m_running;
    std::vector<CSeriesSums> m_months;
    std::set<int> m_runStarts;
};
