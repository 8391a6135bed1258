#include "CliImport.h"

#include "cli/CliArguments.h"
#include "platform/Windows1252.h"
#include "registerimport/CsvJournal.h"
#include "registerimport/ImportPlan.h"
#include "registerimport/RegisterExportKind.h"

#include <charconv>
#include <cstdio>

namespace {

struct CColumnOption
{
    const char* Name;
    int CCsvColumns::*Column;
};

constexpr CColumnOption kColumnOptions[] = {
    {"date-col", &CCsvColumns::Date},     {"time-col", &CCsvColumns::Time},
    {"item-col", &CCsvColumns::ItemText}, {"artno-col", &CCsvColumns::ItemNumber},
    {"qty-col", &CCsvColumns::Quantity},  {"price-col", &CCsvColumns::Price},
};

bool HasColumnOptions(const CCliArguments& args)
{
    if (args.Has("no-heading"))
        return true;
    for (const CColumnOption& option : kColumnOptions) {
        if (args.Value(option.Name))
            return true;
    }
    return false;
}

// The heading row's assignment with the options over it; the fault names a wrong option.
std::optional<CCsvColumns> Columns(const CCsvJournal& journal, const CCliArguments& args, std::string& fault)
{
    CCsvColumns columns = GuessCsvColumns(journal.GetHeadings());
    if (args.Has("no-heading"))
        columns.HasHeading = false;
    for (const CColumnOption& option : kColumnOptions) {
        const auto text = args.Value(option.Name);
        if (!text)
            continue;
        int number = 0;
        const auto result = std::from_chars(text->data(), text->data() + text->size(), number);
        if (result.ec != std::errc() || result.ptr != text->data() + text->size() || number < 1 ||
            static_cast<std::size_t>(number) > journal.GetColumnCount()) {
            fault = std::string("invalid --") + option.Name + ": " + *text + " (a column from 1 to " +
                    std::to_string(journal.GetColumnCount()) + ")";
            return std::nullopt;
        }
        columns.*option.Column = number - 1;
    }
    if (!columns.IsComplete()) {
        fault = "import needs the journal's date, item and quantity columns (--date-col, --item-col or "
                "--artno-col, --qty-col)";
        return std::nullopt;
    }
    return columns;
}

std::string Utf8(const std::string& text)
{
    return Windows1252ToUtf8(text);
}

CJsonValue Moment(const CDateTime& moment)
{
    if (!moment.IsValid())
        return nullptr;
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d", moment.GetYear(), moment.GetMonth(),
                  moment.GetDay(), moment.GetHour(), moment.GetMinute());
    return std::string(text);
}

CJsonValue Items(const std::vector<CImportItemRow>& rows)
{
    std::vector<CJsonValue> items;
    for (const CImportItemRow& row : rows)
        items.emplace_back(CJsonObject{{"key", Utf8(row.Key)},
                                       {"text", Utf8(row.Text)},
                                       {"lines", row.Lines},
                                       {"portions", row.Portions},
                                       {"gross", row.Gross}});
    return items;
}

const char* SkipName(ERegisterSkip reason)
{
    switch (reason) {
    case ERegisterSkip::VoidedLine:
        return "voidedLine";
    case ERegisterSkip::VoidedReceipt:
        return "voidedReceipt";
    case ERegisterSkip::TrainingReceipt:
        return "trainingReceipt";
    case ERegisterSkip::OtherReceipt:
        return "otherReceipt";
    case ERegisterSkip::Deposit:
        return "deposit";
    case ERegisterSkip::Discount:
        return "discount";
    case ERegisterSkip::Voucher:
        return "voucher";
    case ERegisterSkip::Tip:
        return "tip";
    case ERegisterSkip::OtherLine:
        return "otherLine";
    case ERegisterSkip::AlreadyImported:
        return "alreadyImported";
    }
    return "otherLine";
}

} // namespace

namespace CliImport {

ERead ReadExport(CFileSystem& files, const std::string& path, const CCliArguments& args,
                 CRegisterSales& sales, std::string& fault, std::string& message)
{
    const ERegisterExportKind kind = RegisterExport::GetKind(files, path);
    if (kind != ERegisterExportKind::CsvJournal || !HasColumnOptions(args))
        return RegisterExport::Read(files, path, sales, message) ? ERead::Done : ERead::Failed;
    CCsvJournal journal;
    if (!journal.Load(files, path, message))
        return ERead::Failed;
    const auto columns = Columns(journal, args, fault);
    if (!columns)
        return ERead::WrongArgument;
    return journal.Read(*columns, sales, message) ? ERead::Done : ERead::Failed;
}

CJsonObject Report(const CImportPlan& plan, bool dryRun, bool written, int acceptedExact)
{
    std::vector<CJsonValue> dishes;
    for (const CImportDishRow& row : plan.Dishes)
        dishes.emplace_back(CJsonObject{{"name", Utf8(row.Name)},
                                        {"lines", row.Lines},
                                        {"portions", row.Portions},
                                        {"gross", row.Gross},
                                        {"net", row.Net},
                                        {"cost", row.Cost}});
    CJsonObject skipped;
    for (const auto& [reason, count] : plan.Skipped)
        skipped.Insert(SkipName(reason), CJsonObject{{"lines", count.Lines}, {"gross", count.Gross}});
    std::vector<CJsonValue> before, sources;
    for (const std::string& label : plan.AlreadyImported)
        before.emplace_back(Utf8(label));
    for (const CRegisterImportedSource& source : plan.NewSources)
        sources.emplace_back(Utf8(source.Label.empty() ? source.Key : source.Label));
    return CJsonObject{
        {"dryRun", dryRun},
        {"written", written},
        {"receipts", plan.Receipts},
        {"linesRead", plan.LinesRead},
        {"linesBooked", plan.LinesBooked},
        {"sales", static_cast<int>(plan.Sales.size())},
        {"portions", plan.Portions},
        {"gross", plan.Gross},
        {"net", plan.Net},
        {"cost", plan.Cost},
        {"dishes", std::move(dishes)},
        {"openItems", Items(plan.OpenItems)},
        {"noDishItems", Items(plan.NoDishItems)},
        {"skipped", std::move(skipped)},
        {"alreadyImported", std::move(before)},
        {"newSources", std::move(sources)},
        {"first", Moment(plan.First)},
        {"last", Moment(plan.Last)},
        {"vatDiffering", CJsonObject{{"lines", plan.VatDifferingLines}, {"gross", plan.VatDifferingGross}}},
        {"acceptedExact", acceptedExact},
    };
}

} // namespace CliImport
