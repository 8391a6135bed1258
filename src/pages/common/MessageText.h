#pragma once

#include <string>

// Message texts that name a record: the templates of the questions hold "xyz" where the name goes.
namespace MessageText {

// The text of `stringId` with every "xyz" replaced by `name`.
std::string WithName(int stringId, const std::string& name);
std::string ReplaceAll(std::string text, const std::string& what, const std::string& by);

} // namespace MessageText
