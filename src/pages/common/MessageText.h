#pragma once

#include <string>

// Message texts that name a record: the templates of the questions hold "xyz" where the name goes.
class CMessageText
{
public:
    // The text of `stringId` with every "xyz" replaced by `name`.
    static std::string WithName(int stringId, const std::string& name);
    static std::string ReplaceAll(std::string text, const std::string& what, const std::string& by);
};
