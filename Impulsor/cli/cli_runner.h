// The command-line front end: replays user actions of the main window on a session and prints
// what the window would then show.
//
//   impulsor-cli [--dir DIR] [--ini] [ACTION]... [--format text|json]
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace impulsor::cli {

enum ExitCode { kOk = 0, kCannotUse = 1, kUsage = 2 };

// Runs the whole command; the report goes to out, messages and errors to err.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace impulsor::cli
