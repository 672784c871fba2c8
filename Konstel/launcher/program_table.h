// The calculator programs of the design centre, in the order of the window's buttons.
// A program's name is both the caption under its button and the prefix its folder and
// executable are found by.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace konstel {

inline constexpr std::size_t kProgramCount = 8;

// Row 2 is the flyback-transformer program Impulsor; the others are separate programs of
// the same family, bound to the launcher only by their folder and file names.
extern const std::array<std::string_view, kProgramCount> kProgramNames;

}  // namespace konstel
