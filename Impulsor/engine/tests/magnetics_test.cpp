// Permeability tables, the B(H) integral and the turns of the magnetic design.
#include "magnetics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "permeability.h"

namespace impulsor {
namespace {

MaterialData twoPointMaterial() {
  MaterialData m;
  m.muH[0] = {10, 0.9};
  m.muH[1] = {20, 0.6};
  m.lastH = 1;
  m.lastF = -1;
  m.Hmax = 100;
  return m;
}

TEST(TableFactor, ExtendsTheLastSegmentAsAPowerLaw) {
  const MaterialData m = twoPointMaterial();
  // 0.9 · 4^(ln(0.6/0.9)/ln 2) = 0.4
  EXPECT_NEAR(tableFactor(m.muH, m.lastH, 40), 0.4, 1e-12);
  // Below the first point the first segment is extended: 0.9 · (1/2)^(ln(0.6/0.9)/ln 2) = 1.35.
  EXPECT_NEAR(tableFactor(m.muH, m.lastH, 5), 1.35, 1e-12);
}

TEST(TableFactor, ReturnsTheTabulatedFactorsAtTheirPoints) {
  MaterialData m;
  m.muH[0] = {1, 1.0};
  m.muH[1] = {10, 0.9};
  m.muH[2] = {20, 0.6};
  m.lastH = 2;
  EXPECT_NEAR(tableFactor(m.muH, m.lastH, 10), 0.9, 1e-15);  // starts the segment at 10
  EXPECT_NEAR(tableFactor(m.muH, m.lastH, 20), 0.6, 1e-15);  // the last point, last segment
}

TEST(TableFactor, ShortTablesGiveOneOrTheirOnlyFactor) {
  MaterialData m;
  EXPECT_EQ(tableFactor(m.muH, -1, 50), 1.0);
  m.muH[0] = {10, 0.8};
  EXPECT_EQ(tableFactor(m.muH, 0, 50), 0.8);
}

TEST(RelativePermeability, IsTheProductOfFieldAndFrequencyFactors) {
  MaterialData m = twoPointMaterial();
  m.muF[0] = {10, 1.0};
  m.muF[1] = {1000, 0.5};
  m.lastF = 1;
  // µF(100) = 1 · 10^(ln 0.5 / ln 100) = √0.5
  EXPECT_NEAR(relativePermeability(m, 40, 100), 0.4 * std::sqrt(0.5), 1e-12);
}

class FluxTableEvaluation : public ::testing::TestWithParam<bool> {};  // plain or fast

TEST_P(FluxTableEvaluation, IntegratesMuTimesHInTenthsOfAnOersted) {
  MaterialData m;  // no tables: µr = 1, so B = µi·H·10⁻⁴ T
  m.Hmax = 50;
  FluxTable table;
  table.build(m, 60, 100, GetParam());
  EXPECT_NEAR(table.at(m, 100), 60 * 10.0 * 1e-4, 1e-12);  // 10 Oe
  EXPECT_NEAR(table.at(m, 500), 60 * 50.0 * 1e-4, 1e-12);  // the series' limit
}

TEST_P(FluxTableEvaluation, ContinuesTheIntegralBeyondTheBuiltPart) {
  MaterialData m;
  m.Hmax = 10;
  FluxTable table;
  table.build(m, 60, 100, GetParam());
  EXPECT_NEAR(table.at(m, 250), 60 * 25.0 * 1e-4, 1e-12);   // beyond Hmax
  EXPECT_NEAR(table.at(m, 7000), 60 * 700.0 * 1e-4, 1e-9);  // beyond 500 Oe
}

INSTANTIATE_TEST_SUITE_P(PlainAndFast, FluxTableEvaluation, ::testing::Bool());

TEST(TableFactor, AHintFromASmallerArgumentFindsTheSameSegment) {
  MaterialData m;
  for (int i = 0; i < 6; ++i) m.muH[i] = {10.0 * (i + 1), 1.0 - 0.1 * i};
  m.lastH = 5;
  int hint = 0;
  for (double H = 1; H < 80; H += 0.7)
    EXPECT_EQ(tableFactor(m.muH, m.lastH, H, &hint), tableFactor(m.muH, m.lastH, H)) << H;
}

TEST(StackOf, OneCoreKeepsTheCatalogInductanceFactor) {
  CoreRecord core;
  core.le = 63.5;
  core.Ae = 65.4;
  core.AL = 0.075;
  const Stack one = stackOf(core, 1);
  EXPECT_NEAR(one.mui * kFourPiTenths * one.Ae_s / core.le / 1000, core.AL, 1e-15);
  EXPECT_NEAR(one.mui, 57.95, 0.01);  // 63.5·0.075/65.4/0.4π·1000
  const Stack three = stackOf(core, 3);
  EXPECT_EQ(three.mui, one.mui);
  EXPECT_NEAR(three.AL_s, 0.225, 1e-15);
  EXPECT_NEAR(three.Ve, 63.5 * 65.4 * 3, 1e-9);
}

DesignState stateOnCore(double Lmax, double Ipk) {
  DesignState s;
  s.core.le = 100;
  s.core.Ae = 100;
  s.core.AL = 0.1;  // µH/turn²
  s.in.stek = 1;
  s.in.F = 100;
  const Stack stack = stackOf(s.core, 1);
  s.mui = stack.mui;
  s.Ae_s = stack.Ae_s;
  s.Lmax = Lmax;
  s.Ipk = Ipk;
  return s;
}

TEST(EstimateTurns, FieldExactlyAtTheLimitPassesAndAboveItFails) {
  MaterialData m;                            // µr = 1: N = trunc(√(Lmax/AL))
  DesignState s = stateOnCore(1000.5, 1.0);  // N = trunc(100.0025) = 100
  DesignResults r;
  startMagnetics(s, m);
  m.Hmax = fieldStrength(1.0, 100, 100);  // 12.566 Oe
  EXPECT_TRUE(estimateTurns(s, m, r));
  EXPECT_EQ(s.N, 100);
  m.Hmax = std::nextafter(m.Hmax, 0.0);
  EXPECT_FALSE(estimateTurns(s, m, r));
  EXPECT_EQ(r.text(ctl::kFieldPeak), "12.57");
}

TEST(RoundTurns, TruncatesTheSecondaryThenThePrimary) {
  MaterialData m;
  DesignState s = stateOnCore(1000, 1.0);
  startMagnetics(s, m);
  s.N = 100;
  s.n = 9.5238095238;  // 120 / 12.6
  DesignInputs inputs;
  DesignResults r;
  ASSERT_EQ(roundTurns(s, inputs, r), Rounding::Ok);
  EXPECT_EQ(s.windings[kOutput1].turns, 10);  // trunc(10.5)
  EXPECT_EQ(s.N1, 95);                        // trunc(95.238)
  EXPECT_EQ(inputs.w11, "95");
  EXPECT_NEAR(s.L, 0.1 * 95 * 95, 1e-9);
}

TEST(RoundTurns, AtTurnsRatioAboveTheTurnsNoSecondaryTurnIsLeft) {
  DesignState s = stateOnCore(1000, 1.0);
  s.N = 9;
  s.n = 9.5;
  DesignInputs inputs;
  DesignResults r;
  EXPECT_EQ(roundTurns(s, inputs, r), Rounding::NoSecondaryTurn);
}

}  // namespace
}  // namespace impulsor
