#include "CliRunner.h"

#include "catalogue/Data.h"
#include "catalogue/NumberText.h"
#include "cli/CliArguments.h"
#include "cli/CliDate.h"
#include "cli/CliEvaluation.h"
#include "cli/CliHealth.h"
#include "cli/CliImpact.h"
#include "cli/CliImport.h"
#include "cli/CliMenu.h"
#include "cli/CliReports.h"
#include "cli/JsonObject.h"
#include "datafile/DataFile.h"
#include "datafile/DataFileLock.h"
#include "datafile/DataFileNames.h"
#include "datafile/NewDataFile.h"
#include "evaluation/EvaluationSettings.h"
#include "evaluation/MenuEngineering.h"
#include "platform/FileSystemFile.h"
#include "platform/FileUtilities.h"
#include "platform/LogSink.h"
#include "platform/PosixFileSystem.h"
#include "platform/SystemClock.h"
#include "platform/Windows1252.h"
#include "registerimport/DishProposer.h"
#include "registerimport/ImportPlan.h"
#include "registerimport/RegisterBooking.h"
#include "registerimport/RegisterItemTable.h"

#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <sstream>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFile = 1;
constexpr int kExitArguments = 2;

#ifndef KK_VERSION
#define KK_VERSION "4.0"
#endif

// What a command works with: its arguments, the report and message streams, the files.
struct CRun
{
    const CCliArguments& Args;
    std::ostream& Out;
    std::ostream& Err;
    CFileSystem& Files;
};

// What one command needs: its positional count, its options, and what it does.
struct CCommand
{
    size_t Positional;
    std::vector<std::string> Options;
    std::function<int(const CRun&)> Run;
};

// The cli keeps no log.
class CNoLog : public CLogSink
{
public:
    void WriteLog(const std::string&) override {}
};

// A wrong argument: the reason, then the usage.
int WrongArgument(std::ostream& err, const std::string& reason)
{
    err << reason << "\n\n" << CliUsage();
    return kExitArguments;
}

void PrintJson(std::ostream& out, CJsonObject object)
{
    CJsonValue(std::move(object)).WriteTo(out);
}

// Reads `path` into `data`; false (with the message on `err`) when it cannot be opened or read.
// A path that is no regular file (a FIFO, a directory) is refused at once.
bool ReadCatalogue(const CRun& run, const std::string& path, CData& data, CDataFile& dataFile)
{
    int result = 1;
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    if (run.Files.Open(path, CFileSystem::ReadOnly, handle) == 0) {
        CFileSystemFile file(run.Files, handle, path);
        result = dataFile.ReadFromXML(data, file);
    }
    if (result != 0)
        run.Err << "read file failed: " << path << '\n';
    return result == 0;
}

// Writes as the program saves, without the backup: through the new file beside `path`, which
// replaces it in one step, so that `path` holds the old or the new text whenever the cli is
// stopped. A data file that a program holds open is refused.
int WriteCatalogue(const CRun& run, const std::string& path, const CData& data, CDataFile& dataFile)
{
    CDataFileLock lock(run.Files);
    if (lock.MoveTo(path) == CFileSystem::kLockedError) {
        run.Err << "file is open in another program: " << path << '\n';
        return kExitFile;
    }
    CSystemClock clock;
    CNoLog log;
    CFileUtilities utilities(run.Files, clock, log);
    CNewDataFile newFile(utilities, "kostenkoch-cli -> ");
    const std::string newPath = CDataFileNames(path).NewFile();
    if (newFile.Write(data, dataFile, newPath) && newFile.Replace(newPath, path))
        return kExitOk;
    newFile.Discard(newPath);
    run.Err << "write file failed: " << path << '\n';
    return kExitFile;
}

