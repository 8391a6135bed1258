#include "SectionBarLayout.h"

#include <algorithm>

CSectionBarLayout CSectionBarLayout::Compute(int count, int availableHeight, int position)
{
    CSectionBarLayout layout;
    layout.ContentHeight = kButtonHeight * std::max(count, 0);
    layout.PageHeight = std::max(availableHeight, 0);
    layout.Height = std::min(layout.PageHeight, layout.ContentHeight);
    layout.ScrollBarShown = layout.PageHeight < layout.ContentHeight;
    layout.Position = std::clamp(position, 0, layout.MaxPosition());
    return layout;
}
