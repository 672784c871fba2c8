// Windings laid into the window of a 40 × 24 × 16 mm core, against the worked layout of a
// 150-turn primary of 0.5 mm wire (insulated 0.569 mm).
#include "winding_layout.h"

#include <gtest/gtest.h>

namespace impulsor {
namespace {

constexpr int kRow0_5mm = 31;

DesignState coreState() {
  DesignState s;
  s.core.OD = 40;
  s.core.ID = 24;
  s.core.OH = 16;
  s.core.Wa = 24 * 24 * 3.141592653589793 * 0.25;
  s.OH_s = 16;
  s.in.U2 = {12, 0, 0};
  s.in.tamax = 20;
  return s;
}

TEST(FitLayers, RingsOfTurnsShrinkLayerByLayer) {
  const LayerFit fit = fitLayers(kWireTable[kRow0_5mm], 24, 40 - 24 + 2 * 16);
  EXPECT_DOUBLE_EQ(fit.p, 0.59745);
  EXPECT_DOUBLE_EQ(fit.t, 0.65435);
  EXPECT_EQ(fit.r[1], 112);
  EXPECT_EQ(fit.r[2], 106);
  EXPECT_EQ(fit.r[3], 100);
  EXPECT_EQ(fit.capacity, 1139);
  EXPECT_EQ(fit.r[21], 0);  // 20 layers
  EXPECT_GT(fit.r[20], 0);
  EXPECT_NEAR(fit.l[1], 50.3898, 5e-5);
  EXPECT_NEAR(fit.l[2], 51.5847, 5e-5);
  EXPECT_NEAR(fit.l[3], 53.9745, 5e-5);
}

TEST(PlaceTurns, FillsLayersInOrder) {
  const LayerFit fit = fitLayers(kWireTable[kRow0_5mm], 24, 48);
  const Placement place = placeTurns(fit, 24, 150);
  EXPECT_EQ(place.sLast, 2);
  EXPECT_EQ(place.E, 38);  // 112 + 38
  const Placement exact = placeTurns(fit, 24, 112);
  EXPECT_EQ(exact.sLast, 1);  // a layer that takes exactly the rest counts as full
  EXPECT_EQ(exact.E, 112);
}

TEST(LayoutWindings, PrimaryOfOneHundredFiftyTurns) {
  DesignState s = coreState();
  s.in.U2 = {0, 0, 0};  // the primary alone
  s.windings[kPrimary] = {.row = kRow0_5mm, .strands = 1, .ratio = 1, .turns = 150, .Irms = 1};
  DesignResults r;
  ASSERT_EQ(layoutWindings(s, r), 0);
  EXPECT_NEAR(s.windings[kPrimary].layers, 1.358, 5e-4);  // 1 + 38/106
  EXPECT_EQ(r.text(ctl::kPrimaryLayers), "1.358");
  EXPECT_EQ(r.text(ctl::kPrimaryLength), "7.604");
  EXPECT_EQ(r.text(ctl::kPrimaryResistance), "678");
  EXPECT_EQ(r.text(ctl::kPrimaryResistanceUnit), "мОм");
  EXPECT_EQ(r.text(ctl::kTransformerSize), "41.2 x 18.4");
  EXPECT_NEAR(s.S, 48.89, 5e-3);
}

TEST(LayoutWindings, TheNextWindingStartsWhereThePrimaryEnded) {
  DesignState s = coreState();
  s.windings[kPrimary] = {.row = kRow0_5mm, .strands = 1, .ratio = 1, .turns = 150, .Irms = 1};
  s.windings[kOutput1] = {.row = kRow0_5mm, .strands = 1, .ratio = 1, .turns = 1, .Irms = 1};
  DesignResults r;
  ASSERT_EQ(layoutWindings(s, r), 0);
  // The output starts on the primary's last layer: its base turn length is that layer's
  // 51.5847 mm plus four pitches, and its first layer adds four more.
  const double l0 = 51.5847 + 4 * 0.59745;  // last primary layer plus four pitches
  EXPECT_NEAR(s.windings[kOutput1].length_m, (l0 + 4 * 0.59745) / 1000, 1e-6);
}

TEST(LayoutWindings, CapacityIsTheLastTurnThatFits) {
  DesignState s = coreState();
  s.in.U2 = {0, 0, 0};
  s.windings[kPrimary] = {.row = kRow0_5mm, .strands = 1, .ratio = 1, .turns = 1139, .Irms = 1};
  DesignResults r;
  EXPECT_EQ(layoutWindings(s, r), 0);
  s.windings[kPrimary].turns = 1140;
  EXPECT_EQ(layoutWindings(s, r), 1);
}

TEST(LayoutWindings, SecondariesFirstReportTheirOwnFailureFirst) {
  DesignState s = coreState();
  s.in.pri_sec = 1;
  s.windings[kPrimary] = {.row = kRow0_5mm, .strands = 1, .ratio = 1, .turns = 2000, .Irms = 1};
  s.windings[kOutput1] = {.row = kRow0_5mm, .strands = 1, .ratio = 1, .turns = 2000, .Irms = 1};
  DesignResults r;
  EXPECT_EQ(layoutWindings(s, r), 2);
  s.windings[kOutput1].turns = 10;
  EXPECT_EQ(layoutWindings(s, r), 1);
}

TEST(LayoutWindings, OddAndNextEvenLayerCountsAddTheSameOuterDiameter) {
  for (const int turns : {112 + 106 + 1, 112 + 106 + 100 + 1}) {  // 3 and 4 layers
    DesignState s = coreState();
    s.in.U2 = {0, 0, 0};
    s.windings[kPrimary] = {
        .row = kRow0_5mm, .strands = 1, .ratio = 1, .turns = double(turns), .Irms = 1};
    DesignResults r;
    ASSERT_EQ(layoutWindings(s, r), 0);
    EXPECT_NEAR(s.Dout, 40 + 4 * 0.59745, 1e-12) << turns;
  }
}

}  // namespace
}  // namespace impulsor
