#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The per-user store of remembered values: named sections, each holding string and binary
// values. The empty section name is the application key itself. Text is Windows-1252, as
// everywhere in the core.
class CProfileStore
{
public:
    virtual ~CProfileStore() = default;

    // The value, or nothing when it is missing.
    virtual std::optional<std::string> GetString(const std::string& section,
                                                 const std::string& entry) const = 0;
    virtual bool WriteString(const std::string& section, const std::string& entry,
                             const std::string& value) = 0;

    virtual std::optional<std::vector<uint8_t>> GetBinary(const std::string& section,
                                                          const std::string& entry) const = 0;
    virtual bool WriteBinary(const std::string& section, const std::string& entry,
                             const std::vector<uint8_t>& value) = 0;
};
