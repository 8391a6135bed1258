#include "MessageText.h"

#include "resources/StringTables.h"

std::string MessageText::WithName(int stringId, const std::string& name)
{
    return ReplaceAll(CStringTables::Load(stringId), "xyz", name);
}

std::string MessageText::ReplaceAll(std::string text, const std::string& what, const std::string& by)
{
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + by.size()))
        text.replace(at, what.size(), by);
    return text;
}
