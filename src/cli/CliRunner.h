#pragma once

#include "platform/FileSystem.h"

#include <ostream>
#include <string>
#include <vector>

// kostenkoch-cli as a function: runs one command line (without the program name), writes the
// report to `out` and messages to `err`, and returns the exit status (0 fine, 1 a file could
// not be read or written, 2 wrong arguments).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The same on the files given (tests put faults in them).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, CFileSystem& files);

// The text of --help, from the command line parser.
std::string CliUsage();
// The text of --version: "kostenkoch-cli 4.0", the project's version.
std::string CliVersion();
