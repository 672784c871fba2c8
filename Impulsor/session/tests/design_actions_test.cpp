// What the computations report and mark: statuses, messages, red marks, write-backs, on the
// test series (core T20 unless a test picks another).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "messages.h"
#include "session_fixture.h"

namespace impulsor {
namespace {

class DesignActions : public SessionScenario {
 protected:
  void SetUp() override {
    SessionScenario::SetUp();
    rememberDesign();
    session = std::make_unique<ImpulsorSession>(folder, boxes);
    session->startUp();
    session->completeStartUp();
    boxes.shown.clear();
  }
  DesignInputs& in() { return session->inputs(); }
  const DesignResults& r() { return session->results(); }
  bool red(int id) {
    const auto& marks = session->redMarks();
    return std::find(marks.begin(), marks.end(), id) != marks.end();
  }
  std::unique_ptr<ImpulsorSession> session;
};

TEST_F(DesignActions, OverfilledAndTooHotReturnsSixteenAndMarksBoth) {
  in().ko = "0.01";
  in().tdmax = "20";
  session->recalculateCurrentCore();
  ASSERT_TRUE(session->lastStatus());
  EXPECT_EQ(*session->lastStatus(), kWindowOverfilled);
  EXPECT_TRUE(boxes.shown.empty());  // 16 and 8 are results, not failures
  EXPECT_TRUE(red(ctl::kFillFactor));
  EXPECT_TRUE(red(ctl::kTemperature));
  // An automatic selection leaves nothing red.
  in().ko = "0.4";
  in().tdmax = "125";
  session->automaticSelection();
  EXPECT_TRUE(session->redMarks().empty());
}

TEST_F(DesignActions, FillFactorWithinHalfAThousandthOfTheLimitIsAccepted) {
  session->recalculateCurrentCore();
  ASSERT_NE(*session->lastStatus(), kWindowOverfilled);
  const double fill = r().value(ctl::kFillFactor);
  char limit[32];
  std::snprintf(limit, sizeof limit, "%.7f", fill - 0.0004);
  in().ko = limit;
  session->recalculateCurrentCore();
  EXPECT_NE(*session->lastStatus(), kWindowOverfilled);
  EXPECT_FALSE(red(ctl::kFillFactor));
  std::snprintf(limit, sizeof limit, "%.7f", fill - 0.0006);
  in().ko = limit;
  session->recalculateCurrentCore();
  EXPECT_EQ(*session->lastStatus(), kWindowOverfilled);
  EXPECT_TRUE(red(ctl::kFillFactor));
}

TEST_F(DesignActions, CurrentDensityOverTheLimitIsMarkedButDoesNotFail) {
  const double J = r().value(ctl::kPrimaryDensity);
  in().j = std::to_string(J / 2);
  session->optimize();
  EXPECT_TRUE(red(ctl::kPrimaryDensity));
  EXPECT_FALSE(r().text(ctl::kTemperature).empty());  // the design ran to its end
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DesignActions, AbsentOutputsStayEmptyAndAnEmptyStackReadsOne) {
  in().stek = "";
  session->recalculateCurrentCore();
  EXPECT_EQ(in().stek, "1");
  for (const auto& row : {ctl::kOutTurns, ctl::kOutVoltage, ctl::kOutDiameter, ctl::kOutDensity,
                          ctl::kOutLoss, ctl::kOutCapacitorCurrent}) {
    EXPECT_FALSE(r().text(row[0]).empty());
    EXPECT_TRUE(r().text(row[1]).empty());
    EXPECT_TRUE(r().text(row[2]).empty());
  }
  EXPECT_TRUE(in().d22.empty());
  EXPECT_TRUE(in().n23.empty());
}

TEST_F(DesignActions, SaturationVoltageAboveFivePercentStopsTheDesign) {
  in().Unas = "11";
  session->recalculateCurrentCore();
  EXPECT_EQ(*session->lastStatus(), kTransistorDrop);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0], std::string("Внимание!: ") + msg::kTransistorDrop);
  EXPECT_EQ(in().Unas, "11.000");

  // The automatic selection finds it before designing any core and says so in full.
  boxes.shown.clear();
  session->automaticSelection();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0], std::string("Внимание!: ") + msg::kTransistorDrop);
}

