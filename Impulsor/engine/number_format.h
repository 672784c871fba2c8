// The texts of numbers on screen: printf-style fixed formats with a point as the decimal
// separator whatever the machine's locale, and never "nan" or "inf".
#pragma once

#include <string>

namespace impulsor {

// "%.<decimals>f" of value; a value that is not a finite number gives kNotANumberText.
std::string formatFixed(double value, int decimals);

// "%i" of value.
std::string formatInt(int value);

// What a result shows when the arithmetic gave no finite number.
inline constexpr const char* kNotANumberText = "—";

}  // namespace impulsor
