#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// A file opened in binary mode for reading and writing, as the log file needs it: appended to
// entry by entry, and now and then read whole and written back shorter. Wide paths on Windows.
class CUpdateFile
{
public:
    // Opens an existing file; with `create`, a missing one is created empty first.
    CUpdateFile(const std::filesystem::path& path, bool create);
    ~CUpdateFile();
    CUpdateFile(const CUpdateFile&) = delete;
    CUpdateFile& operator=(const CUpdateFile&) = delete;

    bool IsOpen() const { return m_file != nullptr; }
    // Whether the file holds anything; false when it cannot be told.
    bool IsEmpty();
    // Writes at the end; false when not everything was written.
    bool Append(std::string_view text);
    // The whole file; nothing when it cannot be read.
    std::optional<std::string> ReadAll();
    // Writes `contents` from the start, closes the file and cuts it to their length.
    bool ReplaceContents(const std::string& contents);

private:
    bool SeekTo(std::uint64_t offset);
    void Close();

    std::filesystem::path m_path;
    std::FILE* m_file = nullptr;
};
