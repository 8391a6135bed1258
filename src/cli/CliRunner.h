#pragma once

#include <ostream>
#include <string>
#include <vector>

// kostenkoch-cli as a function: runs one command line (without the program name), writes the
// report to `out` and messages to `err`, and returns the exit status (0 fine, 1 a file could
// not be read or written, 2 wrong arguments).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The text of --help.
std::string CliUsage();
