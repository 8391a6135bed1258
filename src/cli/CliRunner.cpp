#include "CliRunner.h"

#include "catalogue/Data.h"
#include "catalogue/NumberText.h"
#include "cli/CliArguments.h"
#include "cli/CliDate.h"
#include "cli/CliEvaluation.h"
#include "cli/CliReports.h"
#include "datafile/DataFile.h"
#include "evaluation/EvaluationSettings.h"
#include "platform/StdFile.h"
#include "platform/Windows1252.h"

#include <QJsonDocument>
#include <QJsonObject>
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

// What one command needs: its positional count, its options, and what it does.
struct CCommand
{
    size_t Positional;
    std::vector<std::string> Options;
    std::function<int(const CCliArguments&, std::ostream&, std::ostream&)> Run;
};

void PrintJson(std::ostream& out, const QJsonObject& object)
{
    out << QJsonDocument(object).toJson(QJsonDocument::Indented).toStdString();
}

// Reads `path` into `data`; false (with the message on `err`) when it cannot be opened or read.
bool ReadCatalogue(const std::string& path, CData& data, CDataFile& dataFile, std::ostream& err)
{
    int result = 1;
    try {
        CStdFile file(path, CStdFile::OpenRead);
        result = dataFile.ReadFromXML(data, file);
    } catch (const CFileException&) {
        result = 1;
    }
    if (result != 0)
        err << "read file failed: " << path << '\n';
    return result == 0;
}

bool WriteCatalogue(const std::string& path, const CData& data, CDataFile& dataFile, std::ostream& err)
{
    try {
        CStdFile file(path, CStdFile::CreateWrite);
        dataFile.WriteToXML(data, file);
        file.Close();
        return true;
    } catch (const CFileException&) {
        err << "write file failed: " << path << '\n';
        return false;
    }
}

// Prints the table as CSV with --csv, else as JSON under `key` plus `extra` fields.
int PrintTable(const CCliArguments& args, std::ostream& out, const char* key, const CCliTable& table,
               QJsonObject extra = {})
{
    if (args.Has("csv")) {
        out << table.ToCsv();
        return kExitOk;
    }
    extra.insert(key, table.Rows);
    PrintJson(out, extra);
    return kExitOk;
}

int Check(const CCliArguments& args, std::ostream& out, std::ostream& err)
{
    CData data;
    CDataFile dataFile;
    if (!ReadCatalogue(args.Positional()[0], data, dataFile, err))
        return kExitFile;
    PrintJson(out, CliReports::Check(data, 0, dataFile.IsUnchanged(data)));
    return kExitOk;
}

int Resave(const CCliArguments& args, std::ostream& out, std::ostream& err)
{
    CData data;
    CDataFile dataFile;
    if (!ReadCatalogue(args.Positional()[0], data, dataFile, err))
        return kExitFile;
    const bool unchanged = dataFile.IsUnchanged(data);
    if (!WriteCatalogue(args.Positional()[1], data, dataFile, err))
        return kExitFile;
    PrintJson(out, QJsonObject{{"unchangedAfterRead", unchanged}});
    return kExitOk;
}

int Ingredients(const CCliArguments& args, std::ostream& out, std::ostream& err)
{
    const auto sortKey = args.Value("sort");
    if (sortKey && *sortKey != "Name" && *sortKey != "Group|Name") {
        err << "unknown sort key: " << *sortKey << "\n\n" << CliUsage();
        return kExitArguments;
    }
    CData data;
    CDataFile dataFile;
    if (!ReadCatalogue(args.Positional()[0], data, dataFile, err))
        return kExitFile;
    if (sortKey)
        data.SortIngredients(*sortKey, !args.Has("descending"));
    return PrintTable(args, out, "ingredients", CliReports::Ingredients(data),
                      QJsonObject{{"stockValue", data.GetStockValue()}});
}

int Recipes(const CCliArguments& args, std::ostream& out, std::ostream& err)
{
    CData data;
    CDataFile dataFile;
    if (!ReadCatalogue(args.Positional()[0], data, dataFile, err))
        return kExitFile;
    return PrintTable(args, out, "recipes", CliReports::Recipes(data));
}

int Sales(const CCliArguments& args, std::ostream& out, std::ostream& err)
{
    CData data;
    CDataFile dataFile;
    if (!ReadCatalogue(args.Positional()[0], data, dataFile, err))
        return kExitFile;
    return PrintTable(args, out, "sales", CliReports::Sales(data));
}

