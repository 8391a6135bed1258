#pragma once

// The value axis of the evaluation chart, from the values drawn in a build pass. The tick step
// follows a tenth of the span (2 below 5, 10 below 25, 100 below 250, 1000 below 2500, and ten
// times as much for every further tenfold span, so that an axis has at most 26 ticks); the axis
// runs from the smallest value rounded toward zero to the step, to one step above the largest
// value rounded toward zero to the step. Without any value drawn the axis runs 0..2, step 2.
// Bounds beyond the 32-bit range saturate.
class CEvaluationAxis
{
public:
    // Widens the range to hold `value`; the first value sets both ends.
    void Include(double value);
    bool IsEmpty() const { return m_empty; }
    double GetLargest() const { return m_largest; }
    double GetSmallest() const { return m_smallest; }

    int GetStep() const;
    int GetMinimum() const;
    int GetMaximum() const;

private:
    bool m_empty = true;
    double m_smallest = 0.0;
    double m_largest = 0.0;
};
