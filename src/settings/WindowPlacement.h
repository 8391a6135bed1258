#pragma once

#include <optional>
#include <string>
#include <string_view>

// Where the main window stands, as the platform describes a placement: flags, show state,
// the positions of the minimised and maximised window and the rectangle of the normal
// window (screen coordinates). Kept between runs as the text of `WindowPos`.
class CWindowPlacement
{
public:
    struct CPoint
    {
        int X = 0;
        int Y = 0;
        bool operator==(const CPoint&) const = default;
    };
    struct CRect
    {
        int Left = 0;
        int Top = 0;
        int Right = 0;
        int Bottom = 0;
        bool operator==(const CRect&) const = default;
    };

    // Flag: the window returns to the maximised state when restored from minimised.
    static constexpr unsigned kRestoreToMaximized = 2;
    static constexpr unsigned kShowNormal = 1;
    static constexpr unsigned kShowMinimized = 2;
    static constexpr unsigned kShowMaximized = 3;

    unsigned Flags = 0;
    unsigned ShowCmd = kShowNormal;
    CPoint MinPosition;
    CPoint MaxPosition;
    CRect NormalPosition;

    bool operator==(const CWindowPlacement&) const = default;

    // "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d": flags, show state, minimised x, y, maximised x, y,
    // normal left, top, right, bottom.
    std::string ToText() const;
    // Nothing unless all ten numbers are read. A minimised window comes back in the normal
    // state, so the program never starts as an icon.
    static std::optional<CWindowPlacement> FromText(std::string_view text);
};
