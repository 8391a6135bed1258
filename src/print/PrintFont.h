#pragma once

// A font of a printout as the layout asks for it: bold "Arial" of a cell height and an average
// character width in device units. Items carry this description; the font cache of the job
// turns it into a font once.
struct CPrintFont
{
    int Height = 0;
    // 0: the face's own width for that height.
    int Width = 0;

    // Height and width each times num / den, rounded toward zero.
    CPrintFont Scaled(int num, int den) const { return {Height * num / den, Width * num / den}; }

    bool operator==(const CPrintFont&) const = default;
};
