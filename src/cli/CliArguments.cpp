#include "CliArguments.h"

#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>

namespace {

constexpr const char* kProgramName = "kostenkoch-cli";

constexpr const char* kDescription = R"(
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

OUT is written through a new file beside it that replaces it in one step, so it is never
left half-written; a data file that the program has open is refused.

Exit status: 0 fine, 1 a file cannot be opened, read or written, 2 wrong arguments.)";

struct COptionText
{
    const char* Name;
    const char* Description;
    const char* ValueName; // nullptr for a flag
};

constexpr COptionText kOptions[] = {
    {"sort", "ingredients: sort by Name or Group|Name first.", "KEY"},
    {"descending", "ingredients: sort in descending order.", nullptr},
    {"csv", "ingredients, recipes, sales, evaluate: semicolon-separated rows.", nullptr},
    {"recipe", "book: the recipe's name.", "NAME"},
    {"portions", "book: the portions sold, a positive number.", "P"},
    {"date", "book: the day of the sale.", "DATE"},
    {"measure", "evaluate: the measure, 0..4.", "M"},
    {"start", "evaluate: the first day.", "DATE"},
    {"end", "evaluate: the end, not before the start.", "DATE"},
    {"cumulative", "evaluate: running totals.", nullptr},
    {"simulation", "evaluate: current prices instead of the booked ones.", nullptr},
    {"series", "evaluate: the drawn series.", "LIST"},
    {"version", "Shows the version.", nullptr},
};

void Configure(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    for (const COptionText& option : kOptions) {
        parser.addOption(option.ValueName
                             ? QCommandLineOption(option.Name, option.Description, option.ValueName)
                             : QCommandLineOption(option.Name, option.Description));
    }
    parser.addPositionalArgument("command", "The command and its files (see Commands).", "COMMAND ARGUMENTS");
}

std::vector<std::string> Names(bool values)
{
    std::vector<std::string> names;
    for (const COptionText& option : kOptions) {
        if ((option.ValueName != nullptr) == values)
            names.emplace_back(option.Name);
    }
    return names;
}

} // namespace

const std::vector<std::string>& CCliArguments::ValueOptions()
{
    static const std::vector<std::string> names = Names(true);
    return names;
}

const std::vector<std::string>& CCliArguments::FlagOptions()
{
    static const std::vector<std::string> names = Names(false);
    return names;
}

std::optional<CCliArguments> CCliArguments::Parse(const std::vector<std::string>& args, std::string& error)
{
    QCommandLineParser parser;
    Configure(parser);
    QStringList list{kProgramName};
    for (const std::string& arg : args)
        list << QString::fromStdString(arg);
    if (!parser.parse(list)) {
        error = parser.errorText().toStdString();
        return std::nullopt;
    }
    CCliArguments result;
    const QStringList positional = parser.positionalArguments();
    for (qsizetype i = 0; i < positional.size(); ++i)
        (i == 0 ? result.m_command : result.m_positional.emplace_back()) = positional[i].toStdString();
    for (const QString& name : parser.optionNames()) {
        const QString value = parser.value(name);
        result.m_options.emplace_back(name.toStdString(), value.toStdString());
    }
    return result;
}

// The parser names the program by the path it was started with; the usage line names it alone.
std::string CCliArguments::HelpText()
{
    QCommandLineParser parser;
    Configure(parser);
    std::string text = parser.helpText().toStdString();
    const std::string usage = "Usage: ";
    const auto start = text.find(usage);
    const auto end = text.find(" [options]");
    if (start != std::string::npos && end != std::string::npos && end > start)
        text.replace(start + usage.size(), end - start - usage.size(), kProgramName);
    return text;
}

bool CCliArguments::Has(const std::string& option) const
{
    return std::any_of(m_options.begin(), m_options.end(),
                       [&](const auto& entry) { return entry.first == option; });
}

// The last of repeated options counts.
std::optional<std::string> CCliArguments::Value(const std::string& option) const
{
    for (auto it = m_options.rbegin(); it != m_options.rend(); ++it) {
        if (it->first == option)
            return it->second;
    }
    return std::nullopt;
}

std::vector<std::string> CCliArguments::Unknown(const std::vector<std::string>& known) const
{
    std::vector<std::string> unknown;
    for (const auto& [name, value] : m_options) {
        const bool general = name == "help" || name == "h" || name == "?" || name == "version";
        if (!general && std::find(known.begin(), known.end(), name) == known.end())
            unknown.push_back(name);
    }
    return unknown;
}
