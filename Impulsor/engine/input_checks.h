// The ranges a computation needs from the inputs. Out of range, a formula would divide by zero,
// take the root of a negative number or overflow: the computation does not start and the
// engineer is told which input to change.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "design_inputs.h"

namespace impulsor {

enum class Computation { AutomaticDesign, Optimization };

// The label of a design-file key's field as the engineer reads it in the messages.
const char* inputLabel(std::string_view key);

// The message for the first input out of range (UTF-8), or nullopt when all are usable.
// `in` are the numbers parseInputs gave for `texts`.
std::optional<std::string> checkInputs(const DesignInputs& texts, const ParsedInputs& in,
                                       Computation computation);

}  // namespace impulsor
