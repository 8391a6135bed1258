#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// Reads values from a settings file in INI form with the rules of the Windows profile-file
// functions: section and key names compare case-insensitively, blanks around keys and values
// are dropped, a value in matching quotes (" or ') loses them, lines starting with ';' are
// comments, the first matching key wins, and the result is cut to the caller's buffer.
// Bytes are taken as they are; no encoding is assumed.
class CIniFile
{
public:
    // The size of the buffers the program reads settings into; the value holds one less.
    static constexpr std::size_t kBufferSize = 260;

    // Reads the whole file; a missing or unreadable file reads as empty.
    explicit CIniFile(const std::filesystem::path& path);
    static CIniFile FromText(std::string text);

    // The value, or the default (without its trailing blanks) when the section or key is
    // missing; at most bufferSize - 1 characters.
    std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                          std::size_t bufferSize = kBufferSize) const;

private:
    CIniFile() = default;
    bool FindValue(std::string_view section, std::string_view key, std::string_view& value) const;

    std::string m_text;
};