std::optional<double> ParsePortions(const std::string& text)
{
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

CRecipe* FindRecipe(CData& data, const std::string& name)
{
    for (CRecipe& recipe : data.Recipes) {
        if (recipe.Name == name)
            return &recipe;
    }
    return nullptr;
}

int Book(const CCliArguments& args, std::ostream& out, std::ostream& err)
{
    const auto portions = ParsePortions(args.Value("portions").value_or(""));
    const auto date = ParseCliDate(args.Value("date").value_or(""));
    std::string name;
    if (!portions || !date || !args.Value("recipe") || !Utf8ToWindows1252(*args.Value("recipe"), name)) {
        err << "book needs --recipe NAME, --portions P and --date DATE\n\n" << CliUsage();
        return kExitArguments;
    }
    CData data;
    CDataFile dataFile;
    if (!ReadCatalogue(args.Positional()[0], data, dataFile, err))
        return kExitFile;
    CRecipe* recipe = FindRecipe(data, name);
    if (!recipe) {
        err << "no recipe named " << *args.Value("recipe") << '\n';
        return kExitArguments;
    }
    const int result = data.AddSaleFromRecipe(recipe, *portions, *date);
    if (!WriteCatalogue(args.Positional()[1], data, dataFile, err))
        return kExitFile;
    PrintJson(out, QJsonObject{{"result", result}});
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

std::optional<CEvaluationSettings> EvaluationSettings(const CCliArguments& args)
{
    const auto measure = ParseInt(args.Value("measure").value_or(""));
    const auto start = ParseCliDate(args.Value("start").value_or(""));
    const auto end = ParseCliDate(args.Value("end").value_or(""));
    const auto series = ParseSeries(args.Value("series").value_or("20,21,22"));
    if (!measure || !start || !end || !series)
        return std::nullopt;
    CEvaluationSettings settings;
    settings.Measure = *measure;
    settings.PerMonth = !args.Has("cumulative");
    settings.OriginalData = !args.Has("simulation");
    settings.Start = *start;
    settings.End = *end;
    settings.SeriesFlags = *series;
    return settings;
}

int Evaluate(const CCliArguments& args, std::ostream& out, std::ostream& err)
{
    const auto settings = EvaluationSettings(args);
    if (!settings) {
        err << "evaluate needs --measure M, --start DATE and --end DATE; --series takes selectors 0..22\n\n"
            << CliUsage();
        return kExitArguments;
    }
    CData data;
    CDataFile dataFile;
    if (!ReadCatalogue(args.Positional()[0], data, dataFile, err))
        return kExitFile;
    if (args.Has("csv"))
        out << CliEvaluation::Table(data, *settings).ToCsv();
    else
        PrintJson(out, CliEvaluation::Report(data, *settings));
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
    };
    return commands;
}

} // namespace

std::string CliUsage()
{
    return R"(Usage: kostenkoch-cli COMMAND ARGUMENTS [OPTIONS]

Reports from a Kostenkoch data file, as JSON (default) or, with --csv, as
semicolon-separated rows with numbers in the program's own number text.

Commands:
  check FILE                  read FILE into a fresh catalogue; print the read result,
                              whether it counts as unchanged, and the record counts
  resave IN OUT               read IN and write it again to OUT (no backup)
  ingredients FILE [--sort Name|Group|Name] [--descending] [--csv]
                              every ingredient with its suppliers, prices and stock value,
                              optionally sorted first
  recipes FILE [--csv]        every recipe with its lines and price figures
  sales FILE [--csv]          every sale with its stored prices
  book FILE OUT --recipe NAME --portions P --date DATE
                              book P portions of the first recipe named NAME on DATE
                              (YYYY-MM-DD or YYYY-MM-DDTHH:MM[:SS]) and write OUT
  evaluate FILE --measure M --start DATE --end DATE [--cumulative] [--simulation]
           [--series LIST] [--csv]
                              the monthly evaluation as the evaluation page builds it:
                              M 0 net revenue, 1 gross revenue, 2 cost of goods,
                              3 cost-of-goods ratio, 4 contribution margin; every month from
                              the start's to the end's; --cumulative running totals,
                              --simulation current prices instead of the booked ones;
                              LIST the drawn series, comma-separated: 0..19 groups,
                              20 all, 21 all food, 22 all drinks (default 20,21,22)
  --help                      this text
  --version                   the program's version

Exit status: 0 fine, 1 a file cannot be opened, read or written, 2 wrong arguments.
)";
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty() || (args.size() == 1 && (args[0] == "--help" || args[0] == "-h"))) {
        out << CliUsage();
        return kExitOk;
    }
    if (args.size() == 1 && args[0] == "--version") {
        out << "kostenkoch-cli " << KK_VERSION << "\n";
        return kExitOk;
    }
    const auto parsed = CCliArguments::Parse(
        args, {"sort", "recipe", "portions", "date", "measure", "start", "end", "series"});
    const auto command = parsed ? Commands().find(parsed->Command()) : Commands().end();
    if (command == Commands().end() || parsed->Positional().size() != command->second.Positional ||
        !parsed->Unknown(command->second.Options).empty()) {
        err << CliUsage();
        return kExitArguments;
    }
    return command->second.Run(*parsed, out, err);
}
