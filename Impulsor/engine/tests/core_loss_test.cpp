// Core loss from the loss table and the copper loss at temperature.
#include "core_loss.h"

#include <gtest/gtest.h>

#include <cmath>

namespace impulsor {
namespace {

// Frequencies 50 / 100 / 200 kHz, flux densities 0.05 / 0.1 / 0.2 T, a loss that doubles with
// the frequency and quadruples with the flux density: P = 10·(F/50)·(B/0.05)² W/kg.
MaterialData lossMaterial() {
  MaterialData m;
  const double F[] = {50, 100, 200};
  const double B[] = {0.05, 0.1, 0.2};
  for (int i = 0; i < 3; ++i) {
    m.loss[i + 1][0] = F[i];
    m.loss[0][i + 1] = B[i];
    for (int j = 0; j < 3; ++j) m.loss[i + 1][j + 1] = 10 * (F[i] / 50) * std::pow(B[j] / 0.05, 2);
  }
  m.lastF = 3;
  m.nB = 3;
  m.ro = 5.5;
  return m;
}

struct LossCase {
  double F, B, expected;
};
class SpecificCoreLoss : public ::testing::TestWithParam<LossCase> {};
TEST_P(SpecificCoreLoss, InterpolatesOnLogLogAxes) {
  const auto Pv = specificCoreLoss(lossMaterial(), GetParam().F, GetParam().B);
  ASSERT_TRUE(Pv);
  EXPECT_NEAR(*Pv, GetParam().expected, 1e-9 * GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Points, SpecificCoreLoss,
    ::testing::Values(LossCase{100, 0.1, 80},                                // a tabulated point
                      LossCase{50, 0.05, 10},                                // the first point
                      LossCase{70.7106781186548, 0.1, 40 * std::sqrt(2.0)},  // between rows
                      LossCase{400, 0.4, 5120},     // both beyond the table: extended
                      LossCase{25, 0.025, 1.25}));  // both below the table: extended

TEST(SpecificCoreLoss, OneMissingCellMeansNoData) {
  MaterialData m = lossMaterial();
  m.loss[3][3] = 0;
  EXPECT_FALSE(specificCoreLoss(m, 150, 0.15));
  EXPECT_TRUE(specificCoreLoss(m, 75, 0.07));  // its own cells are all there
}

TEST(SpecificCoreLoss, RowsBeyondTheLossTableHaveNoData) {
  MaterialData m = lossMaterial();
  m.lastF = 4;  // a fourth permeability frequency that the loss table does not list
  m.loss[4][0] = 500;
  EXPECT_FALSE(specificCoreLoss(m, 300, 0.1));
}

TEST(SpecificCoreLoss, TooShortTablesHaveNoData) {
  MaterialData m = lossMaterial();
  m.nB = 1;
  EXPECT_FALSE(specificCoreLoss(m, 100, 0.1));
  m = lossMaterial();
  m.lastF = 1;
  EXPECT_FALSE(specificCoreLoss(m, 100, 0.1));
}

TEST(CoreLoss, IsSpecificLossTimesMass) {
  DesignState s;
  s.in.F = 100;
  s.Bac = 0.1;
  s.Ve = 10000;  // mm³ at 5.5 g/cm³: 0.055 kg
  DesignResults r;
  ASSERT_TRUE(coreLoss(s, lossMaterial(), r));
  EXPECT_NEAR(s.Pcore, 80 * 0.055, 1e-12);
  EXPECT_EQ(r.text(ctl::kCoreLoss), "4.400");
  MaterialData m = lossMaterial();
  m.loss[2][2] = 0;
  s.Bac = 0.1;
  EXPECT_FALSE(coreLoss(s, m, r));
  EXPECT_EQ(r.text(ctl::kCoreLoss), "");
}

TEST(CopperLoss, AtTwentyDegreesIsIsquaredRTimesTheRatio) {
  WindingData w;
  w.Irms = 2;
  w.R = 0.5;
  w.ratio = 1.1;
  EXPECT_NEAR(copperLoss(w, 20, 0), 2.2, 1e-15);
  // 100 K above 20 °C: copper has 42.8 % more resistance.
  EXPECT_NEAR(copperLoss(w, 55, 65), 2.2 * 1.428, 1e-12);
  w.R = 0;  // an absent output
  EXPECT_EQ(copperLoss(w, 55, 65), 0.0);
}

}  // namespace
}  // namespace impulsor
