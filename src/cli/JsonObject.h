#pragma once

#include "cli/JsonValue.h"

#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

// The members of a JSON object, ordered by key; a key given again replaces its value.
using CJsonRowSink = std::function<void(const CJsonValue&)>;
// Hands rows one by one to a sink.
using CJsonRowSource = std::function<void(const CJsonRowSink&)>;

class CJsonObject
{
public:
    CJsonObject() = default;
    CJsonObject(std::initializer_list<std::pair<std::string, CJsonValue>> members);

    void Insert(const std::string& key, CJsonValue value);
    // Writes the object with one member more, `key`, an array of the rows that `rows` hands
    // over: the text CJsonValue::WriteTo gives with all rows inserted, while no row is kept
    // after it is written.
    void WriteWithRows(std::ostream& stream, const std::string& key, const CJsonRowSource& rows) const;

private:
    friend class CJsonValue;

    std::vector<std::string> m_keys;
    std::vector<CJsonValue> m_values;
};
