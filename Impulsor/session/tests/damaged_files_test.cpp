// Damaged series and design files from colleagues, older versions and other machines: each is
// refused with a message naming the file (or read as far as it is sound), the state before it
// stays, and the program goes on working.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session_fixture.h"

namespace impulsor {
namespace {

// The byte offsets just past every CR LF.
std::vector<std::size_t> lineEnds(const std::string& text) {
  std::vector<std::size_t> ends;
  for (std::size_t i = text.find("\r\n"); i != std::string::npos; i = text.find("\r\n", i + 2))
    ends.push_back(i + 2);
  return ends;
}

class DamagedFiles : public SessionScenario {
 protected:
  void SetUp() override {
    SessionScenario::SetUp();
    rememberDesign();
    write("Other cores.txt", impulsor::testing::kTestSeries);
    session = std::make_unique<ImpulsorSession>(folder, boxes);
    session->startUp();
    session->completeStartUp();
    ASSERT_TRUE(boxes.shown.empty());
    ASSERT_EQ(session->seriesList(), (std::vector<std::string>{"Other cores", "Test cores"}));
  }

  // Offers the damaged series and checks what the engineer then sees.
  void offerSeries(const std::string& bytes, const char* what) {
    SCOPED_TRACE(what);
    write("Other cores.txt", bytes);
    boxes.shown.clear();
    session->chooseSeries(0);
    if (session->inputs().series == "Other cores") return;  // sound as far as it goes: loaded
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_NE(boxes.shown[0].find("Other cores.txt"), std::string::npos) << boxes.shown[0];
    EXPECT_EQ(session->coreList(), (std::vector<std::string>{"T10", "T20", "T30"}));
    EXPECT_EQ(session->seriesSelection(), 1);
    boxes.shown.clear();
    session->optimize();  // still usable
    EXPECT_TRUE(boxes.shown.empty()) << boxes.shown.front();
    EXPECT_FALSE(session->results().text(ctl::kTemperature).empty());
  }