// Prints the table as CSV with --csv, else as JSON under `key` plus `extra` fields; the rows
// are written as they are made.
int PrintTable(const CRun& run, const char* key, const CCliTable& table, const CJsonObject& extra = {})
{
    if (run.Args.Has("csv")) {
        run.Out << table.ToCsv();
        return kExitOk;
    }
    extra.WriteWithRows(run.Out, key, table.Rows);
    return kExitOk;
}

int Check(const CRun& run)
{
    CData data;
    CDataFile dataFile;
    if (!ReadCatalogue(run, run.Args.Positional()[0], data, dataFile))
        return kExitFile;
    PrintJson(run.Out, CliReports::Check(data, 0, dataFile.IsUnchanged(data)));
    return kExitOk;
}

int Resave(const CRun& run)
{
    CData data;
    CDataFile dataFile;
    if (!ReadCatalogue(run, run.Args.Positional()[0], data, dataFile))
        return kExitFile;
    // The write renders the text once and tells whether it is the text read.
    if (const int status = WriteCatalogue(run, run.Args.Positional()[1], data, dataFile))
        return status;
    PrintJson(run.Out, CJsonObject{{"unchangedAfterRead", dataFile.WrittenUnchanged()}});
    return kExitOk;
}

int Ingredients(const CRun& run)
{
    const auto sortKey = run.Args.Value("sort");
    if (sortKey && *sortKey != "Name" && *sortKey != "Group|Name")
        return WrongArgument(run.Err, "unknown sort key: " + *sortKey);
    CData data;
    CDataFile dataFile;
    if (!ReadCatalogue(run, run.Args.Positional()[0], data, dataFile))
        return kExitFile;
    if (sortKey)
        data.SortIngredients(*sortKey, !run.Args.Has("descending"));
    return PrintTable(run, "ingredients", CliReports::Ingredients(data),
                      CJsonObject{{"stockValue", data.GetStockValue()}});
}

int Recipes(const CRun& run)
{
    CData data;
    CDataFile dataFile;
    if (!ReadCatalogue(run, run.Args.Positional()[0], data, dataFile))
        return kExitFile;
    return PrintTable(run, "recipes", CliReports::Recipes(data));
}

int Sales(const CRun& run)
{
    CData data;
    CDataFile dataFile;
    if (!ReadCatalogue(run, run.Args.Positional()[0], data, dataFile))
        return kExitFile;
    return PrintTable(run, "sales", CliReports::Sales(data));
}

