// A working folder with the test series and a session on it, answered message boxes.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "design_file.h"
#include "impulsor_session.h"
#include "recording_boxes.h"
#include "test_series.h"

namespace impulsor {

namespace fs = std::filesystem;

class SessionScenario : public ::testing::Test {
 protected:
  void SetUp() override {
    folder =
        fs::temp_directory_path() /
        ("impulsor-session-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    write("Test cores.txt", impulsor::testing::kTestSeries);
    write("ReadMe.txt", "help\r\n");
  }
  void TearDown() override { fs::remove_all(folder); }

  void write(const std::string& name, const std::string& bytes) {
    std::ofstream(folder / name, std::ios::binary) << bytes;
  }
  std::string read(const std::string& name) {
    std::ifstream file(folder / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }
  // The remembered design: the test series, core T20, a bipolar transistor with 1 V.
  void rememberDesign() {
    DesignInputs remembered;
    remembered.series = "Test cores";
    remembered.core = "t2";  // a prefix, in another letter case
    remembered.rds = 0;
    write(kSettingsFileName, designFileBytes(remembered));
  }

  fs::path folder;
  test::RecordingBoxes boxes;
};

}  // namespace impulsor
