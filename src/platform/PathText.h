#pragma once

#include <optional>
#include <string>

// Paths as text (Windows-1252 like every text of the core): the platform's separator, the
// directory and name parts, and how two directories compare. The separator is "\" on Windows
// (where "/" is accepted as well) and "/" elsewhere. Directories compare without regard to
// case on Windows and exactly elsewhere, where "Bilder" and "bilder" are two folders.
class CPathText
{
public:
    static char Separator();
    static bool IsSeparator(char c);

    // Everything before the last separator; nothing when the path holds none.
    static std::optional<std::string> DirectoryOf(const std::string& path);
    // Everything after the last separator; the whole path when it holds none.
    static std::string FileNameOf(const std::string& path);
    // The directory without one trailing separator, a separator, the name.
    static std::string Join(const std::string& directory, const std::string& name);
    static std::string WithoutTrailingSeparator(const std::string& path);
    static std::string WithTrailingSeparator(const std::string& path);

    // Whether two directory (or file) paths name the same place, by the platform's rule.
    static bool SamePath(const std::string& a, const std::string& b);
    // Windows-1252 text compared with ASCII and Latin-1 letters folded to lower case.
    static bool EqualIgnoringCase(const std::string& a, const std::string& b);
    static std::string ToLower(std::string text);
};
