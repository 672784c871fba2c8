// The texts the launcher shows when a program cannot be started.
#pragma once

#include <QString>
#include <string_view>

#include "detached_process.h"
#include "program_finder.h"

namespace konstel {

QString warningCaption();      // "Внимание!"
QString missingProgramText();  // the program was not found at start-up

// Names the program, its file and why the start failed, in the user's terms.
QString launchFailureText(std::string_view programName, const ProgramLocation& location,
                          const LaunchResult& result);

}  // namespace konstel
