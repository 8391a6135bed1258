#include "JsonObject.h"

#include <algorithm>

CJsonObject::CJsonObject(std::initializer_list<std::pair<std::string, CJsonValue>> members)
{
    m_keys.reserve(members.size());
    m_values.reserve(members.size());
    for (const auto& [key, value] : members)
        Insert(key, value);
}

void CJsonObject::Insert(const std::string& key, CJsonValue value)
{
    const auto position = std::lower_bound(m_keys.begin(), m_keys.end(), key);
    const auto index = position - m_keys.begin();
    if (position != m_keys.end() && *position == key) {
        m_values[static_cast<std::size_t>(index)] = std::move(value);
        return;
    }
    m_keys.insert(position, key);
    m_values.insert(m_values.begin() + index, std::move(value));
}
