#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// The command line of kostenkoch-cli: a command, its positional arguments and its options
// ("--name value" or a bare "--flag").
class CCliArguments
{
public:
    // Splits `args` (without the program name). Options named in `valueOptions` take the next
    // argument as their value. Returns none when an option lacks its value.
    static std::optional<CCliArguments> Parse(const std::vector<std::string>& args,
                                              const std::vector<std::string>& valueOptions);

    const std::string& Command() const { return m_command; }
    const std::vector<std::string>& Positional() const { return m_positional; }
    bool Has(const std::string& option) const { return m_options.count(option) != 0; }
    std::optional<std::string> Value(const std::string& option) const;
    // Options given that are not in `known`.
    std::vector<std::string> Unknown(const std::vector<std::string>& known) const;

private:
    std::string m_command;
    std::vector<std::string> m_positional;
    std::map<std::string, std::string> m_options;
};
