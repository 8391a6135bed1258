#pragma once

// Where the section bar puts its buttons: each button is 26 pixels high and stands at
// 26 x index - position. The bar is as high as its buttons or the available height, whichever
// is smaller; when the buttons need more than the available height, a vertical scroll bar with
// range 0 .. 26 x count and page = available height shows, and the position stays within
// 0 .. 26 x count - available height. Otherwise there is no scroll bar and the position is 0.
struct CSectionBarLayout
{
    static constexpr int kButtonHeight = 26;

    int Height = 0;
    bool ScrollBarShown = false;
    int ContentHeight = 0;
    int PageHeight = 0;
    int Position = 0;

    static CSectionBarLayout Compute(int count, int availableHeight, int position);

    // The largest position (the scroll bar's maximum); 0 without a scroll bar.
    int MaxPosition() const { return ScrollBarShown ? ContentHeight - PageHeight : 0; }
    int ButtonTop(int index) const { return kButtonHeight * index - Position; }

    bool operator==(const CSectionBarLayout&) const = default;
};
