#pragma once

#include <optional>
#include <string>
#include <vector>

// The command line of kostenkoch-cli, read as the usual command-line parser of the toolkit
// reads it (the same options, errors and help text, without loading the toolkit at every
// start): a command, its positional arguments and its options ("--name value", "--name=value" or a bare
// "--flag"). The parser knows every option of every command; which of them a command takes is its own
// business.
class CCliArguments
{
public:
    // Options that take a value.
    static const std::vector<std::string>& ValueOptions();
    // Options that are flags.
    static const std::vector<std::string>& FlagOptions();

    // Reads `args` (without the program name, UTF-8). None, with the parser's reason in
    // `error`, for an unknown option or an option without its value.
    static std::optional<CCliArguments> Parse(const std::vector<std::string>& args, std::string& error);
    // The parser's help text, with the program's name in its usage line.
    static std::string HelpText();

    const std::string& Command() const { return m_command; }
    const std::vector<std::string>& Positional() const { return m_positional; }
    bool Has(const std::string& option) const;
    std::optional<std::string> Value(const std::string& option) const;
    // Every value of a repeated option, in the order given.
    std::vector<std::string> Values(const std::string& option) const;
    // Options given that are not in `known` (--help and --version are never unknown).
    std::vector<std::string> Unknown(const std::vector<std::string>& known) const;

private:
    std::string m_command;
    std::vector<std::string> m_positional;
    std::vector<std::pair<std::string, std::string>> m_options;
};
