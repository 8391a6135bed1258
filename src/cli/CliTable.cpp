#include "CliTable.h"

#include "catalogue/NumberText.h"

#include <QJsonObject>

namespace {

std::string Quote(const QString& text)
{
    std::string utf8 = text.toStdString();
    if (utf8.find_first_of(";\"\r\n") == std::string::npos)
        return utf8;
    std::string quoted = "\"";
    for (char c : utf8)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

std::string Cell(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Double:
        return NumberText::Format(value.toDouble(), -1);
    case QJsonValue::String:
        return Quote(value.toString());
    case QJsonValue::Bool:
        return value.toBool() ? "1" : "0";
    default:
        return {};
    }
}

} // namespace

std::string CCliTable::ToCsv() const
{
    std::string csv;
    for (qsizetype i = 0; i < Columns.size(); ++i)
        csv += (i ? ";" : "") + Quote(Columns[i]);
    csv += '\n';
    for (const QJsonValue& row : Rows) {
        const QJsonObject object = row.toObject();
        for (qsizetype i = 0; i < Columns.size(); ++i)
            csv += (i ? ";" : "") + Cell(object.value(Columns[i]));
        csv += '\n';
    }
    return csv;
}
