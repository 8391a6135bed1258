#include "JsonObject.h"

#include <algorithm>

// The members are taken in one go and put in key order once; of a key given twice the later
// value counts, as with Insert.
CJsonObject::CJsonObject(std::initializer_list<std::pair<std::string, CJsonValue>> members)
{
    std::vector<const std::pair<std::string, CJsonValue>*> order;
    order.reserve(members.size());
    for (const auto& member : members)
        order.push_back(&member);
    std::stable_sort(order.begin(), order.end(),
                     [](const auto* a, const auto* b) { return a->first < b->first; });
    m_keys.reserve(members.size());
    m_values.reserve(members.size());
    for (const auto* member : order) {
        if (!m_keys.empty() && m_keys.back() == member->first) {
            m_values.back() = member->second;
            continue;
        }
        m_keys.push_back(member->first);
        m_values.push_back(member->second);
    }
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
