#include "EvaluationTableText.h"

#include "controls/model/ListCtrlData.h"

#include <vector>

namespace {

// The shown columns in screen order, without column 0 where it is the sort key.
std::vector<int> ExportedColumns(const CListCtrlData& table, CEvaluationTableText::EFirstColumn first)
{
    std::vector<int> columns;
    for (int index : table.GetDisplayOrder()) {
        const CListColumn* column = table.FindColumn(index);
        const bool skipped = index == 0 && first == CEvaluationTableText::EFirstColumn::Skipped;
        if (!skipped && column != nullptr && column->Visible)
            columns.push_back(index);
    }
    return columns;
}

void AppendLine(const std::vector<std::string>& fields, std::string& text)
{
    for (std::size_t position = 0; position < fields.size(); ++position) {
        if (position > 0)
            text += ';';
        text += CEvaluationTableText::CsvField(fields[position]);
    }
    text += "\r\n";
}

} // namespace

std::string CEvaluationTableText::ToCsv(const CListCtrlData& table, EFirstColumn first)
{
    const std::vector<int> columns = ExportedColumns(table, first);
    std::string text;
    std::vector<std::string> fields;
    for (int index : columns)
        fields.push_back(table.FindColumn(index)->Header);
    AppendLine(fields, text);
    for (std::size_t item = 0; item < table.GetItems().size(); ++item) {
        const CListRow* row = table.GetItemRow(item);
        fields.clear();
        for (int index : columns) {
            const CListCell* cell = row != nullptr ? row->FindCell(index) : nullptr;
            fields.push_back(cell != nullptr ? cell->GetText() : std::string());
        }
        AppendLine(fields, text);
    }
    return text;
}

std::string CEvaluationTableText::CsvField(const std::string& text)
{
    if (text.find_first_of(";\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char character : text) {
        if (character == '"')
            quoted += '"';
        quoted += character;
    }
    return quoted + "\"";
}