TEST_F(DesignActions, FieldAboveTheSeriesLimitNamesTheRemedy) {
  // The same series with a field limit of 10 Oe: the remembered 247 turns give 19.63 Oe.
  std::string lowLimit = impulsor::testing::kTestSeries;
  lowLimit.replace(lowLimit.find("Hmax = 100"), 10, "Hmax = 10");
  write("Test cores.txt", lowLimit);
  ImpulsorSession restarted(folder, boxes);
  restarted.startUp();
  restarted.completeStartUp();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0], std::string("Внимание!: ") + msg::kFieldTooHigh);
  EXPECT_EQ(restarted.results().text(ctl::kFieldPeak), "19.63");
  EXPECT_TRUE(restarted.results().text(ctl::kTemperature).empty());
  EXPECT_TRUE(restarted.redMarks().empty());
}

TEST_F(DesignActions, NoSizeFitsAfterEveryCoreWasDesigned) {
  in().I21 = "200";  // 2.5 kW
  session->automaticSelection();
  ASSERT_FALSE(boxes.shown.empty());
  EXPECT_EQ(boxes.shown.back(), std::string("Внимание!: ") + msg::kNoCoreFits);
  EXPECT_EQ(session->currentCore(), 2);  // the last size designed stays selected
  EXPECT_TRUE(r().text(ctl::kTemperature).empty());
  EXPECT_TRUE(session->redMarks().empty());
}

TEST_F(DesignActions, HandEnteredDiametersAreReplacedByStandardOnes) {
  in().d11 = "0,51";
  in().d21 = "2";
  session->optimize();
  ASSERT_FALSE(boxes.shown.empty());
  EXPECT_EQ(boxes.shown[0],
            "Внимание!: Указанный диаметр первичной обмотки 0.510 заменен на ближайший "
            "стандартный диаметр 0.530");
  EXPECT_EQ(in().d11, "0.53");
  EXPECT_EQ(in().d21, "1.5");  // 2 mm becomes 1.5 mm without a word
  for (const std::string& shown : boxes.shown) EXPECT_EQ(shown.find("2.000"), std::string::npos);
  EXPECT_EQ(session->diameterSpins()[0], 32);
  boxes.shown.clear();
  in().d11 = "0,45";
  in().d21 = "0.475";
  session->optimize();
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(in().d11, "0.45");
}

TEST_F(DesignActions, DiameterSpinSizesStrandsFromTheLastDesign) {
  in().d11 = "0.5";
  session->optimize();
  ASSERT_EQ(session->diameterSpins()[0], 31);
  session->spinStep(1099, +1);
  EXPECT_EQ(in().d11, "0.53");  // the optimization shortens the spin's "0.530"
  EXPECT_EQ(session->diameterSpins()[0], 32);
  // One strand carries the primary's ~0.2 A at 5 A/mm² easily: trunc(quotient) + 1 = 1.
  EXPECT_EQ(in().n11, "1");
}

TEST_F(DesignActions, SpinAtTheEndOfItsRangeStillComputes) {
  in().n11 = "1000";
  session->spinStep(1103, +1);
  EXPECT_EQ(in().n11, "1000");
  EXPECT_EQ(r().text(ctl::kPrimaryStrands), "1000");
  in().n11 = "1";
  session->spinStep(1103, -1);
  EXPECT_EQ(in().n11, "1");
}

TEST_F(DesignActions, DamagedDesignFileChangesNothing) {
  write("broken.sav", "[INI_DATA]\r\nseries\t= Test cores\r\nUmin\t= 150");  // no CR at the end
  const DesignInputs before = in();
  EXPECT_FALSE(session->loadDesign("broken.sav"));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].find("broken.sav"), std::string::npos);
  EXPECT_EQ(in(), before);
}

TEST_F(DesignActions, AFailedSaveSaysWhyAndKeepsTheOldFile) {
  ASSERT_TRUE(session->saveDesign("keep"));
  const std::string old = read("keep.sav");
  fs::create_directory(folder / "dir.sav");  // a name the file system cannot replace
  EXPECT_FALSE(session->saveDesign("dir.sav"));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].find("dir.sav"), std::string::npos);
  EXPECT_FALSE(session->saveDesign("no-such-folder/keep"));
  EXPECT_EQ(read("keep.sav"), old);
}

TEST_F(DesignActions, LoadedCoreThatIsNotInTheSeriesFallsBackToTheFirst) {
  DesignInputs other = in();
  other.core = "Z99";
  write("other.sav", designFileBytes(other));
  ASSERT_TRUE(session->loadDesign("other.sav"));
  EXPECT_EQ(session->currentCore(), 0);
  EXPECT_EQ(in().core, "T10");
  // After a load the edits follow the loaded transistor kind.
  EXPECT_TRUE(session->unasEditEnabled());
}

}  // namespace
}  // namespace impulsor