  std::unique_ptr<ImpulsorSession> session;
};

TEST_F(DamagedFiles, SeriesTruncatedAtEveryLineOrInsideIt) {
  const std::string full = impulsor::testing::kTestSeries;
  for (std::size_t end : lineEnds(full)) {
    offerSeries(full.substr(0, end), ("cut after byte " + std::to_string(end)).c_str());
    offerSeries(full.substr(0, end - 3),
                ("cut inside the line before byte " + std::to_string(end)).c_str());
    // Choosing a sound series again between the cases.
    session->chooseSeries(1);
  }
}

TEST_F(DamagedFiles, SeriesWithLineFeedsOnlyIsRefused) {
  std::string lf = impulsor::testing::kTestSeries;
  for (std::size_t i; (i = lf.find("\r\n")) != std::string::npos;) lf.erase(i, 1);
  offerSeries(lf, "LF only");
  EXPECT_NE(session->inputs().series, "Other cores");
}

TEST_F(DamagedFiles, SeriesOverTheSizeLimitIsRefused) {
  std::string big = impulsor::testing::kTestSeries;
  big.append(100000 - big.size(), ' ');
  offerSeries(big, "100000 bytes");
  EXPECT_NE(session->inputs().series, "Other cores");
}

TEST_F(DamagedFiles, SeriesWithABracketNeverClosedIsRefused) {
  offerSeries("[T40\r\nOD = 1\r\n", "unclosed bracket");
  EXPECT_NE(session->inputs().series, "Other cores");
}

TEST_F(DamagedFiles, SeriesWithMoreCoresOrPointsThanTheTablesHoldIsRefused) {
  std::string cores;
  for (int i = 0; i < 101; ++i) {
    cores += "[C" + std::to_string(1000 + i) +
             "]\r\nOD = 40\r\nID = 24\r\nOH = 16\r\nOD0 = 40\r\n"
             "ID0 = 24\r\nH0 = 16\r\nle = 100\r\nAe = 120\r\nAL = 0.1\r\n";
  }
  const std::string series = impulsor::testing::kTestSeries;
  const std::string material = series.substr(series.find("[END]"));
  offerSeries(cores + material, "101 cores");
  EXPECT_NE(session->inputs().series, "Other cores");

  std::string points = "H, Oersteads\r\n";
  std::string factors;
  for (int i = 0; i < 52; ++i) {
    points += "H" + std::to_string(i) + " = " + std::to_string(i + 1) + "\r\n";
    factors += "mu_H" + std::to_string(i) + " = 1\r\n";
  }
  std::string tooMany = series;
  const auto from = tooMany.find("H, Oersteads");
  const auto to = tooMany.find("Flux density");
  tooMany.replace(from, to - from, points + factors);
  offerSeries(tooMany, "52 field points");
  EXPECT_NE(session->inputs().series, "Other cores");
}

TEST_F(DamagedFiles, DesignFileCutAnywhereLoadsWhatIsSoundOrChangesNothing) {
  ASSERT_TRUE(session->saveDesign("whole"));
  const std::string whole = read("whole.sav");
  const auto ends = lineEnds(whole);
  for (auto it = ends.begin() + 1; it != ends.end(); ++it) {  // past the section line
    const std::size_t end = *it;
    SCOPED_TRACE(end);
    // Cut inside a line: a value without its CR; nothing changes.
    write("cut.sav", whole.substr(0, end - 3));
    const DesignInputs before = session->inputs();
    boxes.shown.clear();
    EXPECT_FALSE(session->loadDesign("cut.sav"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].find("cut.sav"), std::string::npos);
    EXPECT_EQ(session->inputs(), before);
    // Cut after a whole line: the missing keys read empty (and the computation then says
    // which field it needs), unless a key's text first stands inside an earlier value and no
    // "=" follows it any more; then it is damaged like the cut above.
    write("short.sav", whole.substr(0, end));
    boxes.shown.clear();
    if (!session->loadDesign("short.sav")) {
      ASSERT_EQ(boxes.shown.size(), 1u);
      EXPECT_NE(boxes.shown[0].find("short.sav"), std::string::npos);
      EXPECT_EQ(session->inputs(), before);
    }
    ASSERT_TRUE(session->loadDesign("whole.sav"));
  }
}

TEST_F(DamagedFiles, DesignFileWithLineFeedsOnlyOrOverTheLimitChangesNothing) {
  ASSERT_TRUE(session->saveDesign("whole"));
  std::string lf = read("whole.sav");
  for (std::size_t i; (i = lf.find("\r\n")) != std::string::npos;) lf.erase(i, 1);
  write("lf.sav", lf);
  std::string big = read("whole.sav");
  big.append(10000 - big.size(), ' ');
  write("big.sav", big);
  const DesignInputs before = session->inputs();
  for (const char* name : {"lf.sav", "big.sav"}) {
    boxes.shown.clear();
    EXPECT_FALSE(session->loadDesign(name));
    ASSERT_EQ(boxes.shown.size(), 1u) << name;
    EXPECT_NE(boxes.shown[0].find(name), std::string::npos);
    EXPECT_EQ(session->inputs(), before);
  }
}

TEST_F(DamagedFiles, WritesThatFailLeaveTheOldFile) {
  ASSERT_TRUE(session->saveDesign("keep"));
  const std::string old = read("keep.sav");
  session->inputs().U21 = "24";
  boxes.shown.clear();
  // A name the file system refuses (longer than a file name may be), a folder in the way.
  EXPECT_FALSE(session->saveDesign(std::string(300, 'x')));
  fs::create_directory(folder / "blocked.sav");
  EXPECT_FALSE(session->saveDesign("blocked"));
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_NE(boxes.shown[1].find("blocked.sav"), std::string::npos);
  EXPECT_EQ(read("keep.sav"), old);
  EXPECT_FALSE(fs::exists(folder / "keep.sav.tmp"));
  // Exit cannot write the settings file where a folder has its name: it says so.
  fs::remove(folder / kSettingsFileName);
  fs::create_directory(folder / kSettingsFileName);
  boxes.shown.clear();
  EXPECT_FALSE(session->exit());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].find(kSettingsFileName), std::string::npos);
}

}  // namespace
}  // namespace impulsor
