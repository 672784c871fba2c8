#include "detached_process.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <ostream>
#include <sstream>

#include "temp_folder.h"

namespace konstel {
namespace {

namespace fs = std::filesystem;
using testing::kExecutable;
using testing::kPlainFile;
using testing::TempFolder;

struct ProbeReport {
  std::string workingFolder;
  std::string parentProcess;
  std::string probeVariable;
};

ProbeReport readReport(const fs::path& file) {
  std::istringstream lines(testing::waitForFileText(file));
  ProbeReport report;
  std::getline(lines, report.workingFolder);
  std::getline(lines, report.parentProcess);
  std::getline(lines, report.probeVariable);
  return report;
}

class KonstelStartDetached : public ::testing::Test {
 protected:
  void SetUp() override { launcherFolder_ = fs::current_path(); }
  void TearDown() override {
    // Whatever happened, the launcher's own working folder is the one it had before.
    EXPECT_EQ(fs::current_path(), launcherFolder_);
  }

  TempFolder root_;
  fs::path launcherFolder_;
};

TEST_F(KonstelStartDetached, ProgramRunsInItsOwnFolderAsAnIndependentProcess) {
  const fs::path report = root_.path() / "report.txt";
  root_.writeFile("Impulsor-new/Impulsor", testing::probeScript(report), kExecutable);
  setenv("KONSTEL_PROBE", "inherited", 1);

  const LaunchResult result = launchProgram(root_.path(), {"Impulsor-new", "Impulsor"});

  ASSERT_TRUE(result.started()) << "error " << result.errorNumber;
  EXPECT_EQ(fs::current_path(), launcherFolder_);
  const ProbeReport probe = readReport(report);
  EXPECT_EQ(probe.workingFolder, (root_.path() / "Impulsor-new").string());
  EXPECT_NE(probe.parentProcess, std::to_string(getpid())) << "the launcher keeps no hold on it";
  EXPECT_EQ(probe.probeVariable, "inherited");
}

TEST_F(KonstelStartDetached, FolderRelativeToTheLauncherFolderIsEnteredByTheProgramOnly) {
  // The launcher finds its programs relative to its own working folder, as in the window.
  const fs::path report = root_.path() / "report.txt";
  root_.writeFile("Impulsor/Impulsor", testing::probeScript(report), kExecutable);
  const fs::path relativeRoot = fs::relative(root_.path(), launcherFolder_);

  ASSERT_TRUE(launchProgram(relativeRoot, {"Impulsor", "Impulsor"}).started());
  EXPECT_EQ(readReport(report).workingFolder, (root_.path() / "Impulsor").string());
}

TEST_F(KonstelStartDetached, SameProgramStartsAgainAfterAFirstStart) {
  const fs::path first = root_.path() / "first.txt";
  const fs::path second = root_.path() / "second.txt";
  root_.writeFile("A/one", testing::probeScript(first), kExecutable);
  root_.writeFile("A/two", testing::probeScript(second), kExecutable);

  ASSERT_TRUE(startDetached(root_.path() / "A", "one").started());
  ASSERT_TRUE(startDetached(root_.path() / "A", "two").started());
  EXPECT_EQ(readReport(first).workingFolder, (root_.path() / "A").string());
  EXPECT_EQ(readReport(second).workingFolder, (root_.path() / "A").string());
}

// A tree that breaks the start, and the reason the launcher must give.
struct FailureCase {
  const char* label;
  const char* file;  // written into folder "Impulsor" unless null
  const char* text;
  fs::perms permissions;
  LaunchStatus expected;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.label; }

class KonstelFailedStart : public KonstelStartDetached,
                           public ::testing::WithParamInterface<FailureCase> {};

TEST_P(KonstelFailedStart, NamesTheReasonAndLeavesTheLauncherFolderAlone) {
  const FailureCase& c = GetParam();
  if (c.file != nullptr) root_.writeFile(std::string("Impulsor/") + c.file, c.text, c.permissions);

  const LaunchResult result = startDetached(root_.path() / "Impulsor", "Impulsor");

  EXPECT_EQ(result.status, c.expected);
  EXPECT_NE(result.errorNumber, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Trees, KonstelFailedStart,
    ::testing::Values(FailureCase{"folder removed after start-up", nullptr, "", kPlainFile,
                                  LaunchStatus::FolderUnavailable},
                      FailureCase{"file removed after start-up", "other", "#!/bin/sh\n",
                                  kExecutable, LaunchStatus::ExecutableMissing},
                      FailureCase{"file without execute permission", "Impulsor", "#!/bin/sh\n",
                                  kPlainFile, LaunchStatus::NotPermitted},
                      FailureCase{"text file that is no program", "Impulsor", "just some notes\n",
                                  kExecutable, LaunchStatus::NotAProgram},
                      FailureCase{"script whose interpreter is missing", "Impulsor",
                                  "#!/nonexistent/interpreter\n", kExecutable,
                                  LaunchStatus::NotAProgram}));

}  // namespace
}  // namespace konstel
