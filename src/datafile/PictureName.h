#pragma once

#include <string>

// Rules for the picture file name a recipe keeps. The name is a bare file name in the data
// directory; a name read from a data file may be anything, so every use reduces it first and
// nothing ever reaches outside the data directory.
class CPictureName
{
public:
    // The last component of `name`, with "/" and "\" both counting as separators on every
    // system (files travel between systems) and a leading drive ("C:") dropped; empty when
    // nothing usable is left ("", ".", "..").
    static std::string Bare(const std::string& name);
    // Whether the name ends in .jpg, .jpeg, .gif, .bmp or .png, in any case.
    static bool HasPictureEnding(const std::string& name);
    // The picture's path in the data directory, or empty when the name reduces to nothing.
    static std::string PathIn(const std::string& dataDirectory, const std::string& name);
};
