#pragma once

#include "cli/JsonValue.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// The members of a JSON object, ordered by key; a key given again replaces its value.
class CJsonObject
{
public:
    CJsonObject() = default;
    CJsonObject(std::initializer_list<std::pair<std::string, CJsonValue>> members);

    void Insert(const std::string& key, CJsonValue value);

private:
    friend class CJsonValue;

    std::vector<std::string> m_keys;
    std::vector<CJsonValue> m_values;
};
