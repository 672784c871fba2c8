// The automatic design of one core: three passes of operating point, magnetics, core loss,
// wires, outputs, layout and temperature, choosing turns, wires and strands; and the
// recalculation that reports its outcome.
#pragma once

#include <optional>
#include <vector>

#include "design_context.h"
#include "input_checks.h"

namespace impulsor {

// Converts the input texts and checks them; on a refusal shows the reason and returns nullopt.
std::optional<ParsedInputs> parseAndCheckInputs(DesignContext& c, Computation computation);

// Designs the transformer on c.core and returns its status (the inputs are checked first;
// a refusal returns kInputRefused without a message).
int runAutomaticDesign(DesignContext& c);

// Results over their limits: fill factor, current densities, expected temperature.
std::vector<int> overLimitResults(const DesignState& s, const DesignResults& r);

// The automatic design of the current core, its message, and the red marks.
// Returns the status, or nullopt when the inputs were refused.
std::optional<int> recalculate(DesignContext& c);

}  // namespace impulsor
