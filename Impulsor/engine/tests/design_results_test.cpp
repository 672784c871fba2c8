// The texts of results: unit switches, number formats and what a new design clears.
#include "design_results.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

#include "number_format.h"

namespace impulsor {
namespace {

struct UnitCase {
  double value;
  const char* text;
  const char* unit;
};
class InductanceText : public ::testing::TestWithParam<UnitCase> {};
TEST_P(InductanceText, SwitchesToMillihenriesAtOneThousand) {
  const ValueWithUnit t = inductanceText(GetParam().value);
  EXPECT_EQ(t.value, GetParam().text);
  EXPECT_EQ(t.unit, GetParam().unit);
}
INSTANTIATE_TEST_SUITE_P(Values, InductanceText,
                         ::testing::Values(UnitCase{999.9, "999.900", "мкГн"},
                                           UnitCase{1000, "1.000", "мГн"},
                                           UnitCase{4046.031, "4.046", "мГн"}));

class PrimaryResistanceText : public ::testing::TestWithParam<UnitCase> {};
TEST_P(PrimaryResistanceText, SwitchesDecimalsAndUnit) {
  const ValueWithUnit t = primaryResistanceText(GetParam().value);
  EXPECT_EQ(t.value, GetParam().text);
  EXPECT_EQ(t.unit, GetParam().unit);
}
INSTANTIATE_TEST_SUITE_P(Values, PrimaryResistanceText,
                         ::testing::Values(UnitCase{0.0012, "1.20", "мОм"},
                                           UnitCase{0.0123, "12.3", "мОм"},
                                           UnitCase{0.5, "500", "мОм"},
                                           UnitCase{1.2, "1.200", "Ом"}));

TEST(OutputResistanceText, StaysInMilliohmsAsItsRowIsLabelled) {
  EXPECT_EQ(outputResistanceText(0.0123), "12.3");
  EXPECT_EQ(outputResistanceText(0.5), "500");
  EXPECT_EQ(outputResistanceText(1.2), "1200");
}

TEST(InductanceTooltip, OneDecimalInMicrohenries) {
  EXPECT_EQ(inductanceTooltip(850.25), "Индуктивность первичной обмотки не более 850.2 мкГн");
  EXPECT_EQ(inductanceTooltip(4046.031), "Индуктивность первичной обмотки не более 4.046 мГн");
}

TEST(FormatFixed, UsesAPointWhateverTheLocaleAndNeverShowsNan) {
  const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  EXPECT_EQ(formatFixed(0.25 * 100, 1), "25.0");
  if (previous) std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(formatFixed(std::numeric_limits<double>::quiet_NaN(), 3), kNotANumberText);
  EXPECT_EQ(formatFixed(std::numeric_limits<double>::infinity(), 1), kNotANumberText);
  EXPECT_EQ(formatFixed(2.5, 0), "2");         // ties to even, as printf does
  EXPECT_EQ(formatFixed(0.0005, 3), "0.001");  // 0.0005 is stored slightly above
}

TEST(DesignResults, ClearingForADesignKeepsCoreTitleStackAndResistanceUnit) {
  DesignResults r;
  for (int id : kResultControls) r.set(id, "x");
  r.clearForDesign();
  for (int id : kResultControls) {
    const bool kept =
        id == ctl::kCoreTitle || id == ctl::kStackSize || id == ctl::kPrimaryResistanceUnit;
    EXPECT_EQ(r.text(id).empty(), !kept) << id;
  }
}

}  // namespace
}  // namespace impulsor
