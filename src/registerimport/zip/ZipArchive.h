#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A ZIP archive opened for reading through libzip. Entries are looked up by their name inside
// the archive; an entry is read whole into memory, and only up to a limit the caller sets, so
// an archive that would unpack to gigabytes is refused rather than unpacked.
class CZipArchive
{
public:
    enum EResult {
        Ok,
        NotFound,   // no entry of that name
        TooLarge,   // the entry unpacks to more than the limit
        Damaged,    // the archive or the entry cannot be read (broken, encrypted, unknown method)
        CannotOpen, // the file is missing, unreadable or no ZIP archive
    };

    CZipArchive() = default;
    ~CZipArchive();
    CZipArchive(const CZipArchive&) = delete;
    CZipArchive& operator=(const CZipArchive&) = delete;

    // Opens the archive at `path` (bytes in the operating system's encoding).
    EResult Open(const std::string& path);
    // The names of the entries, as the archive stores them.
    std::vector<std::string> GetNames() const;
    // The whole entry into `bytes`; TooLarge before reading when its stated size exceeds
    // `limit`, and again if it unpacks to more than it stated.
    EResult Read(const std::string& name, std::uint64_t limit, std::string& bytes) const;

private:
    struct zip* m_archive = nullptr;
};
