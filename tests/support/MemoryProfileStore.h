#pragma once

#include "platform/ProfileStore.h"

#include <map>
#include <utility>
#include <variant>

// A profile store held in memory, for tests and for runs that must not touch the user's
// settings. Like the registry, a value is either a string or binary; asking for the other
// kind finds nothing. Names are compared exactly.
class CMemoryProfileStore : public CProfileStore
{
public:
    std::optional<std::string> GetString(const std::string& section, const std::string& entry) const override;
    bool WriteString(const std::string& section, const std::string& entry, const std::string& value) override;

    std::optional<std::vector<uint8_t>> GetBinary(const std::string& section,
                                                  const std::string& entry) const override;
    bool WriteBinary(const std::string& section, const std::string& entry,
                     const std::vector<uint8_t>& value) override;

    bool Contains(const std::string& section, const std::string& entry) const;
    void Remove(const std::string& section, const std::string& entry);

private:
    using CKey = std::pair<std::string, std::string>;
    using CValue = std::variant<std::string, std::vector<uint8_t>>;

    std::map<CKey, CValue> m_values;
};
