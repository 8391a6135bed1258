#include "MemoryProfileStore.h"

std::optional<std::string> CMemoryProfileStore::GetString(const std::string& section,
                                                          const std::string& entry) const
{
    const auto it = m_values.find({section, entry});
    if (it == m_values.end() || !std::holds_alternative<std::string>(it->second))
        return std::nullopt;
    return std::get<std::string>(it->second);
}

bool CMemoryProfileStore::WriteString(const std::string& section, const std::string& entry,
                                      const std::string& value)
{
    m_values[{section, entry}] = value;
    return true;
}

std::optional<std::vector<uint8_t>> CMemoryProfileStore::GetBinary(const std::string& section,
                                                                   const std::string& entry) const
{
    const auto it = m_values.find({section, entry});
    if (it == m_values.end() || !std::holds_alternative<std::vector<uint8_t>>(it->second))
        return std::nullopt;
    return std::get<std::vector<uint8_t>>(it->second);
}

bool CMemoryProfileStore::WriteBinary(const std::string& section, const std::string& entry,
                                      const std::vector<uint8_t>& value)
{
    m_values[{section, entry}] = value;
    return true;
}

bool CMemoryProfileStore::Contains(const std::string& section, const std::string& entry) const
{
    return m_values.contains({section, entry});
}

void CMemoryProfileStore::Remove(const std::string& section, const std::string& entry)
{
    m_values.erase({section, entry});
}
