#include "cli/CliArguments.h"

#include <QCommandLineParser>
#include <QStringList>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

// The cli reads its command line itself instead of loading the toolkit's parser at every start;
// these tests hold the two side by side over the arguments users give, right and wrong.
namespace {

struct CParsed
{
    bool Ok = false;
    std::string Error;
    std::vector<std::string> Positional;
    std::vector<std::pair<std::string, std::string>> Options;
};

CParsed WithToolkit(const std::vector<std::string>& args)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    for (const std::string& name : CCliArguments::ValueOptions())
        parser.addOption(QCommandLineOption(QString::fromStdString(name), "", "V"));
    for (const std::string& name : CCliArguments::FlagOptions())
        parser.addOption(QCommandLineOption(QString::fromStdString(name), ""));
    QStringList list{"kostenkoch-cli"};
    for (const std::string& arg : args)
        list << QString::fromStdString(arg);
    CParsed parsed;
    parsed.Ok = parser.parse(list);
    if (!parsed.Ok) {
        parsed.Error = parser.errorText().toStdString();
        return parsed;
    }
    for (const QString& positional : parser.positionalArguments())
        parsed.Positional.push_back(positional.toStdString());
    for (const QString& name : parser.optionNames())
        parsed.Options.emplace_back(name.toStdString(), parser.value(name).toStdString());
    return parsed;
}

CParsed Ours(const std::vector<std::string>& args)
{
    CParsed parsed;
    const auto result = CCliArguments::Parse(args, parsed.Error);
    parsed.Ok = result.has_value();
    if (!parsed.Ok)
        return parsed;
    if (!result->Command().empty() || !result->Positional().empty()) {
        parsed.Positional.push_back(result->Command());
        for (const std::string& positional : result->Positional())
            parsed.Positional.push_back(positional);
    }
    for (const std::string& name : CCliArguments::ValueOptions())
        if (result->Has(name))
            parsed.Options.emplace_back(name, *result->Value(name));
    return parsed;
}

// Only the options that take values are compared by value (the last one given counts); flags
// and help options by whether they were given.
void ExpectSame(const std::vector<std::string>& args)
{
    std::string shown;
    for (const std::string& arg : args)
        shown += "[" + arg + "] ";
    const CParsed theirs = WithToolkit(args);
    const CParsed ours = Ours(args);
    ASSERT_EQ(ours.Ok, theirs.Ok) << shown << ours.Error << " / " << theirs.Error;
    EXPECT_EQ(ours.Error, theirs.Error) << shown;
    if (!theirs.Ok)
        return;
    EXPECT_EQ(ours.Positional, theirs.Positional) << shown;
    std::vector<std::pair<std::string, std::string>> lastValues;
    for (const std::string& name : CCliArguments::ValueOptions()) {
        for (auto it = theirs.Options.rbegin(); it != theirs.Options.rend(); ++it) {
            if (it->first == name) {
                lastValues.push_back(*it);
                break;
            }
        }
    }
    EXPECT_EQ(ours.Options, lastValues) << shown;
    const auto result = CCliArguments::Parse(args, shown);
    for (const char* name : {"h", "help", "help-all", "csv", "descending", "version", "cumulative"}) {
        const bool given = std::any_of(theirs.Options.begin(), theirs.Options.end(),
                                       [&](const auto& option) { return option.first == name; });
        EXPECT_EQ(result->Has(name), given) << shown << name;
    }
}

TEST(CliArguments, ReadAsTheToolkitsParserReadsThem)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"check", "F"},
        {"ingredients", "F", "--sort", "Name", "--descending", "--csv"},
        {"ingredients", "F", "--sort=Group|Name", "-descending"},
        {"ingredients", "F", "-sort", "Name", "--sort", "Group|Name"},
        {"--csv", "recipes", "F"},
        {"book", "F", "OUT", "--recipe", "Kalbsbraten mit Sauce", "--portions=2", "--date", "2009-05-19"},
        {"evaluate", "F", "--measure", "-1", "--start", "--end", "--series", "0,20"},
        {"check", "--", "--csv", "-", ""},
        {"-", "check"},
        {"-h"},
        {"--help", "check"},
        {"--help-all"},
        {"--version"},
        {"--sort"},
        {"--sort", "--csv"},
        {"--csv="},
        {"--csv=1", "--bogus"},
        {"--bogus", "--csv=1"},
        {"--csv=1", "--sort"},
        {"--bogus"},
        {"--bogus", "-x", "check"},
        {"-?"},
        {"-hx"},
        {"---x"},
        {"--=x"},
        {"-=x"},
        {"--version=1"},
        {"check", "F", "--sort=", "--recipe=a=b"},
    };
    for (const auto& args : cases)
        ExpectSame(args);
}

// The help is the text the toolkit's parser made of the same options and descriptions; only
// --help-all no longer promises toolkit options.
TEST(CliArguments, HelpTextIsUnchanged)
{
#ifndef _WIN32
    std::ifstream in(KK_TEST_DATA_DIR "/CliHelp.txt", std::ios::binary);
    const std::string expected((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(CCliArguments::HelpText(), expected);
#endif
}

} // namespace
