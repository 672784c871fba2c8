// Output turns, voltages and currents against worked figures of the design method.
#include "output_windings.h"

#include <gtest/gtest.h>

namespace impulsor {
namespace {

TEST(CeilTurns, AnExactQuotientGivesExactlyThatMany) {
  EXPECT_EQ(ceilTurns(3.0), 3);
  EXPECT_EQ(ceilTurns(5.04), 6);
  EXPECT_EQ(ceilTurns(2.571), 3);
}

TEST(OutputTurns, SecondOutputRoundsUpFromTheFirst) {
  // N1 = 40, 12 V + 0.6 V, 100 V reflected: Ns1 = ⌈40/(100/12.6)⌉ = ⌈5.04⌉ = 6.
  DesignState s;
  s.in.U2 = {12, 5, 0};
  s.in.Ud = {0.6, 0.4, 0};
  s.N1 = 40;
  s.Umax = 350;
  s.windings[kOutput1].turns = ceilTurns(40 / (100 / 12.6));
  ASSERT_EQ(s.windings[kOutput1].turns, 6);
  outputTurns(s);
  EXPECT_EQ(s.windings[kOutput2].turns, 3);  // ⌈5.4/12.6·6⌉ = ⌈2.571⌉
  EXPECT_NEAR(s.U2actual[1], 5.9, 1e-12);    // 12.6·3/6 − 0.4
  EXPECT_EQ(s.U2actual[0], 12);
  EXPECT_NEAR(reverseVoltage(s, 1), 64.5, 1e-12);   // 6·350/40 + 12
  EXPECT_NEAR(reverseVoltage(s, 2), 32.15, 1e-12);  // 3·350/40 + 5.9
  EXPECT_EQ(s.windings[kOutput3].turns, 0);         // absent
}

struct CurrentCase {
  double k, I2pk, I2rms, Icap;
};
class OutputCurrents : public ::testing::TestWithParam<CurrentCase> {};
TEST_P(OutputCurrents, TwoAmperesAtDutyRatioPointFour) {
  DesignState s;
  s.in.I2 = {2, 0, 0};
  s.D = 0.4;
  s.k = GetParam().k;
  outputCurrents(s, 1);
  EXPECT_NEAR(s.I2pk[0], GetParam().I2pk, 5e-4);
  EXPECT_NEAR(s.windings[kOutput1].Irms, GetParam().I2rms, 5e-4);
  EXPECT_NEAR(s.Icap[0], GetParam().Icap, 5e-4);
}
INSTANTIATE_TEST_SUITE_P(
    Continuity, OutputCurrents,
    ::testing::Values(CurrentCase{0.3, 5.128, 2.704, 1.820},    // diode current ends below the load
                      CurrentCase{0.6, 4.167, 2.609, 1.675}));  // ... and above it

TEST(OutputCurrents, NoLoadCurrentMeansNoCurrents) {
  DesignState s;
  s.in.I2 = {0, 0, 0};
  s.D = 0.4;
  s.k = 0.3;
  outputCurrents(s, 1);
  EXPECT_EQ(s.windings[kOutput1].Irms, 0.0);
  EXPECT_EQ(s.Icap[0], 0.0);
}

}  // namespace
}  // namespace impulsor
