// Conversion of the typed texts and the edit rules of the input fields.
#include "design_inputs.h"

#include <gtest/gtest.h>

namespace impulsor {
namespace {

struct NumberCase {
  const char* text;
  double value;
};
class LeadingNumber : public ::testing::TestWithParam<NumberCase> {};
TEST_P(LeadingNumber, TakesTheLongestDecimalPrefix) {
  EXPECT_DOUBLE_EQ(leadingNumber(GetParam().text), GetParam().value);
}
INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumber,
    ::testing::Values(NumberCase{"100", 100}, NumberCase{"1e2", 100}, NumberCase{"  2.5V", 2.5},
                      NumberCase{"-5", -5}, NumberCase{"+.5", 0.5}, NumberCase{"12x", 12},
                      NumberCase{"1e", 1}, NumberCase{"1.5e-1", 0.15}, NumberCase{"", 0},
                      NumberCase{"abc", 0}, NumberCase{"nan", 0}, NumberCase{"inf", 0},
                      NumberCase{"0x10", 0}, NumberCase{"0,25", 0}, NumberCase{".", 0}));

TEST(LeadingNumber, OverflowReadsAsInfinityAndUnderflowAsZero) {
  EXPECT_EQ(leadingNumber("1e400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(leadingNumber("-1e400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(leadingNumber("1e-400"), 0.0);
}

TEST(LeadingInteger, ReadsSignAndDigitsOnly) {
  EXPECT_EQ(leadingInteger("99,9"), 99);
  EXPECT_EQ(leadingInteger(" -3x"), -3);
  EXPECT_EQ(leadingInteger("x3"), 0);
  EXPECT_EQ(leadingInteger("99999999999999"), INT_MAX);
}

TEST(ParseInputs, DefaultsGiveTheDefaultDesignNumbers) {
  DesignInputs in;
  const ParsedInputs p = parseInputs(in);
  EXPECT_DOUBLE_EQ(p.continuity, 0.6);
  EXPECT_DOUBLE_EQ(p.Racdc, 1.1);
  EXPECT_DOUBLE_EQ(p.Ud[0], 0.6);
  EXPECT_DOUBLE_EQ(p.d[0], 0.25);
  EXPECT_EQ(p.stek, 1);
  EXPECT_EQ(p.U2[1], 0.0);
  // The record keeps the rewritten texts, so the fields then show points.
  EXPECT_EQ(in.Racdc, "1.1");
  EXPECT_EQ(in.d11, "0.25");
  EXPECT_EQ(in.Ud1, "0.6");
}

TEST(ParseInputs, EmptyStackCountBecomesOne) {
  DesignInputs in;
  in.stek = "";
  EXPECT_EQ(parseInputs(in).stek, 1);
  EXPECT_EQ(in.stek, "1");
}

TEST(ParseInputs, DigitsOnlyFieldsKeepTheirComma) {
  DesignInputs in;
  in.w11 = "12,5";
  in.F = "1e2";
  in.Umin = "letters";
  const ParsedInputs p = parseInputs(in);
  EXPECT_EQ(p.w11, 12.0);
  EXPECT_EQ(in.w11, "12,5");
  EXPECT_EQ(p.F, 100.0);
  EXPECT_EQ(p.Umin, 0.0);
}

struct LimitCase {
  const char* typed;
  const char* shown;
};
class ContinuityRule : public ::testing::TestWithParam<LimitCase> {};
TEST_P(ContinuityRule, CapsAtSeventyPercent) {
  DesignInputs in;
  in.Iccm = GetParam().typed;
  limitContinuity(in);
  EXPECT_EQ(in.Iccm, GetParam().shown);
}
INSTANTIATE_TEST_SUITE_P(Typed, ContinuityRule,
                         ::testing::Values(LimitCase{"85", "70"}, LimitCase{"70", "70"},
                                           LimitCase{"-5", "-5"}, LimitCase{"75,5", "70"},
                                           LimitCase{"69,9", "69,9"}));

TEST(FillFactorRule, CapsAtPointFourKeepingTheTypedComma) {
  DesignInputs in;
  in.ko = "0,5";
  limitFillFactor(in);
  EXPECT_EQ(in.ko, "0.4");
  in.ko = "0,35";
  limitFillFactor(in);
  EXPECT_EQ(in.ko, "0,35");
}

TEST(MaxTemperatureRule, ReadsWholeDegreesAndCapsAtTheSeriesLimit) {
  DesignInputs in;
  in.tdmax = "200";
  limitMaxTemperature(in, 155);
  EXPECT_EQ(in.tdmax, "155");
  in.tdmax = "12x";
  limitMaxTemperature(in, 155);
  EXPECT_EQ(in.tdmax, "12x");
  in.tdmax = "155,9";  // reads 155: not above the limit
  limitMaxTemperature(in, 155);
  EXPECT_EQ(in.tdmax, "155,9");
}

TEST(SupplySwitch, AcLoadsMainsDefaultsAndDcConvertsThemToBusVoltages) {
  DesignInputs in;
  setSupplyAc(in);
  EXPECT_EQ(in.setevoe, 1);
  EXPECT_EQ(in.Umin + "/" + in.Unom + "/" + in.Umax, "200/230/253");
  setSupplyDc(in, /*wasAc=*/true);
  EXPECT_EQ(in.setevoe, 0);
  // 200·1.364 = 272.8, 230·1.364 = 313.72, 253·1.364 = 345.092
  EXPECT_EQ(in.Umin + "/" + in.Unom + "/" + in.Umax, "273/314/345");
  in.Umin = "150";
  setSupplyDc(in, /*wasAc=*/false);  // DC already: nothing changes
  EXPECT_EQ(in.Umin, "150");
  setSupplyAc(in);
  in.Umin = "180";
  setSupplyAc(in);  // a second click restores the defaults
  EXPECT_EQ(in.Umin, "200");
}

TEST(InputKeys, AreTheThirtyEightKeysOfTheDesignFileInOrder) {
  EXPECT_EQ(kInputKeys.front().name, "series");
  EXPECT_EQ(kInputKeys[5].name, "setevoe");
  EXPECT_EQ(kInputKeys[12].name, "rds");
  EXPECT_EQ(kInputKeys[19].name, "pri_sec");
  EXPECT_EQ(kInputKeys.back().name, "n23");
  ASSERT_NE(findInputKey("Rds"), nullptr);
  EXPECT_NE(findInputKey("Rds"), findInputKey("rds"));
  EXPECT_EQ(findInputKey("RDS"), nullptr);
}

}  // namespace
}  // namespace impulsor
