#include "JsonObject.h"

#include <algorithm>
#include <ostream>

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

void CJsonObject::WriteWithRows(std::ostream& stream, const std::string& key,
                                const CJsonRowSource& rows) const
{
    constexpr std::size_t kPartBytes = 64 * 1024;
    std::string out = "{\n";
    out.reserve(kPartBytes + kPartBytes / 2);
    const auto writeRows = [&] {
        out += "    ";
        AppendJsonString(out, key);
        out += ": [\n";
        bool first = true;
        rows([&](const CJsonValue& row) {
            out += first ? "        " : ",\n        ";
            first = false;
            row.Append(out, 2, nullptr);
            if (out.size() >= kPartBytes) {
                stream.write(out.data(), static_cast<std::streamsize>(out.size()));
                out.clear();
            }
        });
        out += first ? "    ]" : "\n    ]";
    };
    bool rowsWritten = false;
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        if (!rowsWritten && key <= m_keys[i]) {
            writeRows();
            rowsWritten = true;
            // A member of the same name gives way to the rows.
            if (key == m_keys[i]) {
                out += i + 1 < m_keys.size() ? ",\n" : "\n";
                continue;
            }
            out += ",\n";
        }
        out += "    ";
        AppendJsonString(out, m_keys[i]);
        out += ": ";
        m_values[i].Append(out, 1, nullptr);
        out += i + 1 < m_keys.size() ? ",\n" : "\n";
    }
    if (!rowsWritten) {
        if (!m_keys.empty()) {
            out.pop_back();
            out += ",\n";
        }
        writeRows();
        out += "\n";
    }
    out += "}\n";
    stream.write(out.data(), static_cast<std::streamsize>(out.size()));
}
