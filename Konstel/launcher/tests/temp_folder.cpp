#include "temp_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace konstel::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  std::string pattern = (fs::path(::testing::TempDir()) / "konstel-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed: " + pattern);
  path_ = fs::canonical(pattern);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

fs::path TempFolder::makeFolder(std::string_view relative) const {
  const fs::path folder = path_ / relative;
  fs::create_directories(folder);
  return folder;
}

fs::path TempFolder::writeFile(std::string_view relative, std::string_view text,
                               fs::perms permissions) const {
  const fs::path file = path_ / relative;
  fs::create_directories(file.parent_path());
  {
    std::ofstream out(file, std::ios::binary);
    out << text;
  }
  fs::permissions(file, permissions);
  return file;
}

std::string waitForFileText(const fs::path& file) {
  using namespace std::chrono_literals;
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  while (std::chrono::steady_clock::now() < deadline) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const std::string content = text.str();
    if (!content.empty() && content.back() == '\n' && content.find("end\n") != std::string::npos) {
      return content;
    }
    std::this_thread::sleep_for(20ms);
  }
  return {};
}

std::string probeScript(const fs::path& report) {
  // Written to a temporary name and renamed, so a reader never sees half a report.
  const std::string target = report.string();
  return "#!/bin/sh\n"
         "{ pwd -P; echo \"$PPID\"; echo \"$KONSTEL_PROBE\"; echo end; } > '" +
         target +
         ".part'\n"
         "mv '" +
         target + ".part' '" + target + "'\n";
}

}  // namespace konstel::testing
