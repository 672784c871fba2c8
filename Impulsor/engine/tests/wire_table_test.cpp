// Standard wires, skin depth and the wire choices, against the worked figures of the design
// method (F = 100 kHz, Racdc = 1.1, 2 A at 5 A/mm²).
#include "wire_table.h"

#include <gtest/gtest.h>

namespace impulsor {
namespace {

constexpr double kDelta100kHz = 0.20871;  // 2.0871 / √100

TEST(WireTable, IsStrictlyAscendingAndEndsAtOneAndAHalfMillimetres) {
  for (int i = 1; i < kWireCount; ++i) EXPECT_LT(kWireTable[i - 1].d, kWireTable[i].d) << i;
  EXPECT_EQ(kWireTable[0].d, 0.063);
  EXPECT_EQ(kWireTable[kLastWire].d, 1.5);
  EXPECT_EQ(kWireTable[32].a, 0.220618);
}

struct SkinCase {
  double f_kHz;
  double delta_mm;
};
class SkinDepth : public ::testing::TestWithParam<SkinCase> {};
TEST_P(SkinDepth, FollowsInverseSquareRootOfFrequency) {
  EXPECT_NEAR(skinDepth(GetParam().f_kHz), GetParam().delta_mm, 1e-5);
}
INSTANTIATE_TEST_SUITE_P(Frequencies, SkinDepth,
                         ::testing::Values(SkinCase{100.0, 0.20871}, SkinCase{25.0, 0.41742},
                                           SkinCase{1.0, 2.0871}));

TEST(MaxWireDiameter, RacdcOfOnePointOneAtHundredKilohertz) {
  const MaxWire wire = maxWireDiameter(kDelta100kHz, 1.1);
  // d_lim = 2·1.1·0.20871·(1 + √(1 − 1/1.1)) = 0.597605: the largest standard wire below is 0.56.
  EXPECT_EQ(wire.row, 33);
  EXPECT_EQ(wire.dmax, 0.56);
  EXPECT_NEAR(racRdcRatio(0.56, kDelta100kHz), 1.069318, 1e-6);
  EXPECT_NEAR(wire.Aeff_max, 0.230334, 1e-6);
}

TEST(MaxWireDiameter, LowFrequencyAllowsTheLargestWire) {
  // Below about 7.744 kHz 2·δ ≥ 1.5 mm: every wire conducts over its whole section.
  const double delta = skinDepth(7.7);
  EXPECT_EQ(maxWireDiameter(delta, 1.0).row, kLastWire);
  EXPECT_EQ(maxWireDiameter(delta, 3.0).dmax, 1.5);
  EXPECT_EQ(racRdcRatio(1.5, delta), 1.0);
}

TEST(MaxWireDiameter, RacdcOfOneAllowsTwiceTheSkinDepth) {
  // d_lim = 2·δ = 0.41742: the largest standard wire not above it is 0.4 mm.
  EXPECT_EQ(maxWireDiameter(kDelta100kHz, 1.0).dmax, 0.4);
}

TEST(ChooseWire, TwoStrandsOfPointFiftyThreeForTwoAmperes) {
  const double Aeff = maxWireDiameter(kDelta100kHz, 1.1).Aeff_max;
  // A = 2 / 5 = 0.4 mm² > 0.230334: 2 strands of 0.2 mm² each. 0.5 mm carries 0.190993
  // (too little), 0.53 mm 0.210665.
  const WireChoice choice = chooseWire(0.4, Aeff, kDelta100kHz);
  EXPECT_EQ(choice.strands, 2);
  EXPECT_EQ(choice.row, 32);
  EXPECT_NEAR(choice.ratio, 1.047252, 1e-6);
  EXPECT_NEAR(effectiveCurrentDensity(2.0, choice.strands, choice.row, choice.ratio), 4.747, 5e-4);
}

TEST(ChooseWire, AnExactRatioOfTwoGivesThreeStrands) {
  EXPECT_EQ(chooseWire(0.5, 0.25, kDelta100kHz).strands, 3);
}

TEST(ChooseWire, NoCurrentGetsTheSmallestWire) {
  const WireChoice choice = chooseWire(0.0, 0.23, kDelta100kHz);
  EXPECT_EQ(choice.row, 0);
  EXPECT_EQ(choice.strands, 1);
}

TEST(StrandsForDiameter, IsAlwaysOneMoreThanTheQuotient) {
  // 2 A / 5 A/mm² / 0.196349 mm² · 1.02805 = 2.094 -> 3 strands of 0.5 mm.
  EXPECT_EQ(strandsForDiameter(2.0, 5.0, 31, kDelta100kHz), 3);
  // A whole quotient still gets one more: 0.5 mm at low frequency, ratio 1, exactly 2.
  EXPECT_EQ(strandsForDiameter(0.196349 * 2, 1.0, 31, 10.0), 3);
}

struct SnapCase {
  double entered;
  double standard;
};
class SnapToStandardWire : public ::testing::TestWithParam<SnapCase> {};
TEST_P(SnapToStandardWire, TakesTheSmallestStandardDiameterNotBelow) {
  EXPECT_EQ(kWireTable[snapToStandardWire(GetParam().entered)].d, GetParam().standard);
}
INSTANTIATE_TEST_SUITE_P(Diameters, SnapToStandardWire,
                         ::testing::Values(SnapCase{0.51, 0.53}, SnapCase{0.5, 0.5},
                                           SnapCase{2.0, 1.5}, SnapCase{0.0, 0.063},
                                           SnapCase{-1.0, 0.063}, SnapCase{0.063, 0.063},
                                           SnapCase{1.49, 1.5}));

struct DiameterText {
  double d;
  const char* text;
};
class FormatDiameter : public ::testing::TestWithParam<DiameterText> {};
TEST_P(FormatDiameter, DropsTrailingZerosAndPoint) {
  EXPECT_EQ(formatDiameter(GetParam().d), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(Diameters, FormatDiameter,
                         ::testing::Values(DiameterText{0.5, "0.5"}, DiameterText{1.0, "1"},
                                           DiameterText{0.063, "0.063"}, DiameterText{0.1, "0.1"},
                                           DiameterText{0.25, "0.25"}, DiameterText{10.0, "10"}));

}  // namespace
}  // namespace impulsor