// A finite number, written with a decimal point.
std::optional<double> ParseNumber(const std::string& text)
{
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A positive, finite number of portions.
std::optional<double> ParsePortions(const std::string& text)
{
    const std::optional<double> value = ParseNumber(text);
    return value && *value > 0.0 ? value : std::nullopt;
}

CRecipe* FindRecipe(CData& data, const std::string& name)
{
    for (CRecipe& recipe : data.Recipes) {
        if (recipe.Name == name)
            return &recipe;
    }
    return nullptr;
}

// The value of a required option, or the reason it is missing.
std::optional<std::string> Required(const CRun& run, const std::string& command, const std::string& option,
                                    const char* valueName, std::string& reason)
{
    auto value = run.Args.Value(option);
    if (!value)
        reason = command + " needs --" + option + " " + valueName;
    return value;
}

// The first wrong or missing argument of book, named; empty when all are right.
std::string BookArgumentFault(const CRun& run, std::string& name, double& portions, CDateTime& date)
{
    std::string reason;
    const auto recipe = Required(run, "book", "recipe", "NAME", reason);
    if (!recipe)
        return reason;
    if (!Utf8ToWindows1252(*recipe, name))
        return "invalid --recipe: " + *recipe + " (a name the data file can hold)";
    const auto portionsText = Required(run, "book", "portions", "P", reason);
    if (!portionsText)
        return reason;
    const auto parsedPortions = ParsePortions(*portionsText);
    if (!parsedPortions)
        return "invalid --portions: " + *portionsText + " (a positive number)";
    const auto dateText = Required(run, "book", "date", "DATE", reason);
    if (!dateText)
        return reason;
    const auto parsedDate = ParseCliDate(*dateText);
    if (!parsedDate)
        return "invalid --date: " + *dateText + " (YYYY-MM-DD or YYYY-MM-DDTHH:MM[:SS])";
    portions = *parsedPortions;
    date = *parsedDate;
    return {};
}

int Book(const CRun& run)
{
    std::string name;
    double portions = 0.0;
    CDateTime date;
    if (const std::string fault = BookArgumentFault(run, name, portions, date); !fault.empty())
        return WrongArgument(run.Err, fault);
    CData data;
    CDataFile dataFile;
    if (!ReadCatalogue(run, run.Args.Positional()[0], data, dataFile))
        return kExitFile;
    CRecipe* recipe = FindRecipe(data, name);
    if (!recipe) {
        run.Err << "no recipe named " << *run.Args.Value("recipe") << '\n';
        return kExitArguments;
    }
    const int result = data.AddSaleFromRecipe(recipe, portions, date);
    if (const int status = WriteCatalogue(run, run.Args.Positional()[1], data, dataFile))
        return status;
    PrintJson(run.Out, CJsonObject{{"result", result}});
    return kExitOk;
}

std::optional<int> ParseInt(const std::string& text)
{
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

// "20,21,22": the series the chart draws, by selector.
std::optional<std::array<bool, CData::NbSeries>> ParseSeries(const std::string& list)
{
    std::array<bool, CData::NbSeries> flags{};
    std::istringstream stream(list);
    std::string item;
    bool any = false;
    while (std::getline(stream, item, ',')) {
        const auto selector = ParseInt(item);
        if (!selector || *selector < 0 || *selector >= static_cast<int>(CData::NbSeries))
            return std::nullopt;
        flags[*selector] = any = true;
    }
    if (!any)
        return std::nullopt;
    return flags;
}

// 100 years of 365.25 days.
constexpr double kMaxEvaluationDays = 36525.0;
constexpr const char* kDateForm = " (YYYY-MM-DD or YYYY-MM-DDTHH:MM[:SS])";

std::optional<CDateTime> EvaluationDate(const CRun& run, const char* option, std::string& reason,
                                        const std::string& command = "evaluate")
{
    const auto text = Required(run, command, option, "DATE", reason);
    if (!text)
        return std::nullopt;
    const auto date = ParseCliDate(*text);
    if (!date)
        reason = std::string("invalid --") + option + ": " + *text + kDateForm;
    return date;
}

// The settings of evaluate, or the first wrong or missing argument in `reason`.
std::optional<CEvaluationSettings> EvaluationSettings(const CRun& run, std::string& reason)
{
    const auto measureText = Required(run, "evaluate", "measure", "M", reason);
    if (!measureText)
        return std::nullopt;
    const auto measure = ParseInt(*measureText);
    if (!measure || *measure < 0 || *measure >= kNbMeasures) {
        reason = "invalid --measure: " + *measureText + " (0..4)";
        return std::nullopt;
    }
    const auto start = EvaluationDate(run, "start", reason);
    const auto end = start ? EvaluationDate(run, "end", reason) : std::nullopt;
    if (!start || !end)
        return std::nullopt;
    if (end->GetValue() < start->GetValue()) {
        reason =
            "invalid --end: " + *run.Args.Value("end") + " lies before --start " + *run.Args.Value("start");
        return std::nullopt;
    }
    // A hundred years of months is more than any kitchen's history; a wider range is a typing
    // error that would only build a table of empty columns for minutes.
    if (end->GetValue() - start->GetValue() > kMaxEvaluationDays) {
        reason = "invalid --end: " + *run.Args.Value("end") + " lies more than 100 years after --start " +
                 *run.Args.Value("start");
        return std::nullopt;
    }
    const std::string seriesText = run.Args.Value("series").value_or("20,21,22");
    const auto series = ParseSeries(seriesText);
    if (!series) {
        reason = "invalid --series: " + seriesText + " (selectors 0..22, comma-separated)";
        return std::nullopt;
    }
    CEvaluationSettings settings;
    settings.Measure = static_cast<EMeasure>(*measure);
    settings.PerMonth = !run.Args.Has("cumulative");
    settings.OriginalData = !run.Args.Has("simulation");
    settings.Start = *start;
    settings.End = *end;
    settings.SeriesFlags = *series;
    return settings;
}

int Evaluate(const CRun& run)
{
    std::string reason;
    const auto settings = EvaluationSettings(run, reason);
    if (!settings)
        return WrongArgument(run.Err, reason);
    CData data;
    CDataFile dataFile;
    if (!ReadCatalogue(run, run.Args.Positional()[0], data, dataFile))
        return kExitFile;
    if (run.Args.Has("csv"))
        run.Out << CliEvaluation::Table(data, *settings).ToCsv();
    else
        PrintJson(run.Out, CliEvaluation::Report(data, *settings));
    return kExitOk;
}

// Books a register export into FILE with the mapping stored there; --accept-exact takes the
// proposals that are exactly a dish's name as choices. A dry run writes nothing.
int Import(const CRun& run)
{
    const std::string& path = run.Args.Positional()[0];
    CRegisterSales sales;
    std::string fault, message;
    switch (CliImport::ReadExport(run.Files, run.Args.Positional()[1], run.Args, sales, fault, message)) {
    case CliImport::ERead::WrongArgument:
        return WrongArgument(run.Err, fault);
    case CliImport::ERead::Failed:
        run.Err << Windows1252ToUtf8(message) << '\n';
        return kExitFile;
    case CliImport::ERead::Done:
        break;
    }
    CData data;
    CDataFile dataFile;
    if (!ReadCatalogue(run, path, data, dataFile))
        return kExitFile;
    const std::vector<int> before = ImportPlanning::SourcesBookedBefore(sales, data.RegisterMapping);
    CRegisterItemTable items =
        CRegisterItemTable::Build(sales, {before.begin(), before.end()}, data, CDishProposer(data));
    const int accepted = run.Args.Has("accept-exact") ? items.AcceptExact() : 0;
    const CImportPlan plan = ImportPlanning::Plan(sales, items, data);
    const bool dryRun = run.Args.Has("dry-run");
    const bool write = !dryRun && (!plan.BooksNothing() || accepted > 0);
    if (write) {
        CImportUndo undo;
        if (!RegisterBooking::Book(plan, data, undo)) {
            run.Err << "import failed: out of memory\n";
            return kExitFile;
        }
        if (const int status = WriteCatalogue(run, path, data, dataFile))
            return status;
    }
    PrintJson(run.Out, CliImport::Report(plan, dryRun, write, accepted));
    return kExitOk;
}

// The menu analysis's request, or the first wrong or missing argument in `reason`.
std::optional<CMenuRequest> MenuRequest(const CRun& run, std::string& reason)
{
    const auto start = EvaluationDate(run, "start", reason, "menu");
    const auto end = start ? EvaluationDate(run, "end", reason, "menu") : std::nullopt;
    if (!start || !end)
        return std::nullopt;
    if (end->GetValue() < start->GetValue() || end->GetValue() - start->GetValue() > kMaxEvaluationDays) {
        reason =
            "invalid --end: " + *run.Args.Value("end") + " (not before --start, at most 100 years after it)";
        return std::nullopt;
    }
    const int selections =
        (run.Args.Value("group") ? 1 : 0) + (run.Args.Has("food") ? 1 : 0) + (run.Args.Has("drinks") ? 1 : 0);
    if (selections > 1) {
        reason = "menu takes one of --group N, --food, --drinks";
        return std::nullopt;
    }
    CMenuRequest request{*start, *end, CData::SeriesAllFood, true};
    if (const auto groupText = run.Args.Value("group")) {
        const auto group = ParseInt(*groupText);
        if (!group || !CData::IsValidGroup(*group)) {
            reason = "invalid --group: " + *groupText + " (0..19)";
            return std::nullopt;
        }
        request.Selector = static_cast<unsigned>(*group);
    } else if (run.Args.Has("drinks")) {
        request.Selector = CData::SeriesAllDrinks;
    }
    const std::string prices = run.Args.Value("prices").value_or("booked");
    if (prices != "booked" && prices != "current") {
        reason = "invalid --prices: " + prices + " (booked or current)";
        return std::nullopt;
    }
    request.BookedPrices = prices == "booked";
    return request;
}

int Menu(const CRun& run)
{
    std::string reason;
    const auto request = MenuRequest(run, reason);
    if (!request)
        return WrongArgument(run.Err, reason);
    CData data;
    CDataFile dataFile;
    if (!ReadCatalogue(run, run.Args.Positional()[0], data, dataFile))
        return kExitFile;
    const CMenuAnalysis analysis = CMenuAnalysis::Build(data, *request);
    return PrintTable(run, "dishes", CliMenu::Dishes(data, analysis), CliMenu::Summary(data, analysis));
}

// The costing check; --today sets the day the "not sold lately" window ends (default today).
int Health(const CRun& run)
{
    CDateTime today = CDateTime::Now(CSystemClock());
    if (const auto text = run.Args.Value("today")) {
        const auto parsed = ParseCliDate(*text);
        if (!parsed)
            return WrongArgument(run.Err, "invalid --today: " + *text + kDateForm);
        today = *parsed;
    }
    CData data;
    CDataFile dataFile;
    if (!ReadCatalogue(run, run.Args.Positional()[0], data, dataFile))
        return kExitFile;
    PrintJson(run.Out, CliHealth::Report(data, today));
    return kExitOk;
}

// Which ingredients impact changes: the names given (each must exist), a goods group or a
// supplier, exactly one of the three.
std::string ImpactSelectionFault(const CRun& run, const CData& data, CPriceChange& change)
{
    const std::vector<std::string> names = run.Args.Values("ingredient");
    const auto group = run.Args.Value("group");
    const auto supplier = run.Args.Value("supplier");
    if ((names.empty() ? 0 : 1) + (group ? 1 : 0) + (supplier ? 1 : 0) != 1)
        return "impact needs one of --ingredient NAME, --group TEXT or --supplier NAME";
    if (group || supplier) {
        change.Selection = group ? CPriceChange::ByGroup : CPriceChange::BySupplier;
        const std::string& key = group ? *group : *supplier;
        if (!Utf8ToWindows1252(key, change.Key))
            return "invalid --" + std::string(group ? "group" : "supplier") + ": " + key;
        return {};
    }
    change.Selection = CPriceChange::ByIngredients;
    for (const std::string& utf8 : names) {
        std::string name;
        const size_t before = change.IngredientIds.size();
        if (Utf8ToWindows1252(utf8, name)) {
            for (const CIngredient& ingredient : data.Ingredients) {
                if (ingredient.Name == name)
                    change.IngredientIds.push_back(ingredient.Id);
            }
        }
        if (change.IngredientIds.size() == before)
            return "no ingredient named " + utf8;
    }
    return {};
}

// How impact changes the prices and rounds the new selling prices.
std::string ImpactChangeFault(const CRun& run, CliImpact::CRequest& request)
{
    const auto percent = run.Args.Value("percent");
    const auto price = run.Args.Value("price");
    if ((percent ? 1 : 0) + (price ? 1 : 0) != 1)
        return "impact needs one of --percent P or --price X";
    const auto value = ParseNumber(percent ? *percent : *price);
    if (percent && (!value || *value < -100.0))
        return "invalid --percent: " + *percent + " (a number, -100 or more)";
    if (price && (!value || *value < 0.0))
        return "invalid --price: " + *price + " (a number, 0 or more)";
    request.Change.Mode = percent ? CPriceChange::Percent : CPriceChange::NewPrice;
    request.Change.Value = *value;
    const std::string rounding = run.Args.Value("round").value_or("cents");
    if (rounding == "tenths")
        request.Rounding = SellPriceRounding::Tenths;
    else if (rounding == "endings")
        request.Rounding = SellPriceRounding::Endings50And90;
    else if (rounding != "cents")
        return "invalid --round: " + rounding + " (cents, tenths or endings)";
    request.AllRecipes = run.Args.Has("all");
    return {};
}

int Impact(const CRun& run)
{
    CliImpact::CRequest request;
    if (const std::string fault = ImpactChangeFault(run, request); !fault.empty())
        return WrongArgument(run.Err, fault);
    CData data;
    CDataFile dataFile;
    if (!ReadCatalogue(run, run.Args.Positional()[0], data, dataFile))
        return kExitFile;
    if (const std::string fault = ImpactSelectionFault(run, data, request.Change); !fault.empty())
        return WrongArgument(run.Err, fault);
    CCliTable table;
    CJsonObject report;
    const bool done = run.Args.Has("csv") ? CliImpact::Table(data, request, table)
                                          : CliImpact::Report(data, request, report);
    if (!done) {
        run.Err << "out of memory\n";
        return kExitFile;
    }
    if (run.Args.Has("csv"))
        run.Out << table.ToCsv();
    else
        PrintJson(run.Out, std::move(report));
    return kExitOk;
}

const std::map<std::string, CCommand>& Commands()
{
    static const std::map<std::string, CCommand> commands = {
        {"check", {1, {}, Check}},
        {"resave", {2, {}, Resave}},
        {"ingredients", {1, {"sort", "descending", "csv"}, Ingredients}},
        {"recipes", {1, {"csv"}, Recipes}},
        {"sales", {1, {"csv"}, Sales}},
        {"book", {2, {"recipe", "portions", "date"}, Book}},
        {"evaluate", {1, {"measure", "start", "end", "cumulative", "simulation", "series", "csv"}, Evaluate}},
        {"import",
         {2,
          {"dry-run", "accept-exact", "date-col", "time-col", "item-col", "artno-col", "qty-col", "price-col",
           "no-heading"},
          Import}},
        {"menu", {1, {"start", "end", "group", "food", "drinks", "prices", "csv"}, Menu}},
        {"health", {1, {"today"}, Health}},
        {"impact",
         {1, {"ingredient", "group", "supplier", "percent", "price", "all", "round", "csv"}, Impact}},
    };
    return commands;
}

bool IsHelp(const CCliArguments& args)
{
    return args.Has("help") || args.Has("h") || args.Has("?");
}

} // namespace

std::string CliUsage()
{
    return CCliArguments::HelpText();
}

std::string CliVersion()
{
    return std::string("kostenkoch-cli ") + KK_VERSION + "\n";
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    CPosixFileSystem files;
    return RunCli(args, out, err, files);
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, CFileSystem& files)
{
    std::string error;
    const auto parsed = CCliArguments::Parse(args, error);
    if (!parsed)
        return WrongArgument(err, error);
    if (args.empty() || (IsHelp(*parsed) && parsed->Command().empty())) {
        out << CliUsage();
        return kExitOk;
    }
    if (parsed->Has("version") && parsed->Command().empty()) {
        out << CliVersion();
        return kExitOk;
    }
    const auto command = Commands().find(parsed->Command());
    if (command == Commands().end() || parsed->Positional().size() != command->second.Positional ||
        !parsed->Unknown(command->second.Options).empty() || IsHelp(*parsed) || parsed->Has("version")) {
        err << CliUsage();
        return kExitArguments;
    }
    return command->second.Run(CRun{*parsed, out, err, files});
}
