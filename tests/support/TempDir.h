#pragma once

#include <filesystem>
#include <string>

// A fresh directory under the system's temporary directory, removed with everything in it
// when the object goes away.
class CTempDir
{
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The path of `name` in the directory as the core's Windows-1252 text.
    std::string File(const std::string& name) const;

private:
    std::filesystem::path m_path;
};
