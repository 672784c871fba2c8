#include "detached_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <vector>

#if __has_include(<linux/close_range.h>)
#include <linux/close_range.h>
#endif

extern char** environ;

namespace konstel {
namespace {

// Which step of the start failed; sent from the new process back to the launcher.
enum class Step : int { Fork, EnterFolder, Execute };

struct StepFailure {
  Step step;
  int errorNumber;
};

// Between fork and exec only async-signal-safe calls are allowed, because the launcher's other
// threads may hold locks the copy would never see released; everything that allocates is
// prepared before the fork.
[[noreturn]] void reportAndExit(int reportFd, Step step, int errorNumber) {
  const StepFailure failure{step, errorNumber};
  [[maybe_unused]] const ssize_t written = write(reportFd, &failure, sizeof failure);
  _exit(127);
}

// Runs in the first child. A second fork makes the program a grandchild that nobody waits for:
// it is adopted by the system and never becomes a zombie of the launcher.
[[noreturn]] void becomeProgram(int reportFd, const char* folder, const char* program,
                                char* const argv[], const sigset_t& emptyMask) {
  const pid_t grandchild = fork();
  if (grandchild < 0) reportAndExit(reportFd, Step::Fork, errno);
  if (grandchild > 0) _exit(0);

  setsid();
  sigprocmask(SIG_SETMASK, &emptyMask, nullptr);
  struct sigaction defaultAction {};
  defaultAction.sa_handler = SIG_DFL;
  sigaction(SIGPIPE, &defaultAction, nullptr);
#if defined(CLOSE_RANGE_CLOEXEC)
  // The program inherits no handles of the launcher beyond the standard three.
  close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
#endif
  if (chdir(folder) != 0) reportAndExit(reportFd, Step::EnterFolder, errno);
  execve(program, argv, environ);
  reportAndExit(reportFd, Step::Execute, errno);
}

LaunchResult classify(const StepFailure& failure, const std::filesystem::path& folder,
                      const std::string& executable) {
  switch (failure.step) {
    case Step::Fork:
      return {LaunchStatus::SystemError, failure.errorNumber};
    case Step::EnterFolder:
      return {LaunchStatus::FolderUnavailable, failure.errorNumber};
    case Step::Execute:
      break;
  }
  switch (failure.errorNumber) {
    case ENOENT: {
      // A script whose interpreter is missing fails with the same code as a missing file.
      std::error_code error;
      const bool fileExists = std::filesystem::exists(folder / executable, error);
      return {fileExists ? LaunchStatus::NotAProgram : LaunchStatus::ExecutableMissing, ENOENT};
    }
    case EACCES:
    case EPERM:
      return {LaunchStatus::NotPermitted, failure.errorNumber};
    case ENOEXEC:
    case ELIBBAD:
    case EISDIR:
    case ENOTDIR:
      return {LaunchStatus::NotAProgram, failure.errorNumber};
    default:
      return {LaunchStatus::SystemError, failure.errorNumber};
  }
}

}  // namespace

LaunchResult startDetached(const std::filesystem::path& folder, const std::string& executable) {
  const std::string folderText = folder.string();
  // Resolved against the program's folder once the new process has entered it.
  const std::string program = "./" + executable;
  std::string argument0 = executable;
  std::vector<char*> argv{argument0.data(), nullptr};
  sigset_t emptyMask;
  sigemptyset(&emptyMask);

  // The write end closes on a successful exec, so an empty read means the program runs.
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return {LaunchStatus::SystemError, errno};

  const pid_t child = fork();
  if (child < 0) {
    const int error = errno;
    close(report[0]);
    close(report[1]);
    return {LaunchStatus::SystemError, error};
  }
  if (child == 0) {
    close(report[0]);
    becomeProgram(report[1], folderText.c_str(), program.c_str(), argv.data(), emptyMask);
  }

  close(report[1]);
  int childStatus = 0;
  while (waitpid(child, &childStatus, 0) < 0 && errno == EINTR) {
  }
  StepFailure failure{};
  ssize_t got = 0;
  do {
    got = read(report[0], &failure, sizeof failure);
  } while (got < 0 && errno == EINTR);
  close(report[0]);

  if (got == 0) return {};
  if (got == static_cast<ssize_t>(sizeof failure)) return classify(failure, folder, executable);
  return {LaunchStatus::SystemError, got < 0 ? errno : EIO};
}

LaunchResult launchProgram(const std::filesystem::path& root, const ProgramLocation& location) {
  return startDetached(root / location.folder, location.executable);
}

}  // namespace konstel
