#include "CsvPreview.h"

#include "CsvJournal.h"
#include "catalogue/NumberText.h"
#include "datafile/Utf8Text.h"

#include <cstdio>

namespace {

constexpr std::size_t kChoiceLength = 24;

std::string DateTimeText(const CDateTime& time)
{
    char text[24];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d", time.GetDay() % 100, time.GetMonth() % 100,
                  time.GetYear() % 10000, time.GetHour() % 100, time.GetMinute() % 100);
    return text;
}

std::string ItemText(const CRegisterItem& item)
{
    if (item.Number.empty())
        return item.Text;
    if (item.Text.empty())
        return item.Number;
    return item.Number + " " + item.Text;
}

} // namespace

namespace CsvPreview {

std::vector<CCsvPreviewRow> Rows(const CCsvJournal& journal, const CCsvColumns& columns, std::size_t count)
{
    std::vector<CCsvPreviewRow> rows;
    for (std::size_t row = columns.HasHeading ? 1 : 0; rows.size() < count && journal.HasRow(row); ++row) {
        const CCsvRowResult result = journal.ReadRow(row, columns);
        CCsvPreviewRow& shown = rows.emplace_back();
        shown.FileLine = result.FileLine;
        switch (result.State) {
        case CCsvRowResult::Sale:
            shown.Readable = true;
            shown.Date = DateTimeText(result.Line.DateTime);
            shown.Item = ItemText(result.Item);
            shown.Quantity = NumberText::Format(result.Line.Quantity, -2);
            shown.Gross = result.Line.HasPrice ? NumberText::Format(result.Line.GrossRevenue, 2) : "\x96";
            shown.Group = result.Item.Group;
            break;
        case CCsvRowResult::Blank:
            shown.Note = Windows1252Text("leer, wird übersprungen");
            break;
        case CCsvRowResult::Unreadable: {
            // The fields as they stand, so that the user sees what could not be read.
            const std::vector<std::string> fields = journal.GetFields(row);
            const auto field = [&fields](int column) {
                return column >= 0 && static_cast<std::size_t>(column) < fields.size() ? fields[column]
                                                                                       : std::string();
            };
            shown.Date = field(columns.Date);
            shown.Item = field(columns.ItemText >= 0 ? columns.ItemText : columns.ItemNumber);
            shown.Quantity = field(columns.Quantity);
            shown.Group = field(columns.Group);
            shown.Unreadable = true;
            shown.Note = Windows1252Text("nicht lesbar: ") + result.Error;
            break;
        }
        }
    }
    return rows;
}

std::string ColumnChoice(const CCsvJournal& journal, int column, bool hasHeading)
{
    const std::vector<std::string> first = journal.GetFields(0);
    std::string text = static_cast<std::size_t>(column) < first.size() ? first[column] : std::string();
    if (text.size() > kChoiceLength)
        text = text.substr(0, kChoiceLength - 3) + "...";
    if (!hasHeading && !text.empty())
        text = "(" + text + ")";
    return std::to_string(column + 1) + ": " + text;
}

} // namespace CsvPreview
