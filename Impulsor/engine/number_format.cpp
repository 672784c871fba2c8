#include "number_format.h"

#include <charconv>
#include <cmath>

namespace impulsor {

std::string formatFixed(double value, int decimals) {
  if (!std::isfinite(value)) return kNotANumberText;
  // 1e308 printed in full has 309 digits and the fraction.
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text(buffer, result.ptr);
  // printf prints a negative zero with its sign ("-0.000"); so do we.
  return text;
}

std::string formatInt(int value) { return std::to_string(value); }

}  // namespace impulsor
