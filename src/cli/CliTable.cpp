#include "CliTable.h"

#include "catalogue/NumberText.h"

namespace {

std::string Quote(const std::string& utf8)
{
    if (utf8.find_first_of(";\"\r\n") == std::string::npos)
        return utf8;
    std::string quoted = "\"";
    for (char c : utf8)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

std::string Cell(const CJsonValue& value)
{
    switch (value.Type()) {
    case CJsonValue::EType::Integer:
    case CJsonValue::EType::Double:
        return NumberText::Format(value.ToDouble(), -1);
    case CJsonValue::EType::String:
        return Quote(value.ToString());
    case CJsonValue::EType::Bool:
        return value.ToBool() ? "1" : "0";
    default:
        return {};
    }
}

} // namespace

std::string CCliTable::ToCsv() const
{
    std::string csv;
    for (std::size_t i = 0; i < Columns.size(); ++i)
        csv += (i ? ";" : "") + Quote(Columns[i]);
    csv += '\n';
    Rows([&](const CJsonValue& row) {
        for (std::size_t i = 0; i < Columns.size(); ++i)
            csv += (i ? ";" : "") + Cell(row.Member(Columns[i]));
        csv += '\n';
    });
    return csv;
}
