// The design program without its window, driven as an engineer drives it: start-up with a
// settings file, the start-up optimization, automatic selection, spin steps, save, load, exit.
// The test series has a material whose permeability does not fall with field or frequency and
// a constant specific loss, so the figures below follow by hand from the design equations.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "design_file.h"
#include "impulsor_session.h"
#include "messages.h"
#include "session_fixture.h"

namespace impulsor {
namespace {

TEST_F(SessionScenario, StartUpShowsTheRememberedDesignOptimized) {
  rememberDesign();
  ImpulsorSession session(folder, boxes);
  session.startUp();
  EXPECT_EQ(session.seriesList(), std::vector<std::string>{"Test cores"});
  EXPECT_EQ(session.seriesSelection(), 0);
  EXPECT_EQ(session.coreList(), (std::vector<std::string>{"T10", "T20", "T30"}));
  EXPECT_TRUE(session.results().text(ctl::kInductance).empty());  // nothing before the timer
  EXPECT_TRUE(session.unasEditEnabled());
  EXPECT_FALSE(session.rdsEditEnabled());

  session.completeStartUp();
  EXPECT_TRUE(boxes.shown.empty()) << boxes.shown.front();
  EXPECT_EQ(session.currentCore(), 1);
  EXPECT_EQ(session.inputs().core, "T20");
  const DesignResults& r = session.results();
  // 247 turns: Ns1 = ⌈247 / (120/12.6)⌉ = 26, reflected 247/26·12.6 = 119.7 V,
  // spike allowance 600 − 119.7 − 350 = 130.3 V.
  EXPECT_EQ(r.text(ctl::kOutTurns[0]), "26");
  EXPECT_EQ(r.text(ctl::kReflectedVoltage), "119.7");
  EXPECT_EQ(r.text(ctl::kSpikeAllowance), "130.3");
  // µr = 1: L = L0 = AL·N1² = 0.09·247² = 5490.81 µH.
  EXPECT_EQ(r.text(ctl::kInductance) + " " + r.text(ctl::kInductanceUnit), "5.491 мГн");
  EXPECT_EQ(r.text(ctl::kInductanceNoBias), "5.491");
  // At Umin: D = 119.7/(119.7 + 199) = 0.3756, ΔI = 199·D/100/L·1000 = 0.1361 A,
  // k = (280 − ΔI²L/2)/(ΔI²L/2 + 280) = 0.6925, Imax = ΔI/(1 − k) = 0.4427 A.
  EXPECT_EQ(r.text(ctl::kDutyRatio[0]), "0.376");
  EXPECT_EQ(r.text(ctl::kContinuity[0]), "69.3");
  EXPECT_EQ(r.text(ctl::kPeakCurrent), "0.443");
  // The bus delivers what one cycle must pass: 28 W at 199 V.
  EXPECT_EQ(r.text(ctl::kInputCurrent[0]), "0.141");
  // H = 0.4π·0.4427·247/70·10 = 19.63 Oe; B = µi·19.6·10⁻⁴ with µi = 62.667; Bac = L·ΔI/N1/Ae/2.
  EXPECT_EQ(r.text(ctl::kFieldPeak), "19.63");
  EXPECT_EQ(r.text(ctl::kBmax), "0.123");
  EXPECT_EQ(r.text(ctl::kBac), "0.019");
  // 100 W/kg of 70·80 mm³ at 5 g/cm³.
  EXPECT_EQ(r.text(ctl::kCoreLoss), "2.800");
  EXPECT_EQ(r.text(ctl::kCoreTitle), "1 шт. T20 (30-16-12)");
  EXPECT_EQ(r.text(ctl::kStackSize), "30.0 x 16.0 x 12.0");
  EXPECT_EQ(session.inputs().d11, "0.25");  // shortened standard form
  EXPECT_EQ(session.diameterSpins()[0], 19);
  EXPECT_EQ(session.diameterSpins()[1], 30);
  EXPECT_EQ(session.inductanceTooltip().rfind("Индуктивность первичной обмотки не более ", 0), 0u);
}

TEST_F(SessionScenario, AutomaticSelectionThenSpinsSaveLoadAndExit) {
  rememberDesign();
  ImpulsorSession session(folder, boxes);
  session.startUp();
  session.completeStartUp();

  session.automaticSelection();
  ASSERT_TRUE(session.lastStatus());
  EXPECT_EQ(*session.lastStatus(), kComplete);
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_TRUE(session.redMarks().empty());
  const std::string turns = session.inputs().w11;
  ASSERT_FALSE(turns.empty());
  EXPECT_EQ(session.results().text(ctl::kPrimaryTurns), turns);

  // A turns step runs the optimization with one more turn.
  session.spinStep(1098, +1);
  EXPECT_EQ(session.inputs().w11, std::to_string(std::stoi(turns) + 1));
  EXPECT_EQ(session.results().text(ctl::kPrimaryTurns), session.inputs().w11);

  // A diameter step moves to the next standard wire and sizes its strands before the design.
  const int row = session.diameterSpins()[0];
  session.spinStep(1099, +1);
  EXPECT_EQ(session.diameterSpins()[0], row + 1);
  EXPECT_FALSE(session.inputs().n11.empty());
  EXPECT_EQ(session.results().text(ctl::kPrimaryStrands), session.inputs().n11);

  // Save under a name without the extension, change the design, load it back.
  EXPECT_EQ(session.proposedDesignFileName().substr(0, 3), session.inputs().core.substr(0, 3));
  ASSERT_TRUE(session.saveDesign("case"));
  const DesignInputs saved = session.inputs();
  ASSERT_TRUE(fs::exists(folder / "case.sav"));
  session.inputs().U21 = "24";
  session.inputs().w11 = "10";
  ASSERT_TRUE(session.loadDesign("case.sav"));
  EXPECT_EQ(session.inputs().U21, saved.U21);
  EXPECT_EQ(session.inputs().w11, saved.w11);
  EXPECT_EQ(session.results().text(ctl::kPrimaryTurns), saved.w11);

  ASSERT_TRUE(session.exit());
  EXPECT_EQ(read(kSettingsFileName), designFileBytes(session.inputs()));
  EXPECT_TRUE(boxes.shown.empty()) << boxes.shown.front();

  // A restart shows the same design.
  test::RecordingBoxes again;
  ImpulsorSession restarted(folder, again);
  restarted.startUp();
  restarted.completeStartUp();
  for (int id : kResultControls)
    EXPECT_EQ(restarted.results().text(id), session.results().text(id)) << id;
}

TEST_F(SessionScenario, SizeButtonsStopAtTheEndsOfTheSeries) {
  rememberDesign();
  ImpulsorSession session(folder, boxes);
  session.startUp();
  session.completeStartUp();
  session.chooseCore(2);
  session.nextSize();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0], std::string("Внимание!: ") + msg::kLargestSize);
  session.chooseCore(0);
  boxes.shown.clear();
  session.previousSize();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0], std::string("Внимание!: ") + msg::kSmallestSize);
  EXPECT_EQ(session.currentCore(), 0);
}

