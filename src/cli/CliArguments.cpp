#include "CliArguments.h"

#include <algorithm>
#include <cstring>

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
  import FILE EXPORT [--dry-run] [--accept-exact] [--date-col N] [--time-col N]
         [--item-col N] [--artno-col N] [--qty-col N] [--price-col N] [--no-heading]
                              book the sales of a cash register export (a DSFinV-K folder
                              or ZIP, or a CSV sales journal) into FILE with the item
                              mapping stored there and print the summary; closings and
                              journals booked before are not booked again; --accept-exact
                              also books and remembers items named exactly like a dish;
                              a journal's columns come from its heading row or, counted
                              from 1, from the column options; --dry-run writes nothing
  menu FILE --start DATE --end DATE [--group N | --food | --drinks]
       [--prices booked|current] [--csv]
                              the menu analysis of the months from the start's to the end's:
                              every dish of group N, of all food (default) or of all drinks
                              with its portions, share, margin per portion and in total,
                              cost ratio and class (star, workhorse, puzzle, dog), and the
                              two thresholds; prices as booked (default) or as today
  health FILE [--today DATE]  the costing check: every finding with its severity (error,
                              warning, hint), ingredient or recipe, what is wrong and what
                              to do; dishes count as not sold lately without a sale in the
                              six months before DATE (default today)
  impact FILE (--ingredient NAME... | --group TEXT | --supplier NAME)
         (--percent P | --price X) [--all] [--round cents|tenths|endings] [--csv]
                              simulate a purchase price change of the supplier in use of the
                              ingredients named, of one goods group or of one supplier: by P
                              percent or to the price X for the supplier's amount; every dish
                              it reaches (--all: every recipe) before and after, largest loss
                              of margin first, with the gross price that holds the group's
                              target ratio, rounded up to cents, to 0.10 or to ,50/,90 endings;
                              FILE is not changed

OUT is written through a new file beside it that replaces it in one step, so it is never
left half-written; a data file that the program has open is refused. import writes its
FILE the same way.

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
    {"csv", "ingredients, recipes, sales, evaluate, menu, impact: semicolon-separated rows.", nullptr},
    {"recipe", "book: the recipe's name.", "NAME"},
    {"portions", "book: the portions sold, a positive number.", "P"},
    {"date", "book: the day of the sale.", "DATE"},
    {"measure", "evaluate: the measure, 0..4.", "M"},
    {"start", "evaluate, menu: the first day.", "DATE"},
    {"end", "evaluate, menu: the end, not before the start.", "DATE"},
    {"cumulative", "evaluate: running totals.", nullptr},
    {"simulation", "evaluate: current prices instead of the booked ones.", nullptr},
    {"series", "evaluate: the drawn series.", "LIST"},
    {"dry-run", "import: summary only, nothing written.", nullptr},
    {"accept-exact", "import: book items named exactly like a dish.", nullptr},
    {"date-col", "import: the journal's date column.", "N"},
    {"time-col", "import: the journal's time column.", "N"},
    {"item-col", "import: the journal's item text column.", "N"},
    {"artno-col", "import: the journal's article number column.", "N"},
    {"qty-col", "import: the journal's quantity column.", "N"},
    {"price-col", "import: the journal's gross unit price column.", "N"},
    {"no-heading", "import: the journal's first row is a sale.", nullptr},
    {"group", "menu: the dishes of group N (0..19); impact: the goods group whose prices change.", "N|TEXT"},
    {"food", "menu: the dishes of all food groups (default).", nullptr},
    {"drinks", "menu: the dishes of all drink groups.", nullptr},
    {"prices", "menu: booked (default) or current prices.", "BASE"},
    {"today", "health: the day the six months without sales end.", "DATE"},
    {"ingredient", "impact: an ingredient whose price changes (repeatable).", "NAME"},
    {"supplier", "impact: the supplier in use whose prices change.", "NAME"},
    {"percent", "impact: the change in percent (-100 or more).", "P"},
    {"price", "impact: the new price for the supplier's amount.", "X"},
    {"all", "impact: every recipe reached, not only the dishes.", nullptr},
    {"round", "impact: rounding of the new selling price: cents, tenths or endings.", "KEY"},
    {"version", "Shows the version.", nullptr},
};

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

