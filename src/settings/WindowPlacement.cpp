#include "WindowPlacement.h"

#include "TextScanner.h"

#include <array>
#include <cstdio>

std::string CWindowPlacement::ToText() const
{
    char text[160];
    std::snprintf(text, sizeof text, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", Flags, ShowCmd, MinPosition.X,
                  MinPosition.Y, MaxPosition.X, MaxPosition.Y, NormalPosition.Left, NormalPosition.Top,
                  NormalPosition.Right, NormalPosition.Bottom);
    return text;
}

std::optional<CWindowPlacement> CWindowPlacement::FromText(std::string_view text)
{
    CWindowPlacement placement;
    CTextScanner scanner(text);
    if (!scanner.ReadUnsigned(placement.Flags) || !scanner.Expect(',') ||
        !scanner.ReadUnsigned(placement.ShowCmd))
        return std::nullopt;
    const std::array<int*, 8> numbers = {&placement.MinPosition.X,        &placement.MinPosition.Y,
                                         &placement.MaxPosition.X,        &placement.MaxPosition.Y,
                                         &placement.NormalPosition.Left,  &placement.NormalPosition.Top,
                                         &placement.NormalPosition.Right, &placement.NormalPosition.Bottom};
    for (int* number : numbers) {
        if (!scanner.Expect(',') || !scanner.ReadInt(*number))
            return std::nullopt;
    }
    if (placement.ShowCmd == kShowMinimized)
        placement.ShowCmd = kShowNormal;
    return placement;
}
