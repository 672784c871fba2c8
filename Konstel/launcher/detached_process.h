// Starting a calculator program as an independent process in its own folder. The launcher's
// own working folder is never changed: only the new process enters the program's folder, so
// the launcher's folder is the same after every attempt, whether the start worked or not.
#pragma once

#include <filesystem>
#include <string>

#include "program_finder.h"

namespace konstel {

enum class LaunchStatus {
  Started,
  FolderUnavailable,  // the program's folder is gone or cannot be entered
  ExecutableMissing,  // the file is gone from the folder
  NotPermitted,       // the file may not be run (no execute permission)
  NotAProgram,        // the file is no program this system can run (or its interpreter is missing)
  SystemError,        // no process could be made; errorNumber says why
};

struct LaunchResult {
  LaunchStatus status = LaunchStatus::Started;
  int errorNumber = 0;  // the system's error code behind a failure, 0 when started

  bool started() const { return status == LaunchStatus::Started; }
};

// Runs `executable`, a file name inside `folder`, with no arguments and the launcher's
// environment, in a new session with `folder` as its working folder. Returns once the program
// has been started or has failed to start; the launcher keeps no hold on the started process.
LaunchResult startDetached(const std::filesystem::path& folder, const std::string& executable);

// Starts a program found by ProgramFinder in `root`.
LaunchResult launchProgram(const std::filesystem::path& root, const ProgramLocation& location);

}  // namespace konstel
