#include "CliArguments.h"

#include <algorithm>

std::optional<CCliArguments> CCliArguments::Parse(const std::vector<std::string>& args,
                                                  const std::vector<std::string>& valueOptions)
{
    CCliArguments result;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            const std::string name = arg.substr(2);
            const bool takesValue =
                std::find(valueOptions.begin(), valueOptions.end(), name) != valueOptions.end();
            if (takesValue && i + 1 >= args.size())
                return std::nullopt;
            result.m_options[name] = takesValue ? args[++i] : std::string();
        } else if (result.m_command.empty()) {
            result.m_command = arg;
        } else {
            result.m_positional.push_back(arg);
        }
    }
    return result;
}

std::optional<std::string> CCliArguments::Value(const std::string& option) const
{
    const auto it = m_options.find(option);
    if (it == m_options.end())
        return std::nullopt;
    return it->second;
}

std::vector<std::string> CCliArguments::Unknown(const std::vector<std::string>& known) const
{
    std::vector<std::string> unknown;
    for (const auto& [name, value] : m_options) {
        if (std::find(known.begin(), known.end(), name) == known.end())
            unknown.push_back(name);
    }
    return unknown;
}
