// The optimization: the whole design of the current core recomputed from the winding data the
// engineer sets (primary turns, wire diameters, strands), in one pass; failures are reported at
// once, over-limit results marked. And the step of a diameter spin button.
#pragma once

#include "design_context.h"

namespace impulsor {

void runOptimization(DesignContext& c);

// A diameter spin moved to `row` for `winding`: the diameter text and the strands that carry
// the winding's current of the last design at its current density.
void applyDiameterSpin(DesignContext& c, int winding, int row);

}  // namespace impulsor
