// What a design computation works on: the window's inputs and result texts, the current core
// and the series' material, and the host that shows texts and messages.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core_data.h"
#include "design_inputs.h"
#include "design_results.h"
#include "design_state.h"

namespace impulsor {

enum DesignStatus : int {
  kComplete = 0,
  kPrimaryDoesNotFit = 1,
  kOutput1DoesNotFit = 2,
  kOutput2DoesNotFit = 3,
  kOutput3DoesNotFit = 4,
  kTooHot = 8,
  kTransistorDrop = 10,
  kFieldTooHigh = 11,
  kNoSecondaryTurn = 12,
  kNoPrimaryTurn = 13,
  kWindowOverfilled = 16,
  kNoLossData = 32,
  kInputRefused = 64,  // an input out of the range the formulas need; already reported
};

// The message a recalculation shows for a status; nullptr for 0, 8 and 16.
const char* statusMessage(int status);

// Implemented by the session: the texts move to the view at the points a computation names,
// and warnings appear as modal message boxes under "Внимание!".
class DesignHost {
 public:
  virtual ~DesignHost() = default;
  virtual void refresh() = 0;
  virtual void warn(std::string_view text) = 0;
  // A computation took the current core: the core list shows the first entry that begins with
  // its name.
  virtual void coreTaken() {}
};

struct DesignContext {
  DesignInputs& inputs;
  DesignResults& results;
  const CoreRecord* core;  // the current core of the catalog
  const MaterialData& material;
  DesignState& state;
  std::array<int, 4>& diameterSpins;  // positions of spins 1099..1102
  std::string& inductanceTooltip;
  std::vector<int>& redMarks;  // result controls drawn in red, ascending
  DesignHost& host;
};

}  // namespace impulsor