namespace {

// The help options: -h and --help show the help, and so does --help-all, kept for the scripts
// of earlier versions, which listed toolkit options under it; -? is a help option on Windows
// only.
#ifdef _WIN32
constexpr const char* kHelpNames[] = {"?", "h", "help"};
#else
constexpr const char* kHelpNames[] = {"h", "help"};
#endif
constexpr const char* kHelpAll = "help-all";
constexpr const char* kPositionalName = "command";
constexpr const char* kPositionalSyntax = "COMMAND ARGUMENTS";
constexpr const char* kPositionalDescription = "The command and its files (see Commands).";

const COptionText* FindOption(const std::string& name)
{
    for (const COptionText& option : kOptions) {
        if (name == option.Name)
            return &option;
    }
    return nullptr;
}

bool IsKnown(const std::string& name)
{
    return FindOption(name) || name == kHelpAll ||
           std::any_of(std::begin(kHelpNames), std::end(kHelpNames),
                       [&](const char* help) { return name == help; });
}

// "-h, --help": one dash for a name of one character, two for longer names.
std::string NameColumn(std::initializer_list<const char*> names, const char* valueName)
{
    std::string column;
    for (const char* name : names) {
        if (!column.empty())
            column += ", ";
        column += std::strlen(name) == 1 ? "-" : "--";
        column += name;
    }
    if (valueName)
        column += std::string(" <") + valueName + ">";
    return column;
}

// The names in a column of `width`, then the description wrapped at the last blank before the
// line would pass column 79; continuation lines are indented past the names.
std::string OptionLines(const std::string& names, std::size_t width, const std::string& description)
{
    const std::size_t room = 79 - (2 + width + 1);
    std::string text;
    std::string column = names;
    std::size_t start = 0;
    while (start < description.size()) {
        std::size_t end = description.size();
        if (end - start > room) {
            const std::size_t blank = description.rfind(' ', start + room);
            end = blank != std::string::npos && blank > start ? blank : start + room;
        }
        column.resize(width, ' ');
        text += "  " + column + " " + description.substr(start, end - start) + "\n";
        column.clear();
        start = end < description.size() && description[end] == ' ' ? end + 1 : end;
    }
    return text;
}

} // namespace

// Options may come anywhere, as "--name" or "-name", with their value after "=" or as the next
// argument; "--" makes every later argument positional and "-" alone is positional. Parsing
// goes on after a fault; the last faulty value is reported, else every unknown name.
std::optional<CCliArguments> CCliArguments::Parse(const std::vector<std::string>& args, std::string& error)
{
    CCliArguments result;
    std::vector<std::string> positional, unknown;
    std::string valueError;
    bool onlyPositional = false;
    for (auto it = args.begin(); it != args.end(); ++it) {
        const std::string& argument = *it;
        if (onlyPositional || argument.size() < 2 || argument[0] != '-') {
            positional.push_back(argument);
            continue;
        }
        if (argument == "--") {
            onlyPositional = true;
            continue;
        }
        const std::size_t nameStart = argument[1] == '-' ? 2 : 1;
        const std::size_t assign = argument.find('=');
        const std::string name =
            argument.substr(nameStart, assign == std::string::npos ? std::string::npos : assign - nameStart);
        if (!IsKnown(name)) {
            unknown.push_back(name);
            continue;
        }
        const COptionText* option = FindOption(name);
        std::string value;
        if (option && option->ValueName) {
            if (assign != std::string::npos) {
                value = argument.substr(assign + 1);
            } else if (it + 1 == args.end()) {
                valueError = "Missing value after '" + argument + "'.";
                result.m_options.emplace_back(name, value);
                break;
            } else {
                value = *++it;
            }
        } else if (assign != std::string::npos) {
            valueError = "Unexpected value after '" + argument.substr(0, assign) + "'.";
        }
        result.m_options.emplace_back(name, value);
    }
    if (!valueError.empty() || !unknown.empty()) {
        if (!valueError.empty()) {
            error = valueError;
        } else if (unknown.size() == 1) {
            error = "Unknown option '" + unknown[0] + "'.";
        } else {
            error = "Unknown options: ";
            for (std::size_t i = 0; i < unknown.size(); ++i)
                error += (i ? ", " : "") + unknown[i];
            error += ".";
        }
        return std::nullopt;
    }
    for (std::size_t i = 0; i < positional.size(); ++i)
        (i == 0 ? result.m_command : result.m_positional.emplace_back()) = positional[i];
    return result;
}

// Usage line, description, the options in two columns and the positional argument.
std::string CCliArguments::HelpText()
{
    struct CLine
    {
        std::string Names;
        std::string Description;
    };
    std::vector<CLine> options;
#ifdef _WIN32
    options.push_back({NameColumn({"?", "h", "help"}, nullptr), "Displays help on commandline options."});
#else
    options.push_back({NameColumn({"h", "help"}, nullptr), "Displays help on commandline options."});
#endif
    options.push_back({NameColumn({kHelpAll}, nullptr), "The same as --help."});
    for (const COptionText& option : kOptions)
        options.push_back({NameColumn({option.Name}, option.ValueName), option.Description});
    std::size_t width = std::strlen(kPositionalName);
    for (const CLine& line : options)
        width = std::max(width, line.Names.size());
    // One blank more than the longest names, at most 50.
    width = std::min<std::size_t>(width + 1, 50);

    std::string text = std::string("Usage: ") + kProgramName + " [options] " + kPositionalSyntax + "\n" +
                       kDescription + "\n\nOptions:\n";
    for (const CLine& line : options)
        text += OptionLines(line.Names, width, line.Description);
    text += "\nArguments:\n" + OptionLines(kPositionalName, width, kPositionalDescription);
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

std::vector<std::string> CCliArguments::Values(const std::string& option) const
{
    std::vector<std::string> values;
    for (const auto& [name, value] : m_options) {
        if (name == option)
            values.push_back(value);
    }
    return values;
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
