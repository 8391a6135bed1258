#pragma once

#include "StrongPugiLoader.h"

#include <string>

// The reports of the reference program, built the plain way: JSON text appended to one string
// with to_chars for numbers, the figures computed from the flat records as the program's
// getters define them.
namespace StrongReports {

// Every recipe with its price figures and its lines, as `kostenkoch-cli recipes` reports them.
std::string Recipes(const StrongPugi::CCatalogue& catalogue);
// The record counts and the read state, as `kostenkoch-cli check` reports them.
std::string Check(const StrongPugi::CCatalogue& catalogue, bool unchanged);

} // namespace StrongReports
