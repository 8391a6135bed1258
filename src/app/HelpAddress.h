#pragma once

#include <string>

// Addresses in the help file "KostenkochHelp.html", which lies beside the program:
// program directory + separator + "KostenkochHelp.html#" + anchor.
class CHelpAddress
{
public:
    static constexpr const char* kFileName = "KostenkochHelp.html";
    // The main window's entry point ("? -> Hilfe aufrufen").
    static constexpr const char* kMainAnchor = "Main";
    static constexpr const char* kAboutBoxAnchor = "DialogAboutBox";

    // Without a program directory the address is the bare file name with the anchor.
    static std::string Make(const std::string& programDirectory, const std::string& anchor);
};
