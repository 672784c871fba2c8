// The converter's operating point against the worked example of the default inputs
// (DC 200 V, 100 kHz, 120 V reflected, Rds 3 Ω, 60 % continuity, 12 V 2 A with 0.6 V diode).
#include "operating_point.h"

#include <gtest/gtest.h>

#include <cmath>

#include "design_results.h"

namespace impulsor {
namespace {

DesignState startDesign(DesignInputs inputs = {}) {
  DesignState s;
  s.in = parseInputs(inputs);
  prepareSupply(s, /*fetDropFromZero=*/true);
  s.Umirror = s.in.Umirror;
  s.k = s.in.continuity;
  s.U2est = s.in.U2;
  energyBalance(s);
  return s;
}

TEST(EnergyBalance, DefaultInputs) {
  const DesignState s = startDesign();
  EXPECT_NEAR(s.Ptot, 25.2, 1e-12);  // (12 + 0.6) · 2
  EXPECT_NEAR(s.n, 9.5238, 5e-5);    // 120 / 12.6
  EXPECT_NEAR(s.Ein, 280.0, 1e-9);   // 25.2 / 100 · 1000 / 0.9
  EXPECT_NEAR(s.Ulim, 10.0, 1e-12);  // 5 % of 200 V
  EXPECT_EQ(s.Ue, 200.0);
  EXPECT_EQ(s.Unas, 0.0);  // a field-effect drop starts from nothing
}

TEST(DesignInductanceLoop, FirstIterationOfTheDefaultDesign) {
  DesignState s = startDesign();
  // One iteration by hand: D = 120/320, Lmax = 200²·D²·1.6/0.4/100²/280·0.5·10⁶.
  const double D = 120.0 / 320.0;
  EXPECT_NEAR(D, 0.375, 1e-15);
  const double Lmax = 40000.0 * D * D * 1.6 / 0.4 / 10000.0 / 280.0 * 0.5e6;
  EXPECT_NEAR(Lmax, 4017.857, 5e-4);
  EXPECT_FALSE(designInductanceLoop(s));
}

TEST(DesignInductanceLoop, FiveIterationsSettleTheDrop) {
  DesignState s = startDesign();
  EXPECT_FALSE(designInductanceLoop(s));
  EXPECT_NEAR(s.D, 0.376312, 5e-7);
  EXPECT_NEAR(s.Lmax, 4046.031, 5e-4);
  EXPECT_NEAR(s.Ipk, 0.465039, 5e-7);
  EXPECT_NEAR(s.Unas, 1.116094, 5e-7);
  EXPECT_EQ(inductanceTooltip(s.Lmax), "Индуктивность первичной обмотки не более 4.046 мГн");
}

TEST(DesignInductanceLoop, SaturationVoltageAboveFivePercentEndsTheDesign) {
  DesignInputs inputs;
  inputs.rds = 0;
  inputs.Unas = "11";
  DesignState s = startDesign(inputs);
  EXPECT_TRUE(designInductanceLoop(s));
  EXPECT_EQ(s.Unas, 11.0);
}

TEST(PrepareSupply, AcMainsBecomeBusVoltagesWithRipple) {
  DesignInputs inputs;
  inputs.setevoe = 1;
  inputs.Umin = "200";
  inputs.Unom = "230";
  const DesignState s = startDesign(inputs);
  EXPECT_NEAR(s.Umin, 272.8, 1e-9);
  EXPECT_NEAR(s.Unom, 313.72, 1e-9);
  EXPECT_NEAR(s.Urip, 31.372, 1e-9);
  EXPECT_NEAR(s.Ue, 241.428, 1e-9);
  EXPECT_NEAR(s.Ulim, 13.64, 1e-9);
}

TEST(OperatingPoint, DiscontinuousConductionAtUmaxShowsZeroContinuity) {
  DesignState s = startDesign();
  ASSERT_FALSE(designInductanceLoop(s));
  // A tenth of the design inductance stores far more than one cycle's energy at the swing:
  // the current stops in every cycle.
  s.L = s.Lmax / 10;
  DesignResults r;
  operatingPointsAtUmaxUnom(s, r);
  EXPECT_EQ(r.text(ctl::kContinuity[2]), "0.0");
  EXPECT_EQ(r.text(ctl::kContinuity[1]), "0.0");
  // D = √(2·Ein·L)·F/1000 / U at 350 V.
  const double D = std::sqrt(2 * 280.0 / s.L) * s.L / 350.0 * 100 / 1000;
  EXPECT_NEAR(r.value(ctl::kDutyRatio[2]), D, 1e-12);
}

TEST(ReflectedVoltage, SpikeAllowanceKeepsItsSign) {
  DesignState s = startDesign();
  s.n = 40.0 / 6.0;
  s.in.Utrmax = 400;
  DesignResults r;
  reflectedVoltage(s, r);
  EXPECT_EQ(r.text(ctl::kReflectedVoltage), "84.0");  // 40/6 · 12.6
  EXPECT_EQ(r.text(ctl::kSpikeAllowance), "-34.0");   // 400 − 84 − 350
}

}  // namespace
}  // namespace impulsor