TEST_F(SessionScenario, InputOutOfRangeIsRefusedWithItsName) {
  rememberDesign();
  ImpulsorSession session(folder, boxes);
  session.startUp();
  session.completeStartUp();
  session.inputs().F = "0";
  session.automaticSelection();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].find("Частота преобразования"), std::string::npos);
  boxes.shown.clear();
  session.inputs().F = "100";
  session.inputs().w11 = "0";
  session.optimize();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].find("Число витков в первичной обмотке"), std::string::npos);
}

TEST_F(SessionScenario, MissingSeriesLeavesAnEmptyCatalogAndEveryComputationSaysSo) {
  DesignInputs remembered;
  remembered.series = "Gone";
  write(kSettingsFileName, designFileBytes(remembered));
  ImpulsorSession session(folder, boxes);
  session.startUp();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].find("Gone.txt"), std::string::npos);
  EXPECT_EQ(session.seriesSelection(), -1);
  EXPECT_EQ(session.inputs().series, "Gone");  // the remembered name is kept
  session.completeStartUp();
  session.automaticSelection();
  session.nextSize();
  ASSERT_EQ(boxes.shown.size(), 4u);
  for (std::size_t i = 1; i < 4; ++i)
    EXPECT_NE(boxes.shown[i].find("нет ни одного магнитопровода"), std::string::npos);
}

TEST_F(SessionScenario, DamagedSettingsFileKeepsTheDefaultsAndStartUpCompletes) {
  write(kSettingsFileName, "[INI_DATA]\r\nseries\t= Test cores\r\nUmin\t= 150");  // no CR
  ImpulsorSession session(folder, boxes);
  session.startUp();
  ASSERT_EQ(boxes.shown.size(), 2u);  // the settings file, then the default series not found
  EXPECT_NE(boxes.shown[0].find(kSettingsFileName), std::string::npos);
  EXPECT_EQ(session.inputs().Umin, "200");
  EXPECT_EQ(session.inputs().series, "KVZN-TH cores");
  EXPECT_EQ(session.seriesList().size(), 1u);  // the list is filled all the same
}

TEST_F(SessionScenario, ASeriesWhoseFileVanishedKeepsTheSeriesInUse) {
  rememberDesign();
  write("Other cores.txt", impulsor::testing::kTestSeries);
  ImpulsorSession session(folder, boxes);
  session.startUp();
  session.completeStartUp();
  ASSERT_EQ(session.seriesList(), (std::vector<std::string>{"Other cores", "Test cores"}));
  fs::remove(folder / "Other cores.txt");
  session.chooseSeries(0);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].find("Other cores.txt"), std::string::npos);
  EXPECT_EQ(session.inputs().series, "Test cores");
  EXPECT_EQ(session.seriesSelection(), 1);
  EXPECT_EQ(session.coreList().size(), 3u);
}

TEST_F(SessionScenario, EditRulesAndRadios) {
  rememberDesign();
  ImpulsorSession session(folder, boxes);
  session.startUp();
  session.inputs().Iccm = "85";
  session.inputEdited("Iccm");
  EXPECT_EQ(session.inputs().Iccm, "70");
  session.inputs().tdmax = "200";
  session.inputEdited("tdmax");
  EXPECT_EQ(session.inputs().tdmax, "150");  // the series' tmax
  session.clickFieldEffect();
  EXPECT_TRUE(session.rdsEditEnabled());
  EXPECT_FALSE(session.isEditable("Unas"));
  session.clickSupplyAc();
  session.clickSupplyDc();
  EXPECT_EQ(session.inputs().Umin, "273");
  EXPECT_EQ(session.inputs().setevoe, 0);
}

}  // namespace
}  // namespace impulsor
