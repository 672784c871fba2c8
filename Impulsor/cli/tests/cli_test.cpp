// The command-line program end to end: the built binary on the shipped data and on a small
// test series whose figures follow by hand.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>

#include "../../session/tests/test_series.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct CliRun {
  int exit = -1;
  std::string out, err;
};

std::string slurp(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string quoted(const std::string& arg) {
  std::string q = "'";
  for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("impulsor-cli-" +
              std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  CliRun run(const std::vector<std::string>& args) {
    std::string command = quoted(IMPULSOR_CLI);
    for (const std::string& a : args) command += " " + quoted(a);
    command +=
        " >" + quoted((folder / "stdout").string()) + " 2>" + quoted((folder / "stderr").string());
    CliRun result;
    const int status = std::system(command.c_str());
    result.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = slurp(folder / "stdout");
    result.err = slurp(folder / "stderr");
    return result;
  }

  void writeTestSeries() {
    std::ofstream(folder / "Test cores.txt", std::ios::binary) << impulsor::testing::kTestSeries;
  }

  fs::path folder;
};

TEST_F(Cli, BareRunOnTheShippedDataShowsTheStartUpDesign) {
  const CliRun text = run({"--dir", IMPULSOR_DATA_DIR});
  ASSERT_EQ(text.exit, 0) << text.err;
  EXPECT_NE(text.out.find("KVZN1845-TH"), std::string::npos);
  EXPECT_NE(text.out.find("Индуктивность первичной обмотки"), std::string::npos);
  EXPECT_NE(text.out.find("Ожидаемая температура трансформатора"), std::string::npos);
  EXPECT_EQ(text.err, "");  // the default design works on the default core without a message

  const CliRun js = run({"--dir", IMPULSOR_DATA_DIR, "--format", "json"});
  ASSERT_EQ(js.exit, 0) << js.err;
  const nlohmann::ordered_json report = nlohmann::ordered_json::parse(js.out);
  std::vector<std::string> members;
  for (const auto& [key, value] : report.items()) members.push_back(key);
  EXPECT_EQ(members, (std::vector<std::string>{"inputs", "results", "tooltip1040", "red", "spins",
                                               "status", "series_list", "series_index", "cores",
                                               "core_index", "enabled", "messages"}));
  EXPECT_EQ(report["inputs"].size(), 38u);
  EXPECT_EQ(report["inputs"]["rds"], 1);
  EXPECT_EQ(report["inputs"]["core"], "KVZN1845-TH");
  EXPECT_TRUE(report["status"].is_null());  // only the optimization ran
  EXPECT_EQ(report["enabled"]["1007"], true);
  EXPECT_EQ(report["enabled"]["1008"], false);
  EXPECT_EQ(report["results"]["1044"], "247");
  EXPECT_EQ(report["messages"].size(), 0u);
}

TEST_F(Cli, ScenarioOfLoadAutomaticSelectionSpinsAndSave) {
  writeTestSeries();
  // A design saved by hand: the test series, core T20, a bipolar transistor with 1 V.
  std::ofstream(folder / "start.sav", std::ios::binary)
      << "[INI_DATA]\r\nseries\t= Test cores\r\ncore\t= T20\r\nUmin\t= 200\r\nUnom\t= 300\r\n"
         "Umax\t= 350\r\nsetevoe\t= 0\r\nF\t= 100\r\nUmirror\t= 120\r\nUtrmax\t= 600\r\nj\t= 5\r\n"
         "Rds\t= 3\r\nUnas\t= 1\r\nrds\t= 0\r\nIccm\t= 60\r\nko\t= 0.4\r\nstek\t= 1\r\n"
         "tamax\t= 55\r\ntdmax\t= 125\r\nRacdc\t= 1,1\r\npri_sec\t= 0\r\nU21\t= 12\r\nU22\t= \r\n"
         "U23\t= \r\nI21\t= 2\r\nI22\t= \r\nI23\t= \r\nUd1\t= 0,6\r\nUd2\t= \r\nUd3\t= \r\n"
         "w11\t= 247\r\nd11\t= 0,25\r\nd21\t= 0,475\r\nd22\t= \r\nd23\t= \r\nn11\t= 1\r\n"
         "n21\t= 3\r\nn22\t= \r\nn23\t= \r\n";
  const CliRun loaded = run({"--dir", folder.string(), "--load", "start.sav", "--format", "json"});
  ASSERT_EQ(loaded.exit, 0) << loaded.err;
  json report = json::parse(loaded.out);
  // The loaded design recomputed: L = AL·N1² = 0.09·247² µH, Ns1 = ⌈247/(120/12.6)⌉ = 26,
  // Imax = 0.4427 A (by hand from the flyback equations at 199 V).
  EXPECT_EQ(report["results"]["1040"], "5.491");
  EXPECT_EQ(report["results"]["1042"], "мГн");
  EXPECT_EQ(report["results"]["1056"], "26");
  EXPECT_EQ(report["results"]["1055"], "0.443");
  EXPECT_EQ(report["inputs"]["d11"], "0.25");
  EXPECT_EQ(report["inputs"]["rds"], 0);
  EXPECT_EQ(report["cores"], json({"T10", "T20", "T30"}));
  EXPECT_EQ(report["core_index"], 1);
  EXPECT_EQ(report["enabled"]["1008"], true);

  // The automatic selection by hand (µr = 1, so AL_eff = AL): Lmax = 4043.087 µH at Ipk =
  // 0.4652 A; the first estimate passes the smallest core, T10 (N²·AL > Lmax at the field
  // limit), where three passes settle on N = 239, Ns1 = trunc(239/9.5952) = 25, N1 = 238,
  // H = 0.4π·Imax·238/45·10 = 31.14 Oe at 59.7 % continuity.
  const CliRun automatic =
      run({"--dir", folder.string(), "--load", "start.sav", "--auto", "--format", "json"});
  ASSERT_EQ(automatic.exit, 0) << automatic.err;
  report = json::parse(automatic.out);
  EXPECT_EQ(report["status"], 0);
  EXPECT_EQ(report["inputs"]["core"], "T10");
  EXPECT_EQ(report["core_index"], 0);
  EXPECT_EQ(report["inputs"]["w11"], "238");
  EXPECT_EQ(report["results"]["1056"], "25");
  EXPECT_EQ(report["results"]["1036"], "31.14");
  EXPECT_EQ(report["results"]["1039"], "59.7");
  EXPECT_EQ(report["red"], json::array());
  const int primaryRow = report["spins"]["1099"];

  const CliRun scenario =
      run({"--dir", folder.string(), "--load", "start.sav", "--auto", "--spin", "1098:2", "--spin",
           "1099:-1", "--save", "result", "--format", "json"});
  ASSERT_EQ(scenario.exit, 0) << scenario.err;
  report = json::parse(scenario.out);
  // Two turns more: Ns1 = ⌈240 / (120/12.6)⌉ = ⌈25.2⌉ = 26.
  const std::string turns = report["inputs"]["w11"];
  EXPECT_EQ(turns, "240");
  EXPECT_EQ(report["results"]["1044"], "240");
  EXPECT_EQ(report["results"]["1056"], "26");
  EXPECT_EQ(report["spins"]["1099"], primaryRow - 1);
  EXPECT_EQ(report["status"], 0);  // the last automatic design, before the spins
  ASSERT_TRUE(fs::exists(folder / "result.sav"));
  const std::string saved = slurp(folder / "result.sav");
  EXPECT_NE(saved.find("w11\t= " + turns + "\r\n"), std::string::npos);
  EXPECT_EQ(saved.rfind("[INI_DATA]\r\nseries\t= Test cores\r\n", 0), 0u);
}

TEST_F(Cli, UsageErrorsPrintOneLineAndNothingOnStdout) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--frobnicate"},
                                               {"--set", "w11=12a"},
                                               {"--set", "Bogus=1"},
                                               {"--spin", "1234:1"},
                                               {"--set", "Unas=2"} /* disabled while rds = 1 */,
                                               {"--core", "nothing-like-it"},
                                               {"--series", "No such series"}}) {
    const CliRun r = run([&] {
      std::vector<std::string> all = {"--dir", IMPULSOR_DATA_DIR};
      all.insert(all.end(), args.begin(), args.end());
      return all;
    }());
    EXPECT_EQ(r.exit, 2) << args[0];
    EXPECT_EQ(r.out, "") << args[0];
    EXPECT_NE(r.err.find("impulsor-cli: "), std::string::npos) << args[0];
  }
}

TEST_F(Cli, UnknownFolderExitsWithOne) {
  const CliRun r = run({"--dir", (folder / "no-such-folder").string()});
  EXPECT_EQ(r.exit, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("no-such-folder"), std::string::npos);
}

TEST_F(Cli, MessagesGoToStderrInTheTextReport) {
  writeTestSeries();
  std::ofstream(folder / "Impulsor.ini", std::ios::binary)
      << "[INI_DATA]\r\nseries\t= Test cores\r\ncore\t= T30\r\n";
  // Everything else empty: the start-up optimization refuses the inputs and says which.
  const CliRun r = run({"--dir", folder.string(), "--ini", "--next"});
  EXPECT_EQ(r.exit, 0);
  EXPECT_NE(r.err.find("Внимание!: Расчеты не выполнены."), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Внимание!: Уже выбран максимальный типоразмер из имеющихся."),
            std::string::npos);
}

}  // namespace
